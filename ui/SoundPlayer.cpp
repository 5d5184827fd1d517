#include "ui/SoundPlayer.h"

#include <QFile>

#include <alsa/asoundlib.h>

#include <cstdint>
#include <cstring>

namespace {

std::uint32_t ReadLittle(const QByteArray& bytes, qsizetype at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

constexpr std::uint32_t PcmFormat = 1;
constexpr std::uint32_t ExtensibleFormat = 0xFFFE;

// Reads the "fmt " chunk into `sound`; false when it describes anything but 8- or 16-bit PCM.
bool ReadFormat(const QByteArray& file, qsizetype at, qsizetype size, TWaveSound& sound) {
    if (size < 16)
        return false;
    std::uint32_t format = ReadLittle(file, at, 2);
    // The extensible header names the real format in the first two bytes of its sub-format.
    if (format == ExtensibleFormat && size >= 26)
        format = ReadLittle(file, at + 24, 2);
    sound.Channels = static_cast<int>(ReadLittle(file, at + 2, 2));
    const std::uint32_t rate = ReadLittle(file, at + 4, 4);
    sound.SampleRate = rate <= 384000 ? static_cast<int>(rate) : 0;
    sound.BitsPerSample = static_cast<int>(ReadLittle(file, at + 14, 2));
    return format == PcmFormat && sound.Channels >= 1 && sound.Channels <= 8 && sound.SampleRate >= 1000 &&
           (sound.BitsPerSample == 8 || sound.BitsPerSample == 16);
}

void SilentAlsaError(const char*, int, const char*, int, const char*, ...) {}

void QuietAlsa() {
    static const bool installed = [] {
        snd_lib_error_set_handler(&SilentAlsaError);
        return true;
    }();
    (void)installed;
}

void WriteAll(snd_pcm_t* pcm, const TWaveSound& sound) {
    const qsizetype frameBytes = sound.Channels * sound.BitsPerSample / 8;
    const char* data = sound.Samples.constData();
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

std::optional<TWaveSound> ParseWave(const QByteArray& file) {
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return std::nullopt;
    TWaveSound sound;
    bool haveFormat = false;
    bool haveData = false;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype declared = ReadLittle(file, at + 4, 4);
        const qsizetype body = at + 8;
        const qsizetype size = std::min(declared, file.size() - body);
        if (id == "fmt ") {
            if (!ReadFormat(file, body, size, sound))
                return std::nullopt;
            haveFormat = true;
        } else if (id == "data" && !haveData) {
            sound.Samples = file.mid(body, size);
            haveData = true;
        }
        // Chunks start on even offsets.
        at = body + declared + (declared & 1);
    }
    if (!haveFormat || !haveData)
        return std::nullopt;
    const qsizetype frameBytes = sound.Channels * sound.BitsPerSample / 8;
    sound.Samples.truncate(sound.Samples.size() - sound.Samples.size() % frameBytes);
    return sound;
}

void PlayWaveResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const std::optional<TWaveSound> sound = ParseWave(file.readAll());
    if (!sound || sound->Samples.isEmpty())
        return;
    QuietAlsa();
    snd_pcm_t* pcm = nullptr;
    // Opened without waiting, so that a missing or busy device costs no time; played with waiting.
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
        return;
    const snd_pcm_format_t format = sound->BitsPerSample == 8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE;
    if (snd_pcm_nonblock(pcm, 0) == 0 &&
        snd_pcm_set_params(pcm, format, SND_PCM_ACCESS_RW_INTERLEAVED, static_cast<unsigned>(sound->Channels),
                           static_cast<unsigned>(sound->SampleRate), 1, 100000) == 0)
        WriteAll(pcm, *sound);
    snd_pcm_close(pcm);
}
