#include "storage/WavFile.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::uint32_t PcmFormat = 1;
constexpr std::uint32_t ExtensibleFormat = 0xFFFE;

// Why bytes give no sound.
const char* const NotAWave = "not a RIFF WAVE file";
const char* const NotPcm = "not a sound of 8- or 16-bit PCM";
const char* const Incomplete = "no format or no sound data";

bool Refuse(std::string& message, const char* reason) {
    message = reason;
    return false;
}

std::uint32_t ReadLittle(std::string_view bytes, size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
    return value;
}

// Reads the "fmt " chunk into `sound`; false when it describes anything but 8- or 16-bit PCM.
bool ReadFormat(std::string_view chunk, TWaveSound& sound) {
    if (chunk.size() < 16)
        return false;
    std::uint32_t format = ReadLittle(chunk, 0, 2);
    // The extensible header names the real format in the first two bytes of its sub-format.
    if (format == ExtensibleFormat && chunk.size() >= 26)
        format = ReadLittle(chunk, 24, 2);
    sound.Channels = static_cast<int>(ReadLittle(chunk, 2, 2));
    const std::uint32_t rate = ReadLittle(chunk, 4, 4);
    sound.SampleRate = rate <= 384000 ? static_cast<int>(rate) : 0;
    sound.BitsPerSample = static_cast<int>(ReadLittle(chunk, 14, 2));
    return format == PcmFormat && sound.Channels >= 1 && sound.Channels <= 8 && sound.SampleRate >= 1000 &&
           (sound.BitsPerSample == 8 || sound.BitsPerSample == 16);
}

} // namespace

bool DecodeWave(std::string_view bytes, TWaveSound& sound, std::string& message) {
    sound = {};
    if (bytes.size() < 12 || !bytes.starts_with("RIFF") || bytes.substr(8, 4) != "WAVE")
        return Refuse(message, NotAWave);
    bool haveFormat = false;
    bool haveData = false;
    size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string_view id = bytes.substr(at, 4);
        const size_t declared = ReadLittle(bytes, at + 4, 4);
        const size_t body = at + 8;
        const std::string_view chunk = bytes.substr(body, std::min(declared, bytes.size() - body));
        if (id == "fmt ") {
            if (!ReadFormat(chunk, sound))
                return Refuse(message, NotPcm);
            haveFormat = true;
        } else if (id == "data" && !haveData) {
            sound.Samples = chunk;
            haveData = true;
        }
        // Chunks start on even offsets.
        at = body + declared + (declared & 1);
    }
    if (!haveFormat || !haveData)
        return Refuse(message, Incomplete);
    const size_t frameBytes = static_cast<size_t>(sound.Channels * sound.BitsPerSample / 8);
    sound.Samples.resize(sound.Samples.size() - sound.Samples.size() % frameBytes);
    return true;
}
