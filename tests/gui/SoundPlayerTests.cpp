#include "game/JBBoardOwner.h"
#include "ui/SoundPlayer.h"

#include <QFile>
#include <QTest>

#include <cstdint>
#include <vector>

namespace {

QByteArray Little(std::uint32_t value, int size) {
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    return bytes;
}

QByteArray Chunk(const char* id, const QByteArray& body) {
    QByteArray chunk = QByteArray(id) + Little(static_cast<std::uint32_t>(body.size()), 4) + body;
    if (body.size() % 2)
        chunk.append('\0');
    return chunk;
}

QByteArray Format(int format, int channels, int rate, int bits) {
    const int block = channels * bits / 8;
    return Little(format, 2) + Little(channels, 2) + Little(rate, 4) + Little(rate * block, 4) +
           Little(block, 2) + Little(bits, 2);
}

QByteArray Riff(const QByteArray& chunks) {
    return "RIFF" + Little(static_cast<std::uint32_t>(chunks.size() + 4), 4) + "WAVE" + chunks;
}

} // namespace

class TSoundPlayerTests : public QObject {
    Q_OBJECT
private slots:
    void TheFiveSoundsAreResourcesOfTheRightKind() {
        struct TExpected {
            TJBSound Sound;
            int Bits;
            double Seconds;
        };
        const std::vector<TExpected> sounds = {{TJBSound::Sound0, 8, 0.064},
                                               {TJBSound::Sound1, 8, 0.275},
                                               {TJBSound::Sound2, 8, 0.082},
                                               {TJBSound::Sound3, 8, 0.178},
                                               {TJBSound::Nooo, 16, 0.733}};
        for (const TExpected& expected : sounds) {
            const QString path = QString(":/") + SoundName(expected.Sound);
            QVERIFY2(QFile::exists(path), qPrintable(path));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const std::optional<TWaveSound> wave = ParseWave(file.readAll());
            QVERIFY2(wave.has_value(), qPrintable(path));
            QCOMPARE(wave->Channels, 1);
            QCOMPARE(wave->SampleRate, 11025);
            QCOMPARE(wave->BitsPerSample, expected.Bits);
            const double seconds = double(wave->Samples.size()) / (expected.Bits / 8) / 11025;
            QVERIFY2(qAbs(seconds - expected.Seconds) < 0.001, qPrintable(path));
        }
        // Played where there is no device, or missing, they return and the game goes on.
        PlayWaveResource(":/SOUND0");
        PlayWaveResource(":/NOSUCHSOUND");
    }

    void WavesAreReadChunkByChunk() {
        const QByteArray samples("\x10\x20\x30\x40\x50", 5);
        // An odd-sized chunk before the format is skipped with its pad byte; data may come first.
        const auto wave = ParseWave(
            Riff(Chunk("LIST", "abc") + Chunk("data", samples) + Chunk("fmt ", Format(1, 1, 11025, 8))));
        QVERIFY(wave.has_value());
        QCOMPARE(wave->Samples, samples);

        // 16-bit stereo cut short in the middle of a frame keeps the whole frames.
        QByteArray cut = Riff(Chunk("fmt ", Format(1, 2, 22050, 16)) + Chunk("data", QByteArray(40, '\1')));
        cut.chop(27);
        const auto shortened = ParseWave(cut);
        QVERIFY(shortened.has_value());
        QCOMPARE(shortened->Samples.size(), qsizetype(12));

        // The extensible header with a PCM sub-format is PCM.
        const QByteArray extensible = Format(0xFFFE, 1, 11025, 16) + Little(22, 2) + Little(16, 2) +
                                      Little(4, 4) + Little(1, 2) + QByteArray(14, '\0');
        QVERIFY(ParseWave(Riff(Chunk("fmt ", extensible) + Chunk("data", "ab"))).has_value());
    }

    void DamagedOrForeignFilesAreRefused() {
        const QByteArray data = Chunk("data", "abcd");
        QVERIFY(!ParseWave(QByteArray()).has_value());
        QVERIFY(!ParseWave("RIFF").has_value());
        QVERIFY(!ParseWave("RIFF\0\0\0\0AVI " + Chunk("fmt ", Format(1, 1, 11025, 8)) + data).has_value());
        QVERIFY(!ParseWave(Riff(data)).has_value());
        QVERIFY(!ParseWave(Riff(Chunk("fmt ", Format(1, 1, 11025, 8)))).has_value());
        QVERIFY(!ParseWave(Riff(Chunk("fmt ", Format(1, 1, 11025, 8).left(10)) + data)).has_value());
        QVERIFY(!ParseWave(Riff(Chunk("fmt ", Format(3, 1, 11025, 32)) + data)).has_value());
        QVERIFY(!ParseWave(Riff(Chunk("fmt ", Format(1, 1, 11025, 24)) + data)).has_value());
        QVERIFY(!ParseWave(Riff(Chunk("fmt ", Format(1, 0, 11025, 8)) + data)).has_value());
        QVERIFY(!ParseWave(Riff(Chunk("fmt ", Format(1, 1, 0, 8)) + data)).has_value());
        // A chunk claiming more than the file holds ends the walk instead of running past the end.
        QVERIFY(!ParseWave(Riff(Chunk("fmt ", Format(1, 1, 11025, 8)) + "junk" + Little(0xFFFFFFFF, 4) +
                                QByteArray(8, 'x') + data))
                     .has_value());
    }
};

QTEST_GUILESS_MAIN(TSoundPlayerTests)
#include "SoundPlayerTests.moc"
