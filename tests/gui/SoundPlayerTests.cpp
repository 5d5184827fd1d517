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
        // Each sound by its length; only the last is of 16 bits.
        const std::vector<std::pair<TJBSound, double>> sounds = {{TJBSound::Sound0, 0.064},
                                                                 {TJBSound::Sound1, 0.275},
                                                                 {TJBSound::Sound2, 0.082},
                                                                 {TJBSound::Sound3, 0.178},
                                                                 {TJBSound::Nooo, 0.733}};
        for (const auto& [sound, seconds] : sounds) {
            QFile file(QString(":/") + SoundName(sound));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            TWaveSound wave;
            std::string message;
            QVERIFY2(DecodeWave(file.readAll().toStdString(), wave, message), qPrintable(file.fileName()));
            QCOMPARE(wave.Channels, 1);
            QCOMPARE(wave.SampleRate, 11025);
            QCOMPARE(wave.BitsPerSample, sound == TJBSound::Nooo ? 16 : 8);
            const double length = double(wave.Samples.size()) / (wave.BitsPerSample / 8) / 11025;
            QVERIFY2(qAbs(length - seconds) < 0.001, qPrintable(file.fileName()));
        }
        // Played where there is no device, or missing, they return and the game goes on.
        PlayWaveResource(":/SOUND0");
        PlayWaveResource(":/NOSUCHSOUND");
    }
};

QTEST_GUILESS_MAIN(TSoundPlayerTests)
#include "SoundPlayerTests.moc"
