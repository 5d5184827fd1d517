// Plays the WAV sounds compiled into the executable through ALSA, to the end, one at a time.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

struct TWaveSound {
    int Channels = 0;
    int SampleRate = 0;
    // 8: unsigned samples; 16: signed little-endian samples.
    int BitsPerSample = 0;
    // Whole frames only; a file cut short keeps what it has.
    QByteArray Samples;
};

// The PCM sound of a RIFF WAVE file; none for anything else or anything damaged beyond use.
std::optional<TWaveSound> ParseWave(const QByteArray& file);

// Plays a sound of the resources (":/SOUND0") and returns when it has ended. Without an audio device,
// or when the resource is missing or not a PCM wave, it returns at once and nothing is heard.
void PlayWaveResource(const QString& path);
