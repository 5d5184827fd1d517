#include "ui/kit/SoundPlayer.h"

#include "storage/WavFile.h"

#include <QFile>

#include <alsa/asoundlib.h>

namespace {

void SilentAlsaError(const char*, int, const char*, int, const char*, ...) {}

void QuietAlsa() {
    static const bool installed = [] {
        snd_lib_error_set_handler(&SilentAlsaError);
        return true;
    }();
    (void)installed;
}

void WriteAll(snd_pcm_t* pcm, const TWaveSound& sound) {
    const size_t frameBytes = static_cast<size_t>(sound.Channels * sound.BitsPerSample / 8);
    const char* data = sound.Samples.data();
    snd_pcm_uframes_t left = static_cast<snd_pcm_uframes_t>(sound.Samples.size() / frameBytes);
    int failures = 0;
    while (left > 0 && failures < 3) {
        const snd_pcm_sframes_t written = snd_pcm_writei(pcm, data, left);
        if (written < 0) {
            ++failures;
            if (snd_pcm_recover(pcm, static_cast<int>(written), 1) < 0)
                return;
            continue;
        }
        failures = 0;
        data += written * frameBytes;
        left -= static_cast<snd_pcm_uframes_t>(written);
    }
    snd_pcm_drain(pcm);
}

} // namespace

void PlayWaveResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    TWaveSound sound;
    std::string message;
    if (!DecodeWave(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), sound, message) ||
        sound.Samples.empty())
        return;
    QuietAlsa();
    snd_pcm_t* pcm = nullptr;
    // Opened without waiting, so that a missing or busy device costs no time; played with waiting.
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
        return;
    const snd_pcm_format_t format = sound.BitsPerSample == 8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE;
    if (snd_pcm_nonblock(pcm, 0) == 0 &&
        snd_pcm_set_params(pcm, format, SND_PCM_ACCESS_RW_INTERLEAVED, static_cast<unsigned>(sound.Channels),
                           static_cast<unsigned>(sound.SampleRate), 1, 100000) == 0)
        WriteAll(pcm, sound);
    snd_pcm_close(pcm);
}
