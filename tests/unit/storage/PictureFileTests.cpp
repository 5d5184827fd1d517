#include "model/Gene.h"
#include "storage/JpegFile.h"
#include "storage/PictureFolder.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>

namespace {

// A smooth picture, as photographs of snakes mostly are; JPEG keeps such pictures close to the original.
TRgbImage Gradient(int width, int height) {
    TRgbImage image{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            image.Pixels.push_back(static_cast<std::uint8_t>(std::min(x * 3, 255)));
            image.Pixels.push_back(static_cast<std::uint8_t>(std::min(y * 3, 255)));
            image.Pixels.push_back(128);
        }
    return image;
}

int LargestDifference(const TRgbImage& a, const TRgbImage& b) {
    int largest = 0;
    for (size_t i = 0; i < a.Pixels.size(); ++i)
        largest = std::max(largest, std::abs(int(a.Pixels[i]) - int(b.Pixels[i])));
    return largest;
}

std::string Encoded(const TRgbImage& image, int quality = PictureQuality) {
    std::string bytes;
    std::string message;
    EXPECT_TRUE(EncodeJpeg(image, quality, bytes, message)) << message;
    return bytes;
}

std::string DecodeMessage(std::string_view bytes) {
    TRgbImage image = Gradient(2, 2);
    std::string message;
    EXPECT_FALSE(DecodeJpeg(bytes, image, message));
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_TRUE(image.Pixels.empty());
    return message;
}

} // namespace

TEST(JpegFile, EncodedPicturesDecodeToTheirPixels) {
    for (const auto& [width, height] : {std::pair{37, 23}, std::pair{1, 1}, std::pair{640, 3}}) {
        const TRgbImage original = Gradient(width, height);
        TRgbImage decoded;
        std::string message;
        ASSERT_TRUE(DecodeJpeg(Encoded(original), decoded, message)) << message;
        EXPECT_EQ(decoded.Width, width);
        EXPECT_EQ(decoded.Height, height);
        ASSERT_EQ(decoded.Pixels.size(), original.Pixels.size());
        EXPECT_LE(LargestDifference(original, decoded), 12) << width << "x" << height;
    }
    // The quality is the one asked for: a poorer one takes fewer bytes.
    const TRgbImage picture = Gradient(200, 120);
    EXPECT_LT(Encoded(picture, 30).size(), Encoded(picture).size());
}

TEST(JpegFile, LargePicturesAreDecodedReducedButNeverBelowTheSizeShown) {
    const std::string photo = Encoded(Gradient(1601, 1000));
    TRgbImage image;
    std::string message;
    for (const auto& [box, width, height] : {std::tuple{TPictureBox{98, 98}, 201, 125},
                                             {TPictureBox{300, 98}, 401, 250},
                                             {TPictureBox{98, 126}, 401, 250},
                                             {TPictureBox{1602, 10}, 1601, 1000},
                                             {TPictureBox{}, 1601, 1000}}) {
        ASSERT_TRUE(DecodeJpeg(photo, image, message, box)) << message;
        EXPECT_EQ(std::pair(image.Width, image.Height), std::pair(width, height)) << box.Width;
        EXPECT_EQ(image.Pixels.size(), size_t(width) * height * 3);
    }
}

TEST(JpegFile, PrintPicturesDecodeInTheirColours) {
    TRgbImage image;
    std::string message;
    // A picture saved for print holds inks, not light (a strong red here, in CMYK written by another
    // encoder).
    ASSERT_EQ(ReadJpegFile(ZYGORA_TEST_DATA "/cmyk-red.jpg", image, message), TReadResult::Ok) << message;
    ASSERT_EQ(image.Width, 16);
    EXPECT_GT(image.Pixels[0], 200);
    EXPECT_LT(image.Pixels[1], 60);
    EXPECT_LT(image.Pixels[2], 60);
}

TEST(JpegFile, DamagedPicturesGiveTheDecodersMessageNumber) {
    const std::string bytes = Encoded(Gradient(64, 64));
    EXPECT_EQ(DecodeMessage(""), "JPEG error #42");
    EXPECT_EQ(DecodeMessage("GIF89a not a picture of ours"), "JPEG error #53");
    // Cut in the pixel data, in the header, and only the end marker missing.
    EXPECT_EQ(DecodeMessage(std::string_view(bytes).substr(0, bytes.size() / 2)), "JPEG error #120");
    EXPECT_EQ(DecodeMessage(std::string_view(bytes).substr(0, 30)), "JPEG error #120");
    EXPECT_EQ(DecodeMessage(std::string_view(bytes).substr(0, bytes.size() - 2)), "JPEG error #120");
    // A header that claims a picture of 60000 x 60000 pixels is refused before any pixel is read.
    std::string huge = bytes;
    const size_t frame = huge.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    huge.replace(frame + 5, 4, "\xEA\x60\xEA\x60");
    EXPECT_EQ(DecodeMessage(huge), "JPEG error #41");
}

TEST(JpegFile, ReadingTellsMissingFromDamaged) {
    TTempFolder folder;
    TRgbImage image;
    std::string message;
    EXPECT_EQ(ReadJpegFile(folder.File("none.jpg"), image, message), TReadResult::Missing);
    folder.Write("plain", "");
    EXPECT_EQ(ReadJpegFile(folder.File("plain/none.jpg"), image, message), TReadResult::Missing);
    EXPECT_EQ(ReadJpegFile(folder.File(std::string(300, 'x') + ".jpg"), image, message),
              TReadResult::Missing);
    EXPECT_EQ(message, "");

    folder.Write("empty.jpg", "");
    EXPECT_EQ(ReadJpegFile(folder.File("empty.jpg"), image, message), TReadResult::Failed);
    EXPECT_EQ(message, "Cannot read picture \"" + folder.File("empty.jpg") + "\". JPEG error #42");
    std::filesystem::create_directory(folder.File("folder.jpg"));
    EXPECT_EQ(ReadJpegFile(folder.File("folder.jpg"), image, message), TReadResult::Failed);
    EXPECT_EQ(message, "Cannot open file \"" + folder.File("folder.jpg") + "\". Is a directory");
}

TEST(JpegFile, StoredPicturesReadBackAndRefusedOnesCreateNoFile) {
    TTempFolder folder;
    const std::string path = folder.File("Serpentia-Amelanistic.jpg");
    std::string message;
    ASSERT_TRUE(WriteJpegFile(path, Gradient(30, 20), message)) << message;
    TRgbImage image;
    ASSERT_EQ(ReadJpegFile(path, image, message), TReadResult::Ok) << message;
    EXPECT_EQ(image.Width, 30);

    // A picture the encoder refuses creates no file; replacing a file and failing on the way are proven
    // for every save in SaveFaults.
    EXPECT_FALSE(WriteJpegFile(folder.File("nothing.jpg"), TRgbImage{}, message));
    EXPECT_EQ(message, "JPEG error #32");
    EXPECT_FALSE(WriteJpegFile(folder.File("nothing.jpg"), TRgbImage{4, 4, {1, 2, 3}}, message));
    EXPECT_EQ(message, "JPEG error #23");
    EXPECT_EQ(folder.EntryCount(), 1);
}

TEST(PictureFolder, OneFilePerGeneSetAndNameInsideImg) {
    EXPECT_EQ(PictureFilePath("/opt/zygora", "Serpentia", "Amelanistic"),
              "/opt/zygora/Img/Serpentia-Amelanistic.jpg");
    EXPECT_EQ(PictureFilePath("/app", "Serpentia", "caf\xC3\xA9 a:b*c?"),
              "/app/Img/Serpentia-caf\xC3\xA9 a:b*c?.jpg");
    // No name leads out of the folder or into another one.
    EXPECT_EQ(PictureFilePath("/app", "..\\up", "a/b\\c"), "/app/Img/.._up-a_b_c.jpg");
    EXPECT_EQ(PictureFilePath("/app", "Serp\tentia", "new\nline\x7F\x01"),
              "/app/Img/Serp_entia-new_line__.jpg");

    // Pictures copied from Windows keep the letter case they were given there.
    TTempFolder folder;
    std::filesystem::create_directories(folder.File("IMG"));
    folder.Write("IMG/SERPENTIA-amelanistic.jpg", "");
    EXPECT_EQ(PictureFilePath(folder.Path(), "serpentia", "Amelanistic"),
              folder.File("IMG/SERPENTIA-amelanistic.jpg"));
    EXPECT_EQ(PictureFilePath(folder.Path(), "serpentia", "Anery"), folder.File("IMG/serpentia-Anery.jpg"));
    // The folder is made where it is missing, and found whatever its letter case where it is there.
    std::string message;
    EXPECT_TRUE(MakePictureFolder(folder.Path(), message));
    EXPECT_EQ(folder.EntryCount(), 1);
    TTempFolder fresh;
    EXPECT_TRUE(MakePictureFolder(fresh.Path(), message) && std::filesystem::is_directory(fresh.File("Img")));
    fresh.Write("Serpentia.INI", "");
    EXPECT_FALSE(MakePictureFolder(fresh.File("Serpentia.INI"), message));
    EXPECT_EQ(message, "Cannot create folder \"" + fresh.File("Serpentia.INI/Img") + "\". Not a directory");
}

TEST(PictureFolder, HetsAndTheNormalTypeBearNoPicture) {
    for (const char* name : {"het. Amel", "het Bloodred", "het", "hetero", "Normal"})
        EXPECT_FALSE(BearsPicture(TGene('+', 'a', name))) << name;
    for (const char* name :
         {"Het. Amel", "HET", "he", "", "normal", "Normal ", " Normal", "Amelanistic", "a het"})
        EXPECT_TRUE(BearsPicture(TGene('a', 'a', name))) << name;
}
