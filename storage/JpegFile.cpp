#include "storage/JpegFile.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

// jpeglib.h needs FILE and size_t declared before it.
#include <jerror.h>
#include <jpeglib.h>

namespace {

// A picture file larger than this is no picture of a snake.
constexpr size_t MaxFileBytes = size_t(64) << 20;
// Decoding never takes more than about 200 MB of pixels, whatever size a damaged header claims.
constexpr unsigned long long MaxPixels = 64ULL << 20;

// libjpeg's default error handling ends the process. Ours jumps back to the step that called the library,
// which then reports the message number. `Base` must come first: libjpeg hands the callbacks a pointer to it.
struct TJpegErrors {
    jpeg_error_mgr Base;
    std::jmp_buf Escape;
    int Code;
};

[[noreturn]] void EscapeWith(j_common_ptr info, int code) {
    auto* errors = reinterpret_cast<TJpegErrors*>(info->err);
    errors->Code = code;
    std::longjmp(errors->Escape, 1);
}

void OnError(j_common_ptr info) {
    EscapeWith(info, info->err->msg_code);
}

// Warnings are silent, except that the data ended early: a truncated picture is damaged, and showing its
// missing part as grey would hide that.
void OnMessage(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        EscapeWith(info, JWRN_JPEG_EOF);
}

jpeg_error_mgr* InstallErrors(TJpegErrors& errors) {
    jpeg_std_error(&errors.Base);
    errors.Base.error_exit = OnError;
    errors.Base.emit_message = OnMessage;
    errors.Code = 0;
    return &errors.Base;
}

// Runs library calls; a fatal error inside them comes back here as its message number, 0 when none.
// The step must create no object with a destructor: the jump back skips it.
template <typename TStep> int Guarded(TJpegErrors& errors, const TStep& step) {
    if (setjmp(errors.Escape) != 0)
        return errors.Code;
    step();
    return 0;
}

std::string JpegErrorText(int code) {
    return "JPEG error #" + std::to_string(code);
}

// Adobe writes CMYK pictures with inverted ink values, so full ink on a channel reads as 0.
void CmykRowToRgb(const std::uint8_t* cmyk, std::uint8_t* rgb, unsigned width) {
    for (unsigned x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const unsigned black = cmyk[3];
        for (int channel = 0; channel < 3; ++channel)
            rgb[channel] = static_cast<std::uint8_t>(cmyk[channel] * black / 255);
    }
}

bool IsCmyk(J_COLOR_SPACE space) {
    return space == JCS_CMYK || space == JCS_YCCK;
}

unsigned ReducedSide(unsigned side, unsigned denominator) {
    return (side + denominator - 1) / denominator;
}

// The denominator of the largest reduction that still covers the box: 8, 4, 2 or 1.
unsigned Reduction(unsigned width, unsigned height, TPictureBox box) {
    if (box.Width <= 0 || box.Height <= 0)
        return 1;
    unsigned denominator = 8;
    while (denominator > 1 && (ReducedSide(width, denominator) < unsigned(box.Width) ||
                               ReducedSide(height, denominator) < unsigned(box.Height)))
        denominator /= 2;
    return denominator;
}

} // namespace

bool DecodeJpeg(std::string_view bytes, TRgbImage& image, std::string& message, TPictureBox shownAt) {
    image = {};
    jpeg_decompress_struct info{};
    TJpegErrors errors{};
    info.err = InstallErrors(errors);
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    int code = Guarded(errors, [&] {
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, data, static_cast<unsigned long>(bytes.size()));
        jpeg_read_header(&info, TRUE);
        info.out_color_space = IsCmyk(info.jpeg_color_space) ? JCS_CMYK : JCS_RGB;
        info.scale_num = 1;
        info.scale_denom = Reduction(info.image_width, info.image_height, shownAt);
        jpeg_calc_output_dimensions(&info);
    });
    if (code == 0 && static_cast<unsigned long long>(info.output_width) * info.output_height > MaxPixels)
        code = JERR_IMAGE_TOO_BIG;
    std::vector<std::uint8_t> cmykRow;
    if (code == 0) {
        image.Width = static_cast<int>(info.output_width);
        image.Height = static_cast<int>(info.output_height);
        image.Pixels.resize(size_t(info.output_width) * info.output_height * 3);
        const bool fromCmyk = info.out_color_space == JCS_CMYK;
        if (fromCmyk)
            cmykRow.resize(size_t(info.output_width) * 4);
        std::uint8_t* pixels = image.Pixels.data();
        std::uint8_t* cmyk = cmykRow.data();
        code = Guarded(errors, [&] {
            jpeg_start_decompress(&info);
            while (info.output_scanline < info.output_height) {
                std::uint8_t* rgb = pixels + size_t(info.output_scanline) * info.output_width * 3;
                JSAMPROW row = fromCmyk ? cmyk : rgb;
                jpeg_read_scanlines(&info, &row, 1);
                if (fromCmyk)
                    CmykRowToRgb(cmyk, rgb, info.output_width);
            }
            jpeg_finish_decompress(&info);
        });
    }
    jpeg_destroy_decompress(&info);
    if (code == 0)
        return true;
    image = {};
    message = JpegErrorText(code);
    return false;
}

bool EncodeJpeg(const TRgbImage& image, int quality, std::string& bytes, std::string& message) {
    bytes.clear();
    const size_t rowBytes = size_t(std::max(image.Width, 0)) * 3;
    if (image.Pixels.size() < rowBytes * size_t(std::max(image.Height, 0))) {
        message = JpegErrorText(JERR_BUFFER_SIZE);
        return false;
    }
    // The encoder writes into a stream of our own, so that whatever happens it is freed here, whole.
    char* buffer = nullptr;
    size_t size = 0;
    FILE* stream = open_memstream(&buffer, &size);
    if (stream == nullptr) {
        message = JpegErrorText(JERR_OUT_OF_MEMORY);
        return false;
    }
    jpeg_compress_struct info{};
    TJpegErrors errors{};
    info.err = InstallErrors(errors);
    const std::uint8_t* pixels = image.Pixels.data();
    const int code = Guarded(errors, [&] {
        jpeg_create_compress(&info);
        jpeg_stdio_dest(&info, stream);
        info.image_width = static_cast<JDIMENSION>(std::max(image.Width, 0));
        info.image_height = static_cast<JDIMENSION>(std::max(image.Height, 0));
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, quality, TRUE);
        jpeg_start_compress(&info, TRUE);
        while (info.next_scanline < info.image_height) {
            JSAMPROW row = const_cast<std::uint8_t*>(pixels + info.next_scanline * rowBytes);
            jpeg_write_scanlines(&info, &row, 1);
        }
        jpeg_finish_compress(&info);
    });
    jpeg_destroy_compress(&info);
    const bool flushed = std::fclose(stream) == 0;
    if (code == 0 && flushed)
        bytes.assign(buffer, size);
    std::free(buffer);
    if (code == 0 && flushed)
        return true;
    message = JpegErrorText(code != 0 ? code : JERR_FILE_WRITE);
    return false;
}

TReadResult ReadJpegFile(const std::string& path, TRgbImage& image, std::string& message,
                         TPictureBox shownAt) {
    image = {};
    // Whatever keeps the system from finding a file there (no folder, a name too long) means no picture.
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return TReadResult::Missing;
    std::string bytes;
    std::string reason;
    const TReadResult read = ReadWholeFile(path, bytes, reason, MaxFileBytes);
    if (read == TReadResult::Missing)
        return read;
    if (read == TReadResult::Failed) {
        message = CannotOpenFileMessage(path, reason);
        return read;
    }
    if (DecodeJpeg(bytes, image, message, shownAt))
        return TReadResult::Ok;
    message = "Cannot read picture \"" + path + "\". " + message;
    return TReadResult::Failed;
}

bool WriteJpegBytes(const std::string& path, std::string_view bytes, std::string& message) {
    return CreateFileAtomically(path, bytes, message);
}

bool WriteJpegFile(const std::string& path, const TRgbImage& image, std::string& message) {
    std::string bytes;
    return EncodeJpeg(image, PictureQuality, bytes, message) && WriteJpegBytes(path, bytes, message);
}
