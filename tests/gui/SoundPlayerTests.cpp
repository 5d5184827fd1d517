#include "game/JBBoardOwner.h"
#include "storage/WavFile.h"
#include "ui/SoundPlayer.h"

#include <QFile>
#include <QTest>

#include <vector>

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
            TWaveSound wave;
            std::string message;
            QVERIFY2(DecodeWave(file.readAll().toStdString(), wave, message), qPrintable(path));
            QCOMPARE(wave.Channels, 1);
            QCOMPARE(wave.SampleRate, 11025);
            QCOMPARE(wave.BitsPerSample, expected.Bits);
            const double seconds = double(wave.Samples.size()) / (expected.Bits / 8) / 11025;
            QVERIFY2(qAbs(seconds - expected.Seconds) < 0.001, qPrintable(path));
        }
        // Played where there is no device, or missing, they return and the game goes on.
        PlayWaveResource(":/SOUND0");
        PlayWaveResource(":/NOSUCHSOUND");
    }
};

QTEST_GUILESS_MAIN(TSoundPlayerTests)
#include "SoundPlayerTests.moc"
