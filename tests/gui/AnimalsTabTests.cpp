// The Animals tab on a small recorded family, the keeper's chances following every change, and the real
// program killed in the middle of saving animals.
#include "storage/AnimalCsv.h"
#include "ui/animals/AnimalDialog.h"
#include "ui/geneset/MorphEdit.h"

#include "WindowFixture.h"

#include <QComboBox>
#include <QProcess>
#include <QSignalSpy>
#include <QSpinBox>

#include <filesystem>

namespace {

// Het Anery parents, their normal-looking son and a visual female with four normal-looking young by him.
const std::string Family = "name,sex,morph,sire,dam\n"
                           "Dad,male,het Anerythristic,,\n"
                           "Mum,female,het Anerythristic,,\n"
                           "Rex,male,,Dad,Mum\n"
                           "Vis,female,Anerythristic,,\n";

// Clicked as the user does, also on a tab that is not in front.
void Click(const QObject& window, const char* button) {
    Find<QPushButton>(window, button)->click();
}

void SelectAnimal(const QObject& window, const QString& name) {
    auto* list = Find<QTreeWidget>(window, "AnimalListView");
    const auto found = list->findItems(name, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    list->setCurrentItem(found.first());
}

QString Chances(const QObject& window) {
    return Rows(Find<QTreeWidget>(window, "ChanceListView")).join("; ");
}

} // namespace

class TAnimalsTabTests : public QObject {
    Q_OBJECT
private slots:
    void FamilyIsKeptShownAndUsedAsAParent() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        Find<QTabWidget>(*window, "MainTabs")->setCurrentWidget(Find<QWidget>(*window, "AnimalsTab"));
        fixture.Folder.Write("family.csv", Family);
        fixture.Folder.Write("bad.csv", "name,sex,morph,sire,dam\nA,male,,,\nB,female,Anerythristc,,\n");
        fixture.AnswerFile("family.csv");
        Click(*window, "ImportAnimalsButton");
        fixture.AnswerFile("bad.csv");
        Click(*window, "ImportAnimalsButton");
        QCOMPARE(fixture.Messages.size(), 1);
        QVERIFY2(fixture.Messages.takeFirst().startsWith("Row 2: "), "an import refusal names the row");
        QCOMPARE(Rows(Find<QTreeWidget>(*window, "AnimalListView")),
                 QStringList({"Dad male", "Mum female", "Rex male", "Vis female"}));

        SelectAnimal(*window, "Rex");
        QCOMPARE(Chances(*window), "66.7% poss. het. Anerythristic");
        QCOMPARE(Find<QTreeWidget>(*window, "ChanceListView")->topLevelItem(0)->toolTip(0), "Exactly 2/3");
        QVERIFY(Find<QLabel>(*window, "AnimalWhyLabel")->text().contains("Sire: Dad (het Anerythristic)."));
        // A visual partner shows Anery in half the young of a carrier: 63/64 of clutches of six show one,
        // and a clutch without one leaves 1/33.
        const QString test = Find<QLabel>(*window, "TestPairingLabel")->text();
        QVERIFY2(test.contains("98.4%") && test.contains("becomes 3.0%"), qPrintable(test));
        Find<QSpinBox>(*window, "ClutchSizeSpinBox")->setValue(1);
        QVERIFY(Find<QLabel>(*window, "TestPairingLabel")->text().contains("becomes 50.0%"));

        // Mum cannot become a male while she is Rex's dam: the form comes back with the refusal.
        int forms = 0;
        const std::function<void(TAnimalDialog&)> makeMale = [&](TAnimalDialog& dialog) {
            if (++forms == 1) {
                dialog.AnimalSexSelector->setCurrentIndex(0);
                WhenDialogShows<TAnimalDialog>(makeMale);
                dialog.OkButton->click();
            } else {
                QCOMPARE(dialog.AnimalSexSelector->currentIndex(), 0);
                dialog.reject();
            }
        };
        SelectAnimal(*window, "Mum");
        WhenDialogShows<TAnimalDialog>(makeMale);
        Click(*window, "EditAnimalButton");
        QCOMPARE(forms, 2);
        QCOMPARE(fixture.Messages, QStringList({"The dam \"Mum\" of \"Rex\" is not a female."}));

        // A daughter added in the form, her sire picked among the males only.
        WhenDialogShows<TAnimalDialog>([](TAnimalDialog& dialog) {
            dialog.AnimalNameEdit->setText("Dot");
            dialog.AnimalSexSelector->setCurrentIndex(1);
            QCOMPARE(dialog.SireSelector->count(), 3); // none, Dad, Rex
            dialog.SireSelector->setCurrentText("Rex");
            // Picked gene by gene, her look is written in words.
            auto* charcoal = dialog.findChild<QComboBox*>("AnimalLocusSelector4");
            QVERIFY(charcoal);
            const int het = charcoal->findData("+e");
            charcoal->setCurrentIndex(het);
            emit charcoal->activated(het);
            QCOMPARE(QString::fromStdString(dialog.AnimalMorphEdit->Words()), QString("het. Charcoal"));
            dialog.OkButton->click();
        });
        Click(*window, "AddAnimalButton");
        // A CSV file holds whole families; young of recorded parents come in through the keeper.
        TAnimalList young;
        for (const char* name : {"Y1", "Y2", "Y3", "Y4"})
            young.push_back({name, TSex::Unknown, "", "Rex", "Vis", "", ""});
        std::string message;
        QVERIFY(
            window->AnimalKeeper().ImportAnimals(window->AnimalKeeper().GeneSetInMemory(), young, message));
        SelectAnimal(*window, "Rex");
        QCOMPARE(Chances(*window), "11.1% poss. het. Anerythristic");
        QVERIFY(
            Find<QLabel>(*window, "AnimalWhyLabel")->text().contains("Y4 (Normal) with Vis (Anerythristic)"));

        Click(*window, "UseAsMaleButton");
        QCOMPARE(Find<QTabWidget>(*window, "MainTabs")->currentWidget(),
                 Find<QWidget>(*window, "CalculationTab"));
        QVERIFY(Find<QLineEdit>(*window, "MaleCodesEdit")->text().contains("+b"));
        QVERIFY2(Find<QLabel>(*window, "MalePossibleHetsLabel")->text().contains("11%"),
                 qPrintable(Find<QLabel>(*window, "MalePossibleHetsLabel")->text()));

        // Deleting asks first, naming the animal and its offspring; No keeps it.
        SelectAnimal(*window, "Rex");
        fixture.AnswerYes = false;
        Click(*window, "DeleteAnimalButton");
        QCOMPARE(fixture.Questions.size(), 1);
        QVERIFY2(fixture.Questions[0].startsWith("Delete Rex? Its offspring Dot, Y1, Y2, Y3, Y4"),
                 qPrintable(fixture.Questions[0]));
        QCOMPARE(Rows(Find<QTreeWidget>(*window, "AnimalListView")).size(), 9);
        fixture.AnswerYes = true;
        Click(*window, "DeleteAnimalButton");
        QCOMPARE(Rows(Find<QTreeWidget>(*window, "AnimalListView")),
                 QStringList({"Dad male", "Mum female", "Vis female", "Dot female", "Y1 unknown",
                              "Y2 unknown", "Y3 unknown", "Y4 unknown"}));
        QCOMPARE(Find<QTreeWidget>(*window, "AnimalListView")->topLevelItem(3)->text(3), "");
        QCOMPARE(fixture.Messages.size(), 1);
    }

    // The chances are worked out once and kept, until the animals or the set's genes change.
    void KeeperChancesFollowEveryChange() {
        TWindowFixture fixture;
        auto window = fixture.StartBesideBoas();
        TAnimalKeeper& keeper = window->AnimalKeeper();
        TAnimalList family;
        std::string message;
        QVERIFY(ReadAnimalCsv(Family, family, message));
        QVERIFY(keeper.ImportAnimals(keeper.GeneSetInMemory(), family, message));
        QCOMPARE(keeper.ChancesInMemory().Animals[2].Hidden.at(0).Chance, TExactChance(2, 3));
        TAnimal mum = family[1];
        mum.Morph = "Anerythristic";
        QSignalSpy changed(&keeper, &TAnimalKeeper::AnimalsChanged);
        QVERIFY(keeper.UpdateAnimal(keeper.GeneSetInMemory(), "mum", mum, message));
        QCOMPARE(changed.size(), 1);
        // Normal-looking young of a visual and a het carries the gene for sure.
        QCOMPARE(keeper.ChancesInMemory().Animals[2].Hidden.at(0).Chance, TExactChance(1));
        QVERIFY(!keeper.UpdateAnimal(keeper.GeneSetInMemory(), "Nobody", mum, message));
        QCOMPARE(changed.size(), 1);
        // Another set in memory has animals of its own.
        PickGeneSet(*window, "Boas");
        QCOMPARE(keeper.GeneSetInMemory(), "Boas");
        QVERIFY(changed.size() > 1);
        QVERIFY(keeper.AnimalsInMemory().empty() && keeper.ChancesInMemory().Animals.empty());
    }

    void DamagedDatabaseIsNamedAndLeftAsItIs() {
        TWindowFixture fixture;
        fixture.Folder.Write("Animals.db", "no database");
        auto window = fixture.StartOnDefaultSet();
        const QLabel* problem = Find<QLabel>(*window, "DatabaseProblemLabel");
        QVERIFY2(!problem->isHidden() && problem->text().contains("Animals.db"), qPrintable(problem->text()));
        for (const char* button : {"AddAnimalButton", "ImportAnimalsButton", "ExportAnimalsButton"})
            QVERIFY(!Find<QPushButton>(*window, button)->isEnabled());
        window->close();
        QCOMPARE(fixture.Folder.Read("Animals.db"), "no database");
    }

    // The program adds animals one transaction each and is killed between two of them or in the middle
    // of one: the database opens, passes its check, and holds every animal it said it saved.
    void KilledWindowLosesAtMostTheAnimalBeingSaved() {
        TWindowFixture fixture;
        fixture.WriteSerpentiaFolder();
        const std::string program = fixture.Folder.File("GenericZygora");
        std::filesystem::copy_file(ZYGORA_PROGRAM, program);
        std::string csv = "name,sex,morph,sire,dam\n";
        for (int i = 1; i <= 1000; ++i)
            csv.append("A").append(std::to_string(i)).append(",unknown,,,\n");
        fixture.Folder.Write("many.csv", csv);

        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ZYGORA_ADD_ANIMALS", QString::fromStdString(fixture.Folder.File("many.csv")));
        child.setProcessEnvironment(environment);
        child.start(QString::fromStdString(program), {});
        QStringList saved;
        while (saved.size() < 30 && child.waitForReadyRead(60000))
            while (child.canReadLine())
                saved << QString::fromUtf8(child.readLine()).trimmed().remove("saved ");
        QVERIFY2(child.state() == QProcess::Running, "killed in the middle of saving");
        child.kill();
        QVERIFY(child.waitForFinished());
        saved << QString::fromUtf8(child.readAllStandardOutput())
                     .split('\n', Qt::SkipEmptyParts)
                     .replaceInStrings("saved ", "");
        QVERIFY(saved.size() >= 30 && saved.size() < 1000);

        auto window = fixture.Start();
        TAnimalKeeper& keeper = window->AnimalKeeper();
        QVERIFY2(keeper.IsOpen(), keeper.OpenProblem().c_str());
        const TAnimalList& kept = keeper.AnimalsInMemory();
        QVERIFY(kept.size() == static_cast<size_t>(saved.size()) ||
                kept.size() == static_cast<size_t>(saved.size()) + 1);
        for (int i = 0; i < saved.size(); ++i)
            QCOMPARE(QString::fromStdString(kept[static_cast<size_t>(i)].Name), saved[i]);
        QVERIFY(fixture.Messages.isEmpty());
    }
};

QTEST_MAIN(TAnimalsTabTests)
#include "AnimalsTabTests.moc"
