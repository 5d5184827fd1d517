// WAVE files read chunk by chunk, and every damaged or foreign file refused with its reason.
#include "storage/WavFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

std::string Little(std::uint32_t value, int size) {
    std::string bytes;
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

std::string Chunk(const std::string& id, const std::string& body) {
    return id + Little(static_cast<std::uint32_t>(body.size()), 4) + body +
           std::string(body.size() % 2, '\0');
}

std::string Format(std::uint32_t format, std::uint32_t channels, std::uint32_t rate, std::uint32_t bits) {
    const std::uint32_t block = channels * bits / 8;
    return Little(format, 2) + Little(channels, 2) + Little(rate, 4) + Little(rate * block, 4) +
           Little(block, 2) + Little(bits, 2);
}

std::string Riff(const std::string& chunks) {
    return "RIFF" + Little(static_cast<std::uint32_t>(chunks.size() + 4), 4) + "WAVE" + chunks;
}

// The samples of a sound, or the reason it was refused.
std::string Decoded(const std::string& bytes) {
    TWaveSound sound;
    std::string message;
    return DecodeWave(bytes, sound, message) ? sound.Samples : "refused: " + message;
}

} // namespace

TEST(WaveFiles, AreReadChunkByChunk) {
    // An odd-sized chunk before the format is skipped with its pad byte; data may come first.
    EXPECT_EQ(Decoded(Riff(Chunk("LIST", "abc") + Chunk("data", "\x10\x20\x30\x40\x50") +
                           Chunk("fmt ", Format(1, 1, 11025, 8)))),
              "\x10\x20\x30\x40\x50");
    // 16-bit stereo cut short in the middle of a frame keeps the whole frames.
    std::string cut = Riff(Chunk("fmt ", Format(1, 2, 22050, 16)) + Chunk("data", std::string(40, '\1')));
    cut.resize(cut.size() - 27);
    EXPECT_EQ(Decoded(cut), std::string(12, '\1'));
    // The extensible header with a PCM sub-format is PCM.
    const std::string extensible = Format(0xFFFE, 1, 11025, 16) + Little(22, 2) + Little(16, 2) +
                                   Little(4, 4) + Little(1, 2) + std::string(14, '\0');
    EXPECT_EQ(Decoded(Riff(Chunk("fmt ", extensible) + Chunk("data", "ab"))), "ab");
}

TEST(WaveFiles, DamagedOrForeignFilesAreRefused) {
    const std::string notAWave = "refused: not a RIFF WAVE file";
    const std::string notPcm = "refused: not a sound of 8- or 16-bit PCM";
    const std::string incomplete = "refused: no format or no sound data";
    const std::string format = Chunk("fmt ", Format(1, 1, 11025, 8));
    const std::string data = Chunk("data", "abcd");
    EXPECT_EQ(Decoded(""), notAWave);
    EXPECT_EQ(Decoded("RIFF"), notAWave);
    EXPECT_EQ(Decoded(std::string("RIFF\0\0\0\0AVI ", 12) + format + data), notAWave);
    EXPECT_EQ(Decoded(Riff(data)), incomplete);
    EXPECT_EQ(Decoded(Riff(format)), incomplete);
    EXPECT_EQ(Decoded(Riff(Chunk("fmt ", Format(1, 1, 11025, 8).substr(0, 10)) + data)), notPcm);
    EXPECT_EQ(Decoded(Riff(Chunk("fmt ", Format(3, 1, 11025, 32)) + data)), notPcm);
    EXPECT_EQ(Decoded(Riff(Chunk("fmt ", Format(1, 1, 11025, 24)) + data)), notPcm);
    EXPECT_EQ(Decoded(Riff(Chunk("fmt ", Format(1, 0, 11025, 8)) + data)), notPcm);
    EXPECT_EQ(Decoded(Riff(Chunk("fmt ", Format(1, 1, 0, 8)) + data)), notPcm);
    // A chunk claiming more than the file holds ends the walk instead of running past the end.
    EXPECT_EQ(Decoded(Riff(format + "junk" + Little(0xFFFFFFFF, 4) + std::string(8, 'x') + data)),
              incomplete);
}
