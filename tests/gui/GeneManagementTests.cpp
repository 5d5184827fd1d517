#include "model/Locus.h"
#include "storage/GeneSetFile.h"
#include "ui/RadioGroup.h"
#include "ui/uFrmEditCombi.h"
#include "ui/uFrmEditGene.h"
#include "ui/uFrmEditLocus.h"

#include "WindowFixture.h"

namespace {

// The weight editors from top to bottom: the relation shown and the sentence next to it.
QStringList WeightEditors(const TfrmMain& window) {
    QStringList editors;
    QLayout* rows = window.sbLocusItemWeights->widget()->layout();
    for (int i = 0; i < rows->count(); ++i)
        if (QWidget* panel = rows->itemAt(i)->widget())
            editors << panel->findChild<QComboBox*>()->currentText() + " | " +
                           panel->findChild<QLabel*>("Mylabel")->text();
    return editors;
}

QComboBox* WeightEditor(const TfrmMain& window, const QString& panelName) {
    return window.sbLocusItemWeights->widget()->findChild<QWidget*>(panelName)->findChild<QComboBox*>();
}

QString WeightSentence(const TfrmMain& window, const QString& panelName) {
    return window.sbLocusItemWeights->widget()->findChild<QWidget*>(panelName)->findChild<QLabel*>()->text();
}

void AddGene(TfrmMain& window, const QString& name, const QString& id) {
    WhenDialogShows<TfrmAddGene>([name, id](TfrmAddGene& dialog) {
        dialog.edGeneName->setText(name);
        dialog.edID->setText(id);
        dialog.btnOK->click();
    });
    window.btnAddGene->click();
}

} // namespace

class TGeneManagementTests : public QObject {
    Q_OBJECT
private slots:
    void AddingAnAlleleBuildsItsGenes() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        QCOMPARE(SelectedRow(window->lvLocusList), QString("Amel/Ultra"));
        AddGene(*window, "Beta", "z");
        QCOMPARE(Rows(window->lvLocusItems).mid(6),
                 QStringList({"zz Beta", "+z het. Beta", "az AmelanisticBeta", "uz UltraBeta"}));
        // Ten genes, then +a, +u and +z each as a possible het at 66% and at 50%.
        QCOMPARE(Selectors(window->sbMale).front()->count(), 16);

        WhenDialogShows<TfrmEditLocus>([](TfrmEditLocus& dialog) {
            QCOMPARE(dialog.edLocusName->text(), QString("New Locus"));
            dialog.edLocusName->setText("Alpha locus");
            dialog.btnOK->click();
        });
        window->btnAddLocus->click();
        QCOMPARE(Rows(window->lvLocusList).last(), QString("Alpha locus"));
        QCOMPARE(SelectedRow(window->lvLocusList), QString("Amel/Ultra"));
        Select(window->lvLocusList, 10);
        AddGene(*window, "Alpha", "s");
        QCOMPARE(SelectedRow(window->lvLocusList), QString("Amel/Ultra"));
        Select(window->lvLocusList, 10);
        QCOMPARE(Rows(window->lvLocusItems), QStringList({"ss Alpha", "+s het. Alpha", "++ Normal"}));
        QCOMPARE(int(Selectors(window->sbMale).size()), 11);
    }

    void WeightEditorsShowAndStoreRelations() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        // The tab opens with the keyboard in the locus list, where a stray key changes nothing.
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->pcMain->setCurrentWidget(window->tsIni);
        QCOMPARE(QApplication::focusWidget(), window->lvLocusList);
        QCOMPARE(WeightEditors(*window), QStringList({"a = u | Amelanistic is co-dominant to Ultra",
                                                      "+ > u | Normal is dominant to Ultra",
                                                      "+ > a | Normal is dominant to Amelanistic"}));
        QComboBox* plusA = WeightEditor(*window, "Panel0");
        plusA->lineEdit()->clear();
        QTest::keyClicks(plusA->lineEdit(), "a > +");
        TLocus* locus = window->LocusList()[0];
        QCOMPARE(locus->GetWeight("+a"), std::string("a > +"));
        QCOMPARE(WeightSentence(*window, "Panel0"), QString("Amelanistic is dominant to Normal"));
        // Text that is no relation of this editor's pair is shown and not stored.
        plusA->lineEdit()->clear();
        QTest::keyClicks(plusA->lineEdit(), "+ > x");
        QCOMPARE(locus->GetWeight("+a"), std::string("a > +"));
        QCOMPARE(locus->IndexOfWeight("+x"), -1);
        QCOMPARE(WeightSentence(*window, "Panel0"), QString());

        PickEntry(WeightEditor(*window, "Panel2"), 1);
        QCOMPARE(locus->GetWeight("au"), std::string("a > u"));

        // Showing a locus completes its relations; a locus of one allele has no editor.
        TLocus* plain = window->LocusList().Add(std::make_unique<TLocus>("Plain"));
        plain->Genes().Add(std::make_unique<TGene>('+', '+', "Normal"));
        window->btnRefresh->click();
        Select(window->lvLocusList, 10);
        QCOMPARE(plain->Weights(), std::vector<std::string>({"++:+ = +"}));
        QVERIFY(WeightEditors(*window).isEmpty());
    }

    void EditingKeepsTheLocusAndStoresSortedCodes() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        Select(window->lvLocusList, 1);
        Select(window->lvLocusItems, 1);
        WhenDialogShows<TfrmEditGene>([&fixture](TfrmEditGene& dialog) {
            QCOMPARE(dialog.edID->text(), QString("bb"));
            QVERIFY(dialog.btnOK->isEnabled());
            dialog.edID->setText("aa");
            QCOMPARE(fixture.Messages.last(), QString("aa already used in Gene Amelanistic"));
            QCOMPARE(dialog.edID->text(), QString());
            QVERIFY(!dialog.btnOK->isEnabled());
            dialog.edID->setText("++");
            dialog.edID->setText("x#");
            QVERIFY(fixture.Messages.last().startsWith("\"x#\" cannot be a Gene ID"));
            dialog.edID->setText("x");
            QVERIFY(!dialog.btnOK->isEnabled());
            dialog.edID->setText("b+");
            dialog.edGeneName->setText("Carrier");
            dialog.chkLethal->setChecked(true);
            dialog.edHealthNote->setText(" eye\tdefects  ");
            dialog.btnOK->click();
        });
        window->btnEditGene->click();
        const TGene& carrier = *window->LocusList()[1]->Genes()[1];
        QVERIFY(carrier.Lethal);
        QCOMPARE(carrier.HealthNote, std::string("eye defects"));
        QCOMPARE(fixture.Messages.size(), 2);
        QCOMPARE(SelectedRow(window->lvLocusList), QString("Anery"));
        QCOMPARE(Rows(window->lvLocusItems)[1], QString("+b Carrier"));

        WhenDialogShows<TfrmAddGene>([&fixture](TfrmAddGene& dialog) {
            QVERIFY(!dialog.btnOK->isEnabled());
            dialog.edID->setText("qr");
            QCOMPARE(fixture.Messages.last(),
                     QString("Give just one character that is unique for this Gene within all genes"));
            QCOMPARE(dialog.edID->text(), QString("q"));
            QVERIFY(dialog.btnOK->isEnabled());
            dialog.btnCancel->click();
        });
        window->btnAddGene->click();
        QCOMPARE(fixture.Messages.size(), 3);

        // A combination opens with its genes ticked and stores them in gene-set order.
        Select(window->lvCombiList, 4);
        WhenDialogShows<TfrmEditCombi>([](TfrmEditCombi& dialog) {
            QStringList ticked;
            for (int i = 0; i < dialog.lvGenes->topLevelItemCount(); ++i) {
                QTreeWidgetItem* item = dialog.lvGenes->topLevelItem(i);
                QVERIFY(item->text(0) != "++");
                if (item->checkState(0) == Qt::Checked)
                    ticked << item->text(0);
                if (item->text(0) == "uu" || item->text(0) == "hh")
                    item->setCheckState(0, Qt::Checked);
                if (item->text(0) == "dd")
                    item->setCheckState(0, Qt::Unchecked);
            }
            QCOMPARE(ticked, QStringList({"au", "dd"}));
            dialog.edCombiName->setText("Golden");
            dialog.btnOK->click();
        });
        window->btnEditCombi->click();
        QCOMPARE(Rows(window->lvCombiList)[4], QString("uuauhh Golden"));
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
        Select(window->lvLocusList, 0);
        Select(window->lvLocusItems, 1);
        WhenDialogShows<TfrmEditGene>([](TfrmEditGene& dialog) {
            dialog.edHealthNote->setText("\u0151");
            dialog.btnOK->click();
            QVERIFY(dialog.isVisible());
            dialog.edHealthNote->setText("l\u00E9g\u00E8re \u2013 mild");
            dialog.btnOK->click();
        });
        window->btnEditGene->click();
        QCOMPARE(fixture.Messages,
                 QStringList({"This gene set's file is written in Windows-1252, which has no "
                              "\"\u0151\": please type the text without it."}));
        const TGene& spider = *window->LocusList()[0]->Genes()[1];
        QCOMPARE(spider.HealthNote, std::string("l\xE9g\xE8re \x96 mild"));
        window->Edit1->setText("+s");
        window->Edit2->setText("++");
        window->btnCalc->click();
        QVERIFY(
            window->reResult->toPlainText().contains("Ara\u00F1a   [health: l\u00E9g\u00E8re \u2013 mild]"));
    }

    // Cancel leaves the set as it was; every change rebuilds the lists, the Images tab and the strip, and no
    // frame outlives what it shows.
    void CancelChangesNothingAndEveryChangeRebuildsTheViews() {
        TWindowFixture fixture;
        auto window = fixture.StartBesideBoas();
        Select(window->lvLocusList, 8);
        const std::string before = GeneSetFileContent(window->GeneSet());
        WhenDialogShows<TfrmEditLocus>([](TfrmEditLocus& dialog) { dialog.btnCancel->click(); });
        window->btnAddLocus->click();
        QCOMPARE(SelectedRow(window->lvLocusList), QString("Amel/Ultra"));
        WhenDialogShows<TfrmAddGene>([](TfrmAddGene& dialog) {
            dialog.edID->setText("z");
            dialog.btnPrint->click();
        });
        window->btnAddGene->click();
        WhenDialogShows<TfrmEditCombi>([](TfrmEditCombi& dialog) { dialog.reject(); });
        window->btnAddCombi->click();
        Select(window->lvLocusItems, 2);
        WhenDialogShows<TfrmEditGene>([](TfrmEditGene& dialog) {
            dialog.edGeneName->setText("changed");
            dialog.chkLethal->setChecked(true);
            dialog.edHealthNote->setText("wobble");
            dialog.btnCancel->click();
        });
        window->btnEditGene->click();
        QCOMPARE(GeneSetFileContent(window->GeneSet()), before);
        QCOMPARE(ImagesTab(*window).size(), 27);

        // A renamed gene shows under its new name, in the strip only once its locus is selected again.
        WhenDialogShows<TfrmEditGene>([](TfrmEditGene& dialog) {
            dialog.edGeneName->setText("Albino");
            dialog.btnOK->click();
        });
        window->btnEditGene->click();
        QCOMPARE(ImagesTab(*window).last(), QString("pnlImageFrame0a2 Albino"));
        QCOMPARE(Strip(*window).first(), QString("pnlImageFrame12@0 Amelanistic"));

        // Deleting what the strip shows empties it and takes its frame off the Images tab; deleting the gene
        // aa keeps +a, the relation of aa and the combinations naming aa.
        Select(window->lvCombiList, 11);
        window->btnDeleteCombi->click();
        QCOMPARE(Strip(*window), QStringList());
        QCOMPARE(Rows(window->lvCombiList).size(), 12);
        QCOMPARE(ImagesTab(*window).size(), 26);
        QCOMPARE(ImagesTab(*window).first(), QString("pnlImageFrameCombi11 Sulfur"));
        Select(window->lvLocusList, 0);
        Select(window->lvLocusItems, 2);
        window->btnDeleteGene->click();
        QCOMPARE(Rows(window->lvLocusItems),
                 QStringList({"++ Normal", "+a het. Amel", "+u het. ultra", "uu Ultra", "au Ultramel"}));
        QVERIFY(window->LocusList()[0]->IndexOfWeight("aa") >= 0);
        QCOMPARE(window->CombiList()[1]->Code, std::string("aaee"));
        QCOMPARE(Strip(*window), QStringList({"pnlImageFrame13@0 Ultra", "pnlImageFrame14@222 Ultramel"}));
        QCOMPARE(ImagesTab(*window).last(), QString("pnlImageFrame0a3 Ultra"));
        window->BtnDeleteLocus->click();
        QCOMPARE(SelectedRow(window->lvLocusList), QString("Anery"));
        QCOMPARE(Strip(*window), QStringList({"pnlImageFrame11@0 Anerythristic"}));
        QCOMPARE(ImagesTab(*window).last(), QString("pnlImageFrame0a1 Anerythristic"));

        window->btnRestoreDefaults->click();
        QCOMPARE(ImagesTab(*window).size(), 27);
        AddGene(*window, "Beta", "z");
        QCOMPARE(ImagesTab(*window).size(), 30);
        QVERIFY(ImagesTab(*window).contains("pnlImageFrame0a6 Beta"));
        PickGeneSet(*window, "Boas");
        QCOMPARE(ImagesTab(*window), QStringList({"pnlImageFrame0a0 Boa"}));
        QCOMPARE(Strip(*window), QStringList({"pnlImageFrame10@0 Boa"}));

        // Closing frees the gene set only after every frame is gone.
        window->close();
        QVERIFY(ImagesTab(*window).isEmpty());
        QCOMPARE(Strip(*window), QStringList());
    }

    void RestoreDefaultsBringsBackSerpentia() {
        TWindowFixture fixture;
        auto window = fixture.StartBesideBoas();
        Select(window->lvLocusList, 3);
        window->BtnDeleteLocus->click();
        window->rgCombi->SetItemIndex(0);
        window->btnRestoreDefaults->click();
        QCOMPARE(window->LocusList().Count(), 10);
        QCOMPARE(Rows(window->lvLocusList)[3], QString("Caramel"));
        QCOMPARE(window->rgCombi->ItemIndex(), 1);
        QCOMPARE(fixture.Folder.Read("GenericZygora.INI"), DefaultGeneSetText());

        // Asked first; with another set selected, its work is saved before it is read again.
        PickGeneSet(*window, "Boas");
        window->LocusList().Add(std::make_unique<TLocus>("Sand"));
        const std::string edited = "[LOCUS]\r\n0=Edited by hand\r\n";
        fixture.Folder.Write("Serpentia.INI", edited);
        fixture.AnswerYes = false;
        window->btnRestoreDefaults->click();
        QCOMPARE(fixture.Folder.Read("Serpentia.INI"), edited);
        fixture.AnswerYes = true;
        window->btnRestoreDefaults->click();
        QCOMPARE(Rows(window->lvLocusList), QStringList({"Boa", "Sand"}));
        QCOMPARE(fixture.Folder.Read("Serpentia.INI"), DefaultGeneSetText());
        QCOMPARE(fixture.Questions.size(), 3);
        for (const char* file : {"GenericZygora.INI", "Serpentia.INI"})
            QVERIFY(fixture.Questions[2].contains(QString::fromStdString(fixture.Folder.File(file))));
    }
};

QTEST_MAIN(TGeneManagementTests)
#include "GeneManagementTests.moc"
