// Sounds of the puzzle: RIFF WAVE files of 8- or 16-bit PCM, read into their samples.
#pragma once

#include <string>
#include <string_view>

struct TWaveSound {
    int Channels = 0;
    int SampleRate = 0;
    // 8: unsigned samples; 16: signed little-endian samples.
    int BitsPerSample = 0;
    // Whole frames only; a file cut short keeps what it has.
    std::string Samples;
};

// Decodes the bytes of a WAVE file. Anything else, or a file damaged beyond use, fails with the reason.
bool DecodeWave(std::string_view bytes, TWaveSound& sound, std::string& message);
