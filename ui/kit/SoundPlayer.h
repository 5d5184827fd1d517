// Plays the WAV sounds compiled into the executable through ALSA, to the end, one at a time.
#pragma once

#include <QString>

// Plays a sound of the resources (":/SOUND0") and returns when it has ended. Without an audio device,
// or when the resource is missing or not a PCM wave, it returns at once and nothing is heard.
void PlayWaveResource(const QString& path);
