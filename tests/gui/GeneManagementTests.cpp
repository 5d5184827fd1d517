#include "model/Locus.h"
#include "storage/GeneSetFile.h"
#include "ui/genes/CombiDialog.h"
#include "ui/genes/GeneDialogs.h"
#include "ui/genes/LocusDialog.h"
#include "ui/kit/RadioGroup.h"

#include <QAction>

#include "WindowFixture.h"

namespace {

// The weight editors from top to bottom: the relation shown and the sentence next to it.
QStringList WeightEditors(const TMainWindow& window) {
    QStringList editors;
    QLayout* rows = Find<QScrollArea>(window, "GeneStrengthBox")->widget()->layout();
    for (int i = 0; i < rows->count(); ++i)
        if (QWidget* panel = rows->itemAt(i)->widget())
            editors << panel->findChild<QComboBox*>()->currentText() + " | " +
                           panel->findChild<QLabel*>("RelationSentence")->text();
    return editors;
}

QComboBox* WeightEditor(const TMainWindow& window, const QString& panelName) {
    return window.findChild<QWidget*>(panelName)->findChild<QComboBox*>();
}

QString WeightSentence(const TMainWindow& window, const QString& panelName) {
    return window.findChild<QWidget*>(panelName)->findChild<QLabel*>()->text();
}

void AddGene(TMainWindow& window, const QString& name, const QString& id) {
    WhenDialogShows<TAddGeneDialog>([name, id](TAddGeneDialog& dialog) {
        dialog.GeneNameEdit->setText(name);
        dialog.GeneIdEdit->setText(id);
        dialog.OkButton->click();
    });
    Find<QToolButton>(window, "AddGeneButton")->click();
}

} // namespace

class TGeneManagementTests : public QObject {
    Q_OBJECT
private slots:
    void AddingAnAlleleBuildsItsGenes() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        QCOMPARE(SelectedRow(Find<QTreeWidget>(*window, "LocusListView")), QString("Amel/Ultra"));
        AddGene(*window, "Beta", "z");
        QCOMPARE(Rows(Find<QTreeWidget>(*window, "GeneListView")).mid(6),
                 QStringList({"zz Beta", "+z het. Beta", "az AmelanisticBeta", "uz UltraBeta"}));
        // Ten genes, then +a, +u and +z each as a possible het at 66% and at 50%.
        QCOMPARE(Selectors(*window, "MaleSelectors").front()->count(), 16);

        WhenDialogShows<TLocusDialog>([](TLocusDialog& dialog) {
            QCOMPARE(dialog.LocusNameEdit->text(), QString("New Locus"));
            dialog.LocusNameEdit->setText("Alpha locus");
            dialog.OkButton->click();
        });
        Find<QToolButton>(*window, "AddLocusButton")->click();
        QCOMPARE(Rows(Find<QTreeWidget>(*window, "LocusListView")).last(), QString("Alpha locus"));
        QCOMPARE(SelectedRow(Find<QTreeWidget>(*window, "LocusListView")), QString("Amel/Ultra"));
        Select(Find<QTreeWidget>(*window, "LocusListView"), 10);
        AddGene(*window, "Alpha", "s");
        QCOMPARE(SelectedRow(Find<QTreeWidget>(*window, "LocusListView")), QString("Amel/Ultra"));
        Select(Find<QTreeWidget>(*window, "LocusListView"), 10);
        QCOMPARE(Rows(Find<QTreeWidget>(*window, "GeneListView")),
                 QStringList({"ss Alpha", "+s het. Alpha", "++ Normal"}));
        QCOMPARE(int(Selectors(*window, "MaleSelectors").size()), 11);
    }

    void WeightEditorsShowAndStoreRelations() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        // The tab opens with the keyboard in the locus list, where a stray key changes nothing.
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        Find<QTabWidget>(*window, "MainTabs")->setCurrentWidget(Find<QWidget>(*window, "GeneManagementTab"));
        QCOMPARE(QApplication::focusWidget(), Find<QTreeWidget>(*window, "LocusListView"));
        QCOMPARE(WeightEditors(*window), QStringList({"a = u | Amelanistic is co-dominant to Ultra",
                                                      "+ > u | Normal is dominant to Ultra",
                                                      "+ > a | Normal is dominant to Amelanistic"}));
        Find<QLineEdit>(*window, "MaleCodesEdit")->setText("+a");
        Find<QLineEdit>(*window, "FemaleCodesEdit")->setText("+a");
        Find<QToolButton>(*window, "CalculateButton")->click();
        auto* report = Find<TReportView>(*window, "ReportView");
        const QString before = report->Text();
        QComboBox* plusA = WeightEditor(*window, "RelationRow0");
        plusA->lineEdit()->clear();
        QTest::keyClicks(plusA->lineEdit(), "a > +");
        TLocus* locus = window->LocusList()[0];
        QCOMPARE(locus->GetWeight("+a"), std::string("a > +"));
        // The report is calculated again, and it cannot be typed over.
        QVERIFY(report->Text() != before);
        QTest::keyClicks(report, "x");
        QVERIFY(!report->Text().contains('x'));
        QCOMPARE(WeightSentence(*window, "RelationRow0"), QString("Amelanistic is dominant to Normal"));
        // Text that is no relation of this editor's pair is shown and not stored.
        plusA->lineEdit()->clear();
        QTest::keyClicks(plusA->lineEdit(), "+ > x");
        QCOMPARE(locus->GetWeight("+a"), std::string("a > +"));
        QCOMPARE(locus->IndexOfWeight("+x"), -1);
        QCOMPARE(WeightSentence(*window, "RelationRow0"), QString());

        PickEntry(WeightEditor(*window, "RelationRow2"), 1);
        QCOMPARE(locus->GetWeight("au"), std::string("a > u"));

        // Showing a locus completes its relations; a locus of one allele has no editor.
        TLocus* plain = window->LocusList().Add(std::make_unique<TLocus>("Plain"));
        plain->Genes().Add(std::make_unique<TGene>('+', '+', "Normal"));
        Find<QToolButton>(*window, "RefreshButton")->click();
        Select(Find<QTreeWidget>(*window, "LocusListView"), 10);
        QCOMPARE(plain->Weights(), std::vector<std::string>({"++:+ = +"}));
        QVERIFY(WeightEditors(*window).isEmpty());
    }

    void EditingKeepsTheLocusAndStoresSortedCodes() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        Select(Find<QTreeWidget>(*window, "LocusListView"), 1);
        Select(Find<QTreeWidget>(*window, "GeneListView"), 1);
        WhenDialogShows<TEditGeneDialog>([&fixture](TEditGeneDialog& dialog) {
            QCOMPARE(dialog.GeneIdEdit->text(), QString("bb"));
            QVERIFY(dialog.OkButton->isEnabled());
            dialog.GeneIdEdit->setText("aa");
            QCOMPARE(fixture.Messages.last(), QString("aa already used in Gene Amelanistic"));
            QCOMPARE(dialog.GeneIdEdit->text(), QString());
            QVERIFY(!dialog.OkButton->isEnabled());
            dialog.GeneIdEdit->setText("++");
            dialog.GeneIdEdit->setText("x#");
            QCOMPARE(
                fixture.Messages.last(),
                QString(
                    "\"x#\" cannot be a Gene ID: use letters, digits or + , - . / : < > @ \\ ^ _ ` { | } ~"));
            dialog.GeneIdEdit->setText("x");
            QVERIFY(!dialog.OkButton->isEnabled());
            dialog.GeneIdEdit->setText("b+");
            dialog.GeneNameEdit->setText("Carrier");
            dialog.LethalCheck->setChecked(true);
            dialog.HealthNoteEdit->setText(" eye\tdefects  ");
            dialog.OkButton->click();
        });
        Find<QLineEdit>(*window, "MaleCodesEdit")->setText("+b");
        Find<QToolButton>(*window, "EditGeneButton")->click();
        const TGene& carrier = *window->LocusList()[1]->Genes()[1];
        QVERIFY(Find<TReportView>(*window, "ReportView")->Text().startsWith("Male   = Carrier"));
        QVERIFY(carrier.Lethal);
        QCOMPARE(carrier.HealthNote, std::string("eye defects"));
        // Opened again, the dialog shows the marks as they are: OK keeps them.
        Select(Find<QTreeWidget>(*window, "GeneListView"), 1);
        WhenDialogShows<TEditGeneDialog>([](TEditGeneDialog& dialog) { dialog.OkButton->click(); });
        Find<QToolButton>(*window, "EditGeneButton")->click();
        QVERIFY(carrier.Lethal && carrier.HealthNote == "eye defects");
        QCOMPARE(fixture.Messages.size(), 2);
        QCOMPARE(SelectedRow(Find<QTreeWidget>(*window, "LocusListView")), QString("Anery"));
        QCOMPARE(Rows(Find<QTreeWidget>(*window, "GeneListView"))[1], QString("+b Carrier"));

        WhenDialogShows<TAddGeneDialog>([&fixture](TAddGeneDialog& dialog) {
            QVERIFY(!dialog.OkButton->isEnabled());
            dialog.GeneIdEdit->setText("qr");
            QCOMPARE(fixture.Messages.last(),
                     QString("Give just one character that is unique for this Gene within all genes"));
            QCOMPARE(dialog.GeneIdEdit->text(), QString("q"));
            QVERIFY(dialog.OkButton->isEnabled());
            dialog.CancelButton->click();
        });
        Find<QToolButton>(*window, "AddGeneButton")->click();
        QCOMPARE(fixture.Messages.size(), 3);

        // A combination opens with its genes ticked and stores them in gene-set order.
        Select(Find<QTreeWidget>(*window, "CombiListView"), 4);
        WhenDialogShows<TCombiDialog>([](TCombiDialog& dialog) {
            QStringList ticked;
            for (int i = 0; i < dialog.GeneListView->topLevelItemCount(); ++i) {
                QTreeWidgetItem* item = dialog.GeneListView->topLevelItem(i);
                QVERIFY(item->text(0) != "++");
                if (item->checkState(0) == Qt::Checked)
                    ticked << item->text(0);
                if (item->text(0) == "uu" || item->text(0) == "hh")
                    item->setCheckState(0, Qt::Checked);
                if (item->text(0) == "dd")
                    item->setCheckState(0, Qt::Unchecked);
            }
            QCOMPARE(ticked, QStringList({"au", "dd"}));
            dialog.CombiNameEdit->setText("Golden");
            dialog.OkButton->click();
        });
        Find<QToolButton>(*window, "EditCombiButton")->click();
        QCOMPARE(Rows(Find<QTreeWidget>(*window, "CombiListView"))[4], QString("uuauhh Golden"));
    }

    // A set written in Windows-1252 stores what is typed into it in Windows-1252, so that a report line
    // joining an old gene name and a new note reads right; a character it has no byte for is refused.
    void TypedTextIsStoredInTheEncodingOfTheSetsFile() {
        TWindowFixture fixture;
        const std::string spiders = "[Statistics]\r\nLocusCount=1\r\nIniFile=Spiders\r\nLocus0GeneCount=2\r\n"
                                    "[Gene]\r\n0-0=++:Normal\r\n0-1=+s:Ara\xF1"
                                    "a\r\n[Weight]\r\n+s=+ = s\r\n";
        fixture.Folder.Write("GenericZygora.INI", spiders);
        fixture.Folder.Write("Spiders.INI", spiders);
        auto window = fixture.Start();
        Select(Find<QTreeWidget>(*window, "LocusListView"), 0);
        Select(Find<QTreeWidget>(*window, "GeneListView"), 1);
        WhenDialogShows<TEditGeneDialog>([](TEditGeneDialog& dialog) {
            dialog.HealthNoteEdit->setText("\u0151");
            dialog.OkButton->click();
            QVERIFY(dialog.isVisible());
            dialog.HealthNoteEdit->setText("l\u00E9g\u00E8re \u2013 mild");
            dialog.OkButton->click();
        });
        Find<QToolButton>(*window, "EditGeneButton")->click();
        QCOMPARE(fixture.Messages,
                 QStringList({"This gene set's file is written in Windows-1252, which has no "
                              "\"\u0151\": please type the text without it."}));
        const TGene& spider = *window->LocusList()[0]->Genes()[1];
        QCOMPARE(spider.HealthNote, std::string("l\xE9g\xE8re \x96 mild"));
        Find<QLineEdit>(*window, "MaleCodesEdit")->setText("+s");
        Find<QLineEdit>(*window, "FemaleCodesEdit")->setText("++");
        Find<QToolButton>(*window, "CalculateButton")->click();
        QVERIFY(Find<TReportView>(*window, "ReportView")
                    ->Text()
                    .contains("Ara\u00F1a   [health: l\u00E9g\u00E8re \u2013 mild]"));
    }

    // Cancel leaves the set as it was; every change rebuilds the lists, the Images tab and the strip, and no
    // frame outlives what it shows.
    void CancelChangesNothingAndEveryChangeRebuildsTheViews() {
        TWindowFixture fixture;
        auto window = fixture.StartBesideBoas();
        Select(Find<QTreeWidget>(*window, "LocusListView"), 8);
        const std::string before = GeneSetFileContent(window->GeneSet());
        WhenDialogShows<TLocusDialog>([](TLocusDialog& dialog) { dialog.CancelButton->click(); });
        Find<QToolButton>(*window, "AddLocusButton")->click();
        QCOMPARE(SelectedRow(Find<QTreeWidget>(*window, "LocusListView")), QString("Amel/Ultra"));
        WhenDialogShows<TAddGeneDialog>([](TAddGeneDialog& dialog) {
            dialog.GeneIdEdit->setText("z");
            dialog.CloseWindowButton->click();
        });
        Find<QToolButton>(*window, "AddGeneButton")->click();
        WhenDialogShows<TCombiDialog>([](TCombiDialog& dialog) { dialog.reject(); });
        Find<QToolButton>(*window, "AddCombiButton")->click();
        Select(Find<QTreeWidget>(*window, "GeneListView"), 2);
        WhenDialogShows<TEditGeneDialog>([](TEditGeneDialog& dialog) {
            dialog.GeneNameEdit->setText("changed");
            dialog.LethalCheck->setChecked(true);
            dialog.HealthNoteEdit->setText("wobble");
            dialog.CancelButton->click();
        });
        Find<QToolButton>(*window, "EditGeneButton")->click();
        QCOMPARE(GeneSetFileContent(window->GeneSet()), before);
        QVERIFY(!window->findChild<QAction*>("UndoAction")->isEnabled());
        QCOMPARE(ImagesTab(*window).size(), 27);

        // A renamed gene shows under its new name, in the strip only once its locus is selected again.
        WhenDialogShows<TEditGeneDialog>([](TEditGeneDialog& dialog) {
            dialog.GeneNameEdit->setText("Albino");
            dialog.OkButton->click();
        });
        Find<QToolButton>(*window, "EditGeneButton")->click();
        QCOMPARE(ImagesTab(*window).last(), QString("PictureFrame0a2 Albino"));
        QCOMPARE(window->findChild<QAction*>("UndoAction")->text(), QString("Undo edit gene Albino"));
        QCOMPARE(Strip(*window).first(), QString("PictureFrame12@0 Amelanistic"));

        // Deleting what the strip shows empties it and takes its frame off the Images tab; deleting the gene
        // aa keeps +a, the relation of aa and the combinations naming aa.
        Select(Find<QTreeWidget>(*window, "CombiListView"), 11);
        Find<QToolButton>(*window, "DeleteCombiButton")->click();
        QCOMPARE(Strip(*window), QStringList());
        QCOMPARE(Rows(Find<QTreeWidget>(*window, "CombiListView")).size(), 12);
        QCOMPARE(ImagesTab(*window).size(), 26);
        QCOMPARE(ImagesTab(*window).first(), QString("PictureFrameCombi11 Sulfur"));
        Select(Find<QTreeWidget>(*window, "LocusListView"), 0);
        Select(Find<QTreeWidget>(*window, "GeneListView"), 2);
        Find<QToolButton>(*window, "DeleteGeneButton")->click();
        QCOMPARE(Rows(Find<QTreeWidget>(*window, "GeneListView")),
                 QStringList({"++ Normal", "+a het. Amel", "+u het. ultra", "uu Ultra", "au Ultramel"}));
        QVERIFY(window->LocusList()[0]->IndexOfWeight("aa") >= 0);
        QCOMPARE(window->CombiList()[1]->Code, std::string("aaee"));
        QCOMPARE(Strip(*window), QStringList({"PictureFrame13@0 Ultra", "PictureFrame14@222 Ultramel"}));
        QCOMPARE(ImagesTab(*window).last(), QString("PictureFrame0a3 Ultra"));
        Find<QToolButton>(*window, "DeleteLocusButton")->click();
        QCOMPARE(SelectedRow(Find<QTreeWidget>(*window, "LocusListView")), QString("Anery"));
        QCOMPARE(Strip(*window), QStringList({"PictureFrame11@0 Anerythristic"}));
        QCOMPARE(ImagesTab(*window).last(), QString("PictureFrame0a1 Anerythristic"));

        Find<QToolButton>(*window, "RestoreDefaultsButton")->click();
        QCOMPARE(ImagesTab(*window).size(), 27);
        AddGene(*window, "Beta", "z");
        QCOMPARE(ImagesTab(*window).size(), 30);
        QVERIFY(ImagesTab(*window).contains("PictureFrame0a6 Beta"));
        PickGeneSet(*window, "Boas");
        QCOMPARE(ImagesTab(*window), QStringList({"PictureFrame0a0 Boa"}));
        QCOMPARE(Strip(*window), QStringList({"PictureFrame10@0 Boa"}));

        // Closing frees the gene set only after every frame is gone.
        window->close();
        QVERIFY(ImagesTab(*window).isEmpty());
        QCOMPARE(Strip(*window), QStringList());
    }

    // Deleting asks first, and No keeps it. Every edit undoes to the set and the report as they were before
    // it and redoes, the parents staying as typed; a new edit drops what was undone, a switch of set all.
    void DeletingAsksAndEditsUndoAndRedoExactly() {
        TWindowFixture fixture;
        auto window = fixture.StartBesideBoas();
        auto* undo = window->findChild<QAction*>("UndoAction");
        auto* redo = window->findChild<QAction*>("RedoAction");
        Find<QLineEdit>(*window, "MaleCodesEdit")->setText("+a");
        Find<QLineEdit>(*window, "FemaleCodesEdit")->setText("aa");
        Find<QToolButton>(*window, "CalculateButton")->click();
        const auto state = [&window] {
            return GeneSetFileContent(window->GeneSet()) +
                   Find<TReportView>(*window, "ReportView")->Text().toStdString();
        };
        std::vector<std::string> states{state()};
        fixture.AnswerYes = false;
        Find<QToolButton>(*window, "DeleteLocusButton")->click();
        Select(Find<QTreeWidget>(*window, "GeneListView"), 4);
        Find<QToolButton>(*window, "DeleteGeneButton")->click();
        Select(Find<QTreeWidget>(*window, "CombiListView"), 1);
        Find<QToolButton>(*window, "DeleteCombiButton")->click();
        QCOMPARE(fixture.Questions,
                 QStringList({"Delete the locus \"Amel/Ultra\" and its 6 genes?",
                              "Delete the gene \"Ultra\"?", "Delete the combination \"Blizzard\"?"}));
        QCOMPARE(state(), states[0]);
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());

        fixture.AnswerYes = true;
        AddGene(*window, "Beta", "z");
        states.push_back(state());
        PickEntry(WeightEditor(*window, "RelationRow0"), 0);
        states.push_back(state());
        Find<QToolButton>(*window, "DeleteLocusButton")->click();
        states.push_back(state());
        QCOMPARE(undo->text(), QString("Undo delete locus Amel/Ultra"));
        for (size_t step = 3; step > 0; --step) {
            undo->trigger();
            QCOMPARE(state(), states[step - 1]);
        }
        QCOMPARE(int(Selectors(*window, "MaleSelectors").size()), 10);
        QVERIFY(!undo->isEnabled());
        QCOMPARE(redo->text(), QString("Redo add gene Beta"));
        redo->trigger();
        redo->trigger();
        QCOMPARE(state(), states[2]);
        QCOMPARE(undo->text(), QString("Undo change relation + < a"));

        undo->trigger();
        Select(Find<QTreeWidget>(*window, "CombiListView"), 1);
        Find<QToolButton>(*window, "DeleteCombiButton")->click();
        QVERIFY(!redo->isEnabled());
        undo->trigger();
        QCOMPARE(state(), states[1]);
        PickGeneSet(*window, "Boas");
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    }

    void RestoreDefaultsBringsBackSerpentia() {
        TWindowFixture fixture;
        auto window = fixture.StartBesideBoas();
        fixture.Folder.Write("Serpentia.INI", BoasSet);
        Select(Find<QTreeWidget>(*window, "LocusListView"), 3);
        Find<QToolButton>(*window, "DeleteLocusButton")->click();
        Find<TRadioGroup>(*window, "CombiChoice")->SetItemIndex(0);
        Find<QToolButton>(*window, "RestoreDefaultsButton")->click();
        QCOMPARE(window->LocusList().Count(), 10);
        QCOMPARE(Rows(Find<QTreeWidget>(*window, "LocusListView"))[3], QString("Caramel"));
        QCOMPARE(Find<TRadioGroup>(*window, "CombiChoice")->ItemIndex(), 1);
        QCOMPARE(fixture.Folder.Read("GenericZygora.INI"), DefaultGeneSetText());
        // The files it replaced are kept in Backup as this run found them.
        QCOMPARE(fixture.Folder.Read("Backup/Serpentia.INI") +
                     fixture.Folder.Read("Backup/GenericZygora.INI"),
                 BoasSet + DefaultGeneSetText());

        // Asked first; with another set selected, its work is saved before it is read again.
        PickGeneSet(*window, "Boas");
        window->LocusList().Add(std::make_unique<TLocus>("Sand"));
        const std::string edited = "[LOCUS]\r\n0=Edited by hand\r\n";
        fixture.Folder.Write("Serpentia.INI", edited);
        fixture.AnswerYes = false;
        Find<QToolButton>(*window, "RestoreDefaultsButton")->click();
        QCOMPARE(fixture.Folder.Read("Serpentia.INI"), edited);
        fixture.AnswerYes = true;
        Find<QToolButton>(*window, "RestoreDefaultsButton")->click();
        QCOMPARE(Rows(Find<QTreeWidget>(*window, "LocusListView")), QStringList({"Boa", "Sand"}));
        QCOMPARE(fixture.Folder.Read("Serpentia.INI"), DefaultGeneSetText());
        QCOMPARE(fixture.Questions.size(), 4);
        for (const char* file : {"GenericZygora.INI", "Serpentia.INI"})
            QVERIFY(fixture.Questions[3].contains(QString::fromStdString(fixture.Folder.File(file))));
    }
};

QTEST_MAIN(TGeneManagementTests)
#include "GeneManagementTests.moc"
