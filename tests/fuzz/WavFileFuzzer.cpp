// Fuzz target: any bytes as a sound file. They give a sound the player can play - 8- or 16-bit PCM,
// whole frames, no more samples than bytes given - or the reader's message; never a crash or a hang.
#include "storage/WavFile.h"

#include "FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TWaveSound sound;
    std::string message;
    if (!DecodeWave(std::string_view(reinterpret_cast<const char*>(data), size), sound, message)) {
        FUZZ_CHECK(!message.empty());
        return 0;
    }
    FUZZ_CHECK(sound.Channels >= 1 && sound.Channels <= 8);
    FUZZ_CHECK(sound.BitsPerSample == 8 || sound.BitsPerSample == 16);
    FUZZ_CHECK(sound.SampleRate >= 1000 && sound.SampleRate <= 384000);
    FUZZ_CHECK(sound.Samples.size() <= size);
    FUZZ_CHECK(sound.Samples.size() % static_cast<size_t>(sound.Channels * sound.BitsPerSample / 8) == 0);
    return 0;
}
