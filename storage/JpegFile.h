// JPEG pictures of morphs: decoding into RGB pixels and encoding RGB pixels into a picture file.
#pragma once

#include "storage/FileIO.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A picture as rows of red, green and blue bytes, top row first, without padding between rows.
struct TRgbImage {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Pixels;

    bool IsEmpty() const { return Width <= 0 || Height <= 0; }
};

// The quality every stored picture is written at.
inline constexpr int PictureQuality = 90;

// The size a picture is shown at. A picture larger than that is decoded at the largest reduction the
// decoder makes itself (1/2, 1/4 or 1/8) that still gives at least this size: a camera's photograph is
// then read fast and small. An empty box asks for the picture at its full size.
struct TPictureBox {
    int Width = 0;
    int Height = 0;
};

// Decodes JPEG bytes. A damaged or foreign stream fails with "JPEG error #n", n being the decoder's own
// message number: 42 for no bytes at all, 53 for bytes that are no JPEG, 120 for a stream that ends early.
bool DecodeJpeg(std::string_view bytes, TRgbImage& image, std::string& message, TPictureBox shownAt = {});

// Encodes the image at `quality` (1 to 100). Fails with "JPEG error #n" for an image the encoder refuses.
bool EncodeJpeg(const TRgbImage& image, int quality, std::string& bytes, std::string& message);

// Reads the picture file at `path`. A path where no file can be found is Missing, with no message; a file
// that cannot be opened or decoded is Failed, with the message to show, which names the file.
TReadResult ReadJpegFile(const std::string& path, TRgbImage& image, std::string& message,
                         TPictureBox shownAt = {});

// Stores the image, encoded at PictureQuality, as the JPEG file at `path`, replacing it whole: on failure
// the old file, if any, is untouched and no partial file is left. A file that cannot be written gives
// "Cannot create file "path". reason".
bool WriteJpegFile(const std::string& path, const TRgbImage& image, std::string& message);
// The same for bytes that already are a JPEG stream.
bool WriteJpegBytes(const std::string& path, std::string_view bytes, std::string& message);
