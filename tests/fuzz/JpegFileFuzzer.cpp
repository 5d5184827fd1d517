// Fuzz target: any bytes as a picture file. They give a picture of at most 64 megapixels, holding the
// pixels its size says, or the decoder's message; never a crash, a hang or more memory than that bound.
#include "storage/JpegFile.h"

#include "FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Stated here rather than read from the decoder, so that a bound loosened there is caught.
constexpr std::uint64_t MaxPixels = std::uint64_t(64) << 20;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TRgbImage image;
    std::string message;
    if (!DecodeJpeg(std::string_view(reinterpret_cast<const char*>(data), size), image, message)) {
        FUZZ_CHECK(message.starts_with("JPEG error #") && image.IsEmpty() && image.Pixels.empty());
        return 0;
    }
    FUZZ_CHECK(!image.IsEmpty());
    const auto pixels = static_cast<std::uint64_t>(image.Width) * static_cast<std::uint64_t>(image.Height);
    FUZZ_CHECK(pixels <= MaxPixels);
    FUZZ_CHECK(image.Pixels.size() == pixels * 3);
    return 0;
}
