// Every operation of the window that writes files, with one of its saves failing: the message names the
// file, and the operation stops where it must. That the old file stays byte for byte and no temporary file
// is left, whichever step of a save fails, is the file layer's concern; its own tests try every step.
#include "storage/FileIO.h"
#include "storage/GeneSetFile.h"
#include "ui/kit/RadioGroup.h"
#include "ui/window/NewGeneSetDialog.h"

#include "WindowFixture.h"

#include <QImage>

#include <filesystem>

namespace {

// Makes save number `failing` (from 1) of what follows fail at its rename, when its temporary file is
// whole, and counts the saves begun.
class TFailingSave {
public:
    explicit TFailingSave(int failing) {
        SetWriteFaultHook([this, failing](TWriteStep at, int) {
            if (at == TWriteStep::CreateTemporary)
                ++FSaves;
            return FSaves == failing && at == TWriteStep::Rename ? EIO : 0;
        });
    }
    ~TFailingSave() { SetWriteFaultHook(nullptr); }
    TFailingSave(const TFailingSave&) = delete;
    TFailingSave& operator=(const TFailingSave&) = delete;

    int Saves() const { return FSaves; }

private:
    int FSaves = 0;
};

QString Unable(const TTempFolder& folder, const std::string& name) {
    return QString::fromStdString("Unable to write to " + folder.File(name));
}

QString CannotCreate(const std::string& path) {
    return QString::fromStdString("Cannot create file \"" + path + "\". Input/output error");
}

// A window on the built-in set, in both its files, whose parent selection differs from theirs.
std::unique_ptr<TMainWindow> StartChangedSerpentia(const TWindowFixture& fixture) {
    auto window = fixture.StartBesideBoas();
    PickEntry(Selectors(*window, "MaleSelectors")[0], 2);
    return window;
}

} // namespace

class TSaveFaultTests : public QObject {
    Q_OBJECT
private slots:
    void ExitStopsAtTheFirstSaveThatFails() {
        for (int failing = 1; failing <= 3; ++failing) {
            const QByteArray scenario = "save " + QByteArray::number(failing) + " failing";
            TWindowFixture fixture;
            auto window = StartChangedSerpentia(fixture);
            int saves = 0;
            {
                const TFailingSave fault(failing);
                window->close();
                saves = fault.Saves();
            }
            // Main settings file, the set's own file, then the set's name in the main settings file.
            QVERIFY2(saves == failing, scenario);
            QCOMPARE(
                fixture.Messages,
                QStringList({Unable(fixture.Folder, failing == 2 ? "Serpentia.INI" : "GenericZygora.INI")}));
        }
    }

    void SwitchKeepsTheSetWhenASaveFails() {
        for (int failing = 1; failing <= 2; ++failing) {
            TWindowFixture fixture;
            auto window = StartChangedSerpentia(fixture);
            {
                // The outgoing set is saved to the main settings file, then to its own.
                const TFailingSave fault(failing);
                PickGeneSet(*window, "Boas");
                QCOMPARE(fault.Saves(), failing);
            }
            QCOMPARE(fixture.Messages, QStringList({Unable(fixture.Folder, failing == 1 ? "GenericZygora.INI"
                                                                                        : "Serpentia.INI")}));
            QCOMPARE(window->GeneSetName(), std::string("Serpentia"));
            QCOMPARE(Find<QComboBox>(*window, "GeneSetSelector")->currentText(), QString("Serpentia"));
            QCOMPARE(window->LocusList().Count(), 10);
            QCOMPARE(Pairing(*window), QString("aa x ++"));
            fixture.Messages.clear();
            window->close();
        }
    }

    void NewAddsNoNameWhenItsSaveFails() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        const int listed = Find<QComboBox>(*window, "GeneSetSelector")->count();
        WhenDialogShows<TNewGeneSetDialog>([](TNewGeneSetDialog& dialog) {
            dialog.SetNameEdit->setText("Boas");
            dialog.OkButton->click();
        });
        {
            const TFailingSave fault(1);
            Find<QPushButton>(*window, "NewGeneSetButton")->click();
        }
        QCOMPARE(fixture.Messages, QStringList({Unable(fixture.Folder, "Boas.INI")}));
        QCOMPARE(Find<QComboBox>(*window, "GeneSetSelector")->count(), listed);
        QCOMPARE(Find<QComboBox>(*window, "GeneSetSelector")->findText("Boas"), -1);
    }

    // Where the writing stops is the file layer's; the window reloads nothing after a failure.
    void RestoreDefaultsStopsAtTheFileThatFailsAndReloadsNothing() {
        TWindowFixture fixture;
        fixture.Folder.Write("GenericZygora.INI", BoasSet);
        fixture.Folder.Write("Serpentia.INI", BoasSet);
        auto window = fixture.Start();
        {
            const TFailingSave fault(2);
            Find<QToolButton>(*window, "RestoreDefaultsButton")->click();
        }
        QCOMPARE(fixture.Messages, QStringList({CannotCreate(fixture.Folder.File("Serpentia.INI"))}));
        QCOMPARE(window->LocusList().Count(), 1);
        QCOMPARE(window->LocusList()[0]->Name, std::string("Boa"));
        fixture.Messages.clear();
        window->close();
    }

    void EveryReplacedFileKeepsItsVersionOfTheRunsStartInBackup() {
        TWindowFixture fixture;
        auto window = StartChangedSerpentia(fixture);
        PickGeneSet(*window, "Boas");
        window->close();
        const auto backup = [&fixture](const std::string& name) {
            return fixture.Folder.Read("Backup/" + name);
        };
        QCOMPARE(backup("GenericZygora.INI"), DefaultGeneSetText());
        QCOMPARE(backup("Serpentia.INI"), DefaultGeneSetText());
        QCOMPARE(backup("Boas.INI"), BoasSet);

        // The next run keeps the files as it found them.
        const std::string boas = fixture.Folder.Read("Boas.INI");
        window = fixture.Start();
        Find<TRadioGroup>(*window, "RatioChoice")->SetItemIndex(1);
        window->close();
        QCOMPARE(backup("Boas.INI"), boas);

        // A backup that cannot be made stops no save.
        std::filesystem::remove_all(fixture.Folder.File("Backup"));
        fixture.Folder.Write("Backup", "a file where the folder belongs");
        window = fixture.Start();
        Find<TRadioGroup>(*window, "RatioChoice")->SetItemIndex(0);
        window->close();
        QVERIFY(fixture.Folder.Read("Boas.INI").find("RatioIndex=0") != std::string::npos);
        QVERIFY(fixture.Messages.isEmpty());
    }

    void APairingOrPictureThatCannotBeStoredIsNamedAndThePictureStaysShown() {
        TWindowFixture fixture;
        std::filesystem::create_directory(fixture.Folder.File("Img"));
        auto window = fixture.StartOnDefaultSet();
        const std::string pairing = fixture.Folder.File("pair.zyg");
        const std::string picture =
            fixture.Folder.File("Img/" + window->SelectedGeneSet() + "-Amelanistic.jpg");
        QImage old(40, 30, QImage::Format_RGB32);
        old.fill(Qt::darkYellow);
        old.save(QString::fromStdString(picture));
        const QString chosen = QString::fromStdString(fixture.Folder.File("chosen.png"));
        old.scaled(20, 10).save(chosen);
        auto* frame = Find<TPictureFrame>(*window, "PictureFrame12");
        {
            const TFailingSave fault(1);
            fixture.FileAnswers << QString::fromStdString(pairing);
            Find<QAction>(*window, "SaveCalculationAction")->trigger();
        }
        {
            const TFailingSave fault(1);
            fixture.FileAnswers << chosen;
            frame->PictureButton->click();
        }
        QCOMPARE(fixture.Messages, QStringList({CannotCreate(pairing), CannotCreate(picture)}));
        // The picture control keeps the picture chosen, though it was not stored.
        QCOMPARE(frame->PictureLabel->pixmap().size(), QSize(20, 10));
    }
};

QTEST_MAIN(TSaveFaultTests)
#include "SaveFaultTests.moc"
