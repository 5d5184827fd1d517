#include "game/JBBoardOwner.h"
#include "storage/WavFile.h"
#include "ui/SoundPlayer.h"

#include <QFile>
#include <QTest>

class TSoundPlayerTests : public QObject {
    Q_OBJECT
private slots:
    void TheFiveSoundsAreResourcesOfTheRightKind() {
        // Each sound is a PCM resource; only the last is of 16 bits.
        for (const TJBSound sound :
             {TJBSound::Sound0, TJBSound::Sound1, TJBSound::Sound2, TJBSound::Sound3, TJBSound::Nooo}) {
            QFile file(QString(":/") + SoundName(sound));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            TWaveSound wave;
            std::string message;
            QVERIFY2(DecodeWave(file.readAll().toStdString(), wave, message), qPrintable(file.fileName()));
            QCOMPARE(wave.BitsPerSample, sound == TJBSound::Nooo ? 16 : 8);
        }
        // Played where there is no device, or missing, they return and the game goes on.
        PlayWaveResource(":/SOUND0");
        PlayWaveResource(":/NOSUCHSOUND");
    }
};

QTEST_GUILESS_MAIN(TSoundPlayerTests)
#include "SoundPlayerTests.moc"
