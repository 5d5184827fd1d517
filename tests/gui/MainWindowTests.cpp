#include "calc/Calculation.h"
#include "storage/GeneSetFile.h"
#include "storage/ShippedGeneSets.h"
#include "ui/calculation/ClutchView.h"
#include "ui/calculation/GridModel.h"
#include "ui/kit/RadioGroup.h"
#include "ui/kit/ThemeColors.h"
#include "ui/window/ApplicationFolder.h"
#include "ui/window/NewGeneSetDialog.h"

#include "WindowFixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QDesktopServices>
#include <QHeaderView>
#include <QPrinterInfo>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QThreadPool>

#include <filesystem>

namespace {

QString Report(const TCalcResult& result) {
    QStringList lines;
    for (const std::string& line : result.ReportLines())
        lines << QString::fromStdString(line);
    return lines.join('\n');
}

// The calculation run on its own on the built-in set, to compare with what the window shows.
TCalcResult CalculateOnDefaultSet(const std::string& male, const std::string& female,
                                  const TCalcOptions& options, const TPairingPossibleHets& possible = {}) {
    TGeneSet set;
    LoadGeneSetText(DefaultGeneSetText(), set, "Serpentia.INI");
    return RunCalculation(male, female, options, set.LocusList, set.CombiList, possible);
}

TGeneSet ReadSet(const std::string& path) {
    TGeneSet set;
    LoadGeneSet(path, set);
    return set;
}

// "New" with `name` typed into its dialog, starting from the shipped set `startFrom` when one is named;
// `cancelAfter` closes a dialog that refused the name.
void NewGeneSet(TMainWindow& window, const QString& name, bool cancelAfter = false,
                const QString& startFrom = {}) {
    WhenDialogShows<TNewGeneSetDialog>([name, cancelAfter, startFrom](TNewGeneSetDialog& dialog) {
        dialog.SetNameEdit->setText(name);
        if (!startFrom.isEmpty())
            dialog.StartFromSelector->setCurrentText(startFrom);
        dialog.OkButton->click();
        if (cancelAfter)
            dialog.CancelButton->click();
    });
    Find<QPushButton>(window, "NewGeneSetButton")->click();
}

// The fields of RFC 4180 text, row by row.
QList<QStringList> ParsedTable(const QString& text, QChar delimiter) {
    QList<QStringList> rows{{}};
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (quoted && text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"')
            field += text[++i];
        else if (text[i] == '"')
            quoted = !quoted;
        else if (!quoted && (text[i] == delimiter || text[i] == '\n')) {
            rows.back() << field;
            field.clear();
            if (text[i] == '\n')
                rows << QStringList();
        } else if (quoted || text[i] != '\r')
            field += text[i];
    }
    rows.removeLast();
    return rows;
}

// The contrast ratio of two colours as the accessibility guidelines reckon it, from 1 to 21.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF()) + 0.05;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

// Amel x Amel het on the built-in set, with the Amel lethal and the het's name and note given.
std::unique_ptr<TMainWindow> StartOnLethalPairing(TWindowFixture& fixture, const std::string& hetName = {}) {
    auto window = fixture.StartOnDefaultSet();
    if (!hetName.empty())
        window->LocusList()[0]->Genes()[1]->Name = hetName;
    window->LocusList()[0]->Genes()[1]->HealthNote = "wobble";
    window->LocusList()[0]->Genes()[2]->Lethal = true;
    Find<QLineEdit>(*window, "MaleCodesEdit")->setText("+a");
    Find<QLineEdit>(*window, "FemaleCodesEdit")->setText("+a");
    Find<TRadioGroup>(*window, "PossibleHetsChoice")->SetItemIndex(1);
    Find<QToolButton>(*window, "CalculateButton")->click();
    return window;
}

class TCapturedMail : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Urls;
public slots:
    void Open(const QUrl& url) { Urls << url; }
};

} // namespace

class TMainWindowTests : public QObject {
    Q_OBJECT
private slots:
    void FirstStartTakesTheSetTheSelectorShows() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        QCOMPARE(Find<QTabWidget>(*window, "MainTabs")->currentWidget(),
                 Find<QWidget>(*window, "CalculationTab"));
        // 906 pixels wide, unless the screen has less room: the test's screen is 800 pixels wide.
        const int frame = window->frameGeometry().width() - window->width();
        QCOMPARE(window->frameGeometry().width(),
                 std::min(906 + frame, window->screen()->availableGeometry().width()));
        QCOMPARE(Find<QComboBox>(*window, "GeneSetSelector")->currentText(), QString("Serpentia"));
        QCOMPARE(int(Selectors(*window, "MaleSelectors").size()), 10);
        QVERIFY(fixture.Messages.isEmpty());

        window->close();
        const std::string saved = fixture.Folder.Read("Serpentia.INI");
        QCOMPARE(fixture.Folder.Read("GenericZygora.INI"), saved);
        QCOMPARE(ReadSet(fixture.Folder.File("GenericZygora.INI")).Name, std::string("Serpentia"));
    }

    // An installed program cannot write its own folder: its first start in the user's folder places
    // Serpentia, never over a set nor beside a set or a main settings file; a folder it cannot make is named.
    void AnInstalledProgramStartsInTheUsersFolder() {
        TWindowFixture fixture;
        const auto start = [&fixture](const std::string& folder) {
            return ApplicationFolderFor("/no such folder",
                                        QString::fromStdString(fixture.Folder.File(folder)));
        };
        QCOMPARE(start("Zygora"), fixture.Folder.File("Zygora"));
        QCOMPARE(fixture.Folder.Read("Zygora/Serpentia.INI"), DefaultGeneSetText());
        QVERIFY(std::filesystem::is_directory(fixture.Folder.File("Zygora/Img")));
        for (const std::string name : {"Serpentia.INI", "Boas.INI", "GenericZygora.INI"}) {
            std::filesystem::remove(fixture.Folder.File("Zygora/Serpentia.INI"));
            fixture.Folder.Write("Zygora/" + name, BoasSet);
            start("Zygora");
            QCOMPARE(fixture.Folder.Read("Zygora/Serpentia.INI"), name == "Serpentia.INI" ? BoasSet : "");
            std::filesystem::remove(fixture.Folder.File("Zygora/" + name));
        }
        QCOMPARE(ApplicationFolderFor(QString::fromStdString(fixture.Folder.Path()), "/x"),
                 fixture.Folder.Path());
        // A program copied into a folder of its own starts the same way there, pictures' folder too.
        QCOMPARE(fixture.Folder.Read("Serpentia.INI"), DefaultGeneSetText());
        QVERIFY(std::filesystem::is_directory(fixture.Folder.File("Img")));
        fixture.Folder.Write("Zygora/Boas.INI", BoasSet);
        start("Zygora/Boas.INI/x");
        QCOMPARE(fixture.Messages.size(), 1);
        QVERIFY(fixture.Messages[0].startsWith("Cannot create folder"));
    }

    // A hand-edited set may list a carrier first; it is offered as a possible het all the same.
    void ACarrierListedFirstIsOfferedAsAPossibleHet() {
        TWindowFixture fixture;
        fixture.Folder.Write("GenericZygora.INI",
                             "[Statistics]\r\nLocusCount=1\r\nLocus0GeneCount=3\r\n[Gene]\r\n"
                             "0-0=+a:het. Amel\r\n0-1=aa:Amel\r\n0-2=++:Normal\r\n");
        auto window = fixture.Start();
        QVERIFY(Selectors(*window, "MaleSelectors")[0]->findText("+a 66% poss. het. Amel") >= 0);
    }

    void EmptyFolderStartsEmptyAndWritesNoNamelessSet() {
        TWindowFixture fixture;
        auto window = fixture.Start();
        QCOMPARE(window->LocusList().Count(), 0);
        QCOMPARE(Find<QComboBox>(*window, "GeneSetSelector")->currentText(), QString());
        Find<QToolButton>(*window, "ClearAllButton")->click();
        QCOMPARE(Find<QLineEdit>(*window, "MaleCodesEdit")->text(), QString());
        // The first name in the list is not the set in memory.
        NewGeneSet(*window, "Boas");
        QCOMPARE(Find<QComboBox>(*window, "GeneSetSelector")->currentText(), QString());
        window->close();
        // GenericZygora.INI, Boas.INI and the animals' database.
        QCOMPARE(fixture.Folder.EntryCount(), 3);
        QCOMPARE(ReadSet(fixture.Folder.File("GenericZygora.INI")).Name, std::string());
    }

    void TheSelectorNamesOnlyTheSetInMemory() {
        TWindowFixture fixture;
        fixture.Folder.Write("Boas.INI", "[Statistics]\r\nLocusCount=1\r\n[LOCUS]\r\n0=Boa\r\n");
        auto window = fixture.Start();
        QCOMPARE(Find<QComboBox>(*window, "GeneSetSelector")->currentText(), QString());
        PickGeneSet(*window, "Boas");
        QCOMPARE(window->LocusList().Count(), 1);
        QCOMPARE(Find<QComboBox>(*window, "GeneSetSelector")->currentText(), QString("Boas"));
    }

    void StartFromTheMainSettingsFileRestoresWindowAndSelection() {
        TWindowFixture fixture;
        std::string settings = "[Config]\r\nLeft=100\r\nTop=60\r\nWidth=700\r\nHeight=500\r\nFemale=+a++\r\n"
                               "Male=aaee\r\n" +
                               DefaultGeneSetText();
        settings.replace(settings.find("RatioIndex=0"), 12, "RatioIndex=7");
        settings.replace(settings.find("PhenotypeIndex=0"), 16, "PhenotypeIndex=-5");
        settings.replace(settings.find("IniFile=Serpentia"), 17, "IniFile=Boas");
        fixture.Folder.Write("GenericZygora.INI", settings);
        std::string boas = DefaultGeneSetText();
        boas.replace(boas.find("LocusCount=10"), 13, "LocusCount=1");
        fixture.Folder.Write("Boas.INI", boas);
        auto window = fixture.Start();
        QCOMPARE(Find<QComboBox>(*window, "GeneSetSelector")->currentText(), QString("Boas"));
        QCOMPARE(window->LocusList().Count(), 10);
        QCOMPARE(window->pos(), QPoint(100, 60));
        QCOMPARE(window->size(), QSize(700, 500));
        QCOMPARE(Find<TRadioGroup>(*window, "RatioChoice")->ItemIndex(), 1);
        QCOMPARE(Find<TRadioGroup>(*window, "PhenotypeChoice")->ItemIndex(), -1);
        QCOMPARE(Find<QLineEdit>(*window, "MaleCodesEdit")->text(), QString("aaee"));
        QCOMPARE(Selectors(*window, "FemaleSelectors")[0]->currentText(), QString("+a het. Amel"));
        QCOMPARE(Find<TReportView>(*window, "ReportView")->Text(),
                 Report(CalculateOnDefaultSet("aaee", "+a++", {1, 1, -1, 0, "."})));
    }

    void SelectorsBuildTheSelectionStrings() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        auto male = Selectors(*window, "MaleSelectors");
        PickEntry(male[0], 2);
        QCOMPARE(Pairing(*window), QString("aa x ++"));

        // Typing finds an entry by its code or its name; text that names none keeps the gene picked last.
        const auto type = [](QComboBox* selector, const char* text) {
            selector->lineEdit()->clear();
            QTest::keyClicks(selector->lineEdit(), text);
            emit selector->lineEdit()->editingFinished();
        };
        type(male[3], "d");
        QCOMPARE(Pairing(*window), QString("aadd x ++++"));
        type(male[3], "CARA");
        QCOMPARE(male[3]->currentText(), QString("dd Caramel"));
        type(male[0], "Pas");
        QCOMPARE(male[0]->currentText(), QString("aa Amelanistic"));
        QCOMPARE(Pairing(*window), QString("aadd x ++++"));

        Find<QToolButton>(*window, "ClearAllButton")->click();
        QCOMPARE(Pairing(*window), QString(" x "));
        QCOMPARE(male[0]->currentText(), QString("++ Normal"));

        // Codes typed into the fields are shown by the selectors at once.
        QTest::keyClicks(Find<QLineEdit>(*window, "MaleCodesEdit"), "aa++");
        QTest::keyClicks(Find<QLineEdit>(*window, "FemaleCodesEdit"), "+a+b");
        auto female = Selectors(*window, "FemaleSelectors");
        QCOMPARE(male[0]->currentText() + "|" + female[1]->currentText(),
                 QString("aa Amelanistic|+b het. Anery"));
        window->RestoreParentSelection();
        male = Selectors(*window, "MaleSelectors");
        female = Selectors(*window, "FemaleSelectors");
        QCOMPARE(male[0]->currentText(), QString("aa Amelanistic"));
        QCOMPARE(male[1]->currentText(), QString("++ Normal"));
        QCOMPARE(female[0]->currentText() + "|" + female[1]->currentText(),
                 QString("+a het. Amel|+b het. Anery"));

        // A rebuild (here: a locus deleted) shows the pairing of the fields, and the next pick keeps it.
        Select(Find<QTreeWidget>(*window, "LocusListView"), 9);
        Find<QToolButton>(*window, "DeleteLocusButton")->click();
        QCOMPARE(Selectors(*window, "MaleSelectors")[0]->currentText(), QString("aa Amelanistic"));
        PickEntry(Selectors(*window, "FemaleSelectors")[2], 2);
        QCOMPARE(Pairing(*window), QString("aa++++ x +a+b+c"));
    }

    // Words set the field, the selectors and the possible hets; a word the set lacks is named and changes
    // nothing; typing codes afterwards empties the words, which no longer describe the animal.
    void AParentDescribedInWords() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        const auto describe = [&window](const char* side, const char* words) {
            auto* edit = Find<QLineEdit>(*window, (std::string(side) + "MorphEdit").c_str());
            edit->clear();
            QTest::keyClicks(edit, words);
            emit edit->editingFinished();
        };
        describe("Female", "snow");
        describe("Male", "het Amel 66% poss het ANERY");
        QCOMPARE(Pairing(*window), QString("+a+b x aabb"));
        QCOMPARE(Find<QLabel>(*window, "MalePossibleHetsLabel")->text(), QString("possible hets: +b 66%"));
        QCOMPARE(Selectors(*window, "MaleSelectors")[1]->currentText(),
                 QString("+b 66% poss. het. Anerythristic"));
        const TCalcOptions options{Find<TRadioGroup>(*window, "RatioChoice")->ItemIndex(),
                                   Find<TRadioGroup>(*window, "CombiChoice")->ItemIndex(),
                                   Find<TRadioGroup>(*window, "PhenotypeChoice")->ItemIndex(),
                                   Find<TRadioGroup>(*window, "PossibleHetsChoice")->ItemIndex(), "."};
        QCOMPARE(Find<TReportView>(*window, "ReportView")->Text(),
                 Report(CalculateOnDefaultSet("+a+b", "aabb", options, {{{"+b", 66}}, {}})));

        describe("Male", "het Amell");
        QCOMPARE(Find<QLabel>(*window, "MaleMorphProblemLabel")->text(),
                 QString("These words name no gene or combination of the gene set: \"Amell\""));
        QCOMPARE(Pairing(*window), QString("+a+b x aabb"));
        QTest::keyClicks(Find<QLineEdit>(*window, "FemaleCodesEdit"), "x");
        QVERIFY(Find<QLineEdit>(*window, "FemaleMorphEdit")->text().isEmpty());
        QCOMPARE(Find<QLineEdit>(*window, "MaleMorphEdit")->text(), QString("het Amell"));
    }

    // From a small screen to a large one: the window fits, every caption of the Calculation tab is whole
    // (the ball python's long locus names too) and the report shows at least five lines.
    void ReadableAtEverySize() {
        TWindowFixture fixture;
        fixture.Folder.Write("Ball Python.INI", ShippedGeneSetText("Ball Python").value_or(""));
        auto window = fixture.StartOnDefaultSet();
        Find<QComboBox>(*window, "GeneSetSelector")->setEditText("Ball Python");
        window->SwitchToChosenGeneSet();
        window->show();
        QApplication::processEvents();
        for (const QSize size : {QSize(790, 565), QSize(1024, 610), QSize(1560, 1000)}) {
            window->resize(size);
            QApplication::processEvents();
            QCOMPARE(window->size(), size);
            for (const QLabel* label : Find<QWidget>(*window, "CalculationTab")->findChildren<QLabel*>())
                if (label->isVisible() && !label->wordWrap() && label->pixmap().isNull())
                    QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                             qPrintable(label->text()));
            const auto* report = Find<TReportView>(*window, "ReportView");
            QVERIFY(report->viewport()->height() >= 5 * report->fontMetrics().lineSpacing());
        }
    }

    void CalculationOnScreenIsTheCalculationsOwn() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        Find<QLineEdit>(*window, "MaleCodesEdit")->setText("+a+e");
        Find<QLineEdit>(*window, "FemaleCodesEdit")->setText("aaee");
        Find<TRadioGroup>(*window, "RatioChoice")->SetItemIndex(1);
        Find<TRadioGroup>(*window, "PossibleHetsChoice")->SetItemIndex(1);
        Find<QToolButton>(*window, "CalculateButton")->click();
        const TCalcResult expected = CalculateOnDefaultSet("+a+e", "aaee", {1, 1, 0, 1, "."});
        QCOMPARE(Find<TReportView>(*window, "ReportView")->Text(), Report(expected));

        const auto* grid = static_cast<const TGridModel*>(Find<QTableView>(*window, "GridView")->model());
        QCOMPARE(grid->rowCount(), 4);
        QCOMPARE(grid->columnCount(), 1);
        for (int row = 0; row <= 4; ++row)
            for (int column = 0; column <= 1; ++column)
                QCOMPARE(grid->CellText(column, row), QString::fromStdString(expected.CellText(column, row)));
        QCOMPARE(grid->headerData(0, Qt::Vertical, Qt::DisplayRole).toString(), QString("++"));

        Find<TRadioGroup>(*window, "PhenotypeChoice")->SetItemIndex(1);
        emit Find<TRadioGroup>(*window, "PhenotypeChoice")->Click();
        QCOMPARE(Find<TReportView>(*window, "ReportView")->Text(),
                 Report(CalculateOnDefaultSet("+a+e", "aaee", {1, 1, 1, 1, "."})));

        QString tooLarge;
        for (char allele = 'a'; allele <= 'z'; ++allele)
            tooLarge += QString("+") + allele;
        Find<QLineEdit>(*window, "MaleCodesEdit")->setText(tooLarge + "+A");
        Find<QToolButton>(*window, "CalculateButton")->click();
        QVERIFY(WaitForResult(*window));
        QVERIFY(window->Result()->Refused());
        QCOMPARE(Find<TReportView>(*window, "ReportView")->Text(),
                 QString::fromStdString(window->Result()->RefusalMessage()));
    }

    // The report is selected by character with the mouse, across lines, and copied exactly; a new result
    // takes the old selection with it.
    void ReportIsSelectedAndCopied() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        window->show();
        Find<QLineEdit>(*window, "MaleCodesEdit")->setText("+a+e");
        Find<QLineEdit>(*window, "FemaleCodesEdit")->setText("aaee");
        Find<QToolButton>(*window, "CalculateButton")->click();
        auto* report = Find<TReportView>(*window, "ReportView");
        QWidget* page = report->viewport();
        const QStringList lines = report->Text().split('\n');
        QVERIFY(lines.size() > 4);
        // Where a character starts: after the view's margin of 4 pixels, on the middle of its line.
        const auto at = [&](int line, int column) {
            const int height = report->fontMetrics().lineSpacing();
            return QPoint(4 + report->fontMetrics().horizontalAdvance(lines[line].left(column)),
                          4 + line * height + height / 2);
        };
        QTest::mousePress(page, Qt::LeftButton, {}, at(1, 3));
        QTest::mouseMove(page, at(3, 5));
        QTest::mouseRelease(page, Qt::LeftButton, {}, at(3, 5));
        QTest::keyClick(report, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), lines[1].mid(3) + "\n" + lines[2] + "\n" + lines[3].left(5));
        QTest::mouseDClick(page, Qt::LeftButton, {}, at(0, 1));
        QCOMPARE(report->SelectedText(), QString("Male"));
        QTest::mouseClick(page, Qt::LeftButton, Qt::ShiftModifier, at(1, 3));
        QCOMPARE(report->SelectedText(), lines[0] + "\n" + lines[1].left(3));
        QTest::keyClick(report, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(report, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), report->Text());

        Find<QLineEdit>(*window, "MaleCodesEdit")->setText("+a");
        Find<QLineEdit>(*window, "FemaleCodesEdit")->setText("aa");
        Find<QToolButton>(*window, "CalculateButton")->click();
        QCOMPARE(report->Text(), Report(*window->Result()));
        QVERIFY(report->Text().size() < lines.join('\n').size());
        QCOMPARE(report->SelectedText(), QString());
        QVERIFY(!report->grab().isNull());
        QTest::keyClick(report, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(report->SelectedText(), report->Text());
        // A key let go without Ctrl, so that the tests after this one find no key held.
        QTest::keyClick(report, Qt::Key_Home);
    }

    // Ten heterozygous loci in both parents are calculated beside the window: only the newest request is
    // shown, Cancel leaves the report saying so, and another set or the window's close drop the run.
    void ALargePairingRunsBesideTheWindow() {
        TWindowFixture fixture;
        auto window = fixture.StartBesideBoas();
        const auto* tab = window->findChild<TCalculationTab*>();
        const auto* report = Find<TReportView>(*window, "ReportView");
        QSignalSpy shown(tab, &TCalculationTab::Calculated);
        const std::string tenHets = "+a+b+c+d+e+f+g+h+i+k";
        Find<QLineEdit>(*window, "MaleCodesEdit")->setText(QString::fromStdString(tenHets));
        Find<QLineEdit>(*window, "FemaleCodesEdit")->setText(QString::fromStdString(tenHets));
        for (const char* choice : {"CombiChoice", "PhenotypeChoice", "PossibleHetsChoice"})
            Find<TRadioGroup>(*window, choice)->SetItemIndex(0);
        Find<QToolButton>(*window, "CalculateButton")->click();
        QVERIFY(tab->Calculating());
        Find<TRadioGroup>(*window, "RatioChoice")->SetItemIndex(1);
        emit Find<TRadioGroup>(*window, "RatioChoice")->Click();
        QVERIFY(WaitForResult(*window));
        QThreadPool::globalInstance()->waitForDone();
        QApplication::processEvents();
        QCOMPARE(shown.count(), 1);
        QCOMPARE(report->Text(), Report(CalculateOnDefaultSet(tenHets, tenHets, {1, 0, 0, 0, "."})));

        Find<QToolButton>(*window, "CalculateButton")->click();
        Find<QPushButton>(*window, "CancelCalculationButton")->click();
        QVERIFY(!tab->Calculating());
        QCOMPARE(report->Text(), QString("Calculation cancelled."));
        QVERIFY(window->Result()->Refused());
        QVERIFY(Find<QWidget>(*window, "CalculationProgressPanel")->isHidden());

        Find<QToolButton>(*window, "CalculateButton")->click();
        PickGeneSet(*window, "Boas");
        QVERIFY(!tab->Calculating());
        const QString boas = report->Text();
        QVERIFY(boas.startsWith("Male   = Boa"));
        QThreadPool::globalInstance()->waitForDone();
        QApplication::processEvents();
        QCOMPARE(report->Text(), boas);

        PickGeneSet(*window, "Serpentia");
        Find<QToolButton>(*window, "CalculateButton")->click();
        QVERIFY(tab->Calculating());
        window.reset();
        QThreadPool::globalInstance()->waitForDone();
        QApplication::processEvents();
    }

    void ClutchViewFollowsTheReportTheEggsAndTheSelection() {
        TWindowFixture fixture;
        auto window = StartOnLethalPairing(fixture);
        const TClutchModel& clutch = Find<TClutchView>(*window, "ClutchView")->Model();
        const TCalcResult& result = *window->Result();
        // The Normal, the het and the eggs that do not hatch.
        QCOMPARE(Find<QTableView>(*window, "ClutchTable")->verticalHeader()->count(), 3);
        const auto cell = [&clutch](int row, int column, int role = Qt::DisplayRole) {
            return clutch.data(clutch.index(row, column), role);
        };
        for (int row = 0; row < 2; ++row)
            QVERIFY(result.OffspringReportLine(size_t(row))
                        .starts_with(cell(row, TClutchModel::ShareColumn).toString().toStdString() + " " +
                                     cell(row, TClutchModel::NameColumn).toString().toStdString()));
        QCOMPARE(cell(1, TClutchModel::ShareColumn, TClutchModel::ShareRole).toDouble(), 2.0 / 3);
        QCOMPARE(cell(1, TClutchModel::HealthColumn).toString(), QString("wobble"));
        QCOMPARE(cell(0, TClutchModel::HealthColumn).toString(), QString());
        // Of the eggs laid: 1/4 Normal, 1/2 het. Amel, 1/4 lost.
        QCOMPARE(cell(0, TClutchModel::ExpectedColumn).toString(), QString("3.0"));
        QCOMPARE(cell(0, TClutchModel::ChanceColumn).toString(), QString("96.8%"));
        const std::string lethal = result.LethalGeneNames().at(0);
        QCOMPARE(cell(2, TClutchModel::NameColumn).toString().toStdString(), "Do not hatch: " + lethal);
        QCOMPARE(cell(2, TClutchModel::ShareColumn).toString(), QString("1/4 of the eggs"));
        QCOMPARE(clutch.headerData(TClutchModel::ShareColumn, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("Share of\nhatchlings"));
        double expected = 0;
        for (int row = 0; row < 3; ++row)
            expected += cell(row, TClutchModel::ExpectedColumn).toString().toDouble();
        QCOMPARE(expected, 12.0);
        // The field is named by its label, for screen readers too.
        QCOMPARE(QAccessible::queryAccessibleInterface(Find<QSpinBox>(*window, "EggsSpin"))
                     ->text(QAccessible::Name),
                 QString("Eggs"));
        Find<QSpinBox>(*window, "EggsSpin")->setValue(2);
        QCOMPARE(cell(0, TClutchModel::ExpectedColumn).toString(), QString("0.5"));
        QCOMPARE(cell(0, TClutchModel::ChanceColumn).toString(), QString("43.8%"));
        Find<QTableView>(*window, "ClutchTable")->selectAll();
        QCOMPARE(Find<QLabel>(*window, "ClutchChanceLabel")->text(),
                 "Normal or het. Amel or Do not hatch: " + QString::fromStdString(lethal) +
                     ": 100% in a clutch of 2");
        Find<QTableView>(*window, "ClutchTable")->selectRow(2);
        QVERIFY(Find<QLabel>(*window, "ClutchChanceLabel")->text().endsWith(": 43.8% in a clutch of 2"));

        // The grid strikes through the cell of the lethal aa only.
        const TGridModel& grid =
            *static_cast<const TGridModel*>(Find<QTableView>(*window, "GridView")->model());
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 2; ++column)
                QCOMPARE(grid.data(grid.index(row, column), Qt::FontRole).value<QFont>().strikeOut(),
                         row == 1 && column == 1);

        window->LocusList()[0]->Genes()[2]->Lethal = false;
        Find<QToolButton>(*window, "CalculateButton")->click();
        QCOMPARE(clutch.rowCount(), 3);
        QCOMPARE(cell(2, TClutchModel::NameColumn).toString().toStdString(), lethal);
        QCOMPARE(clutch.headerData(TClutchModel::ShareColumn, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("Share"));
    }

    void OffspringTableIsCopiedAndSavedAsCsv() {
        TWindowFixture fixture;
        auto window = StartOnLethalPairing(fixture, "\"Red\", Amel");
        const TClutchModel& clutch = Find<TClutchView>(*window, "ClutchView")->Model();
        const QString het =
            clutch.data(clutch.index(1, TClutchModel::NameColumn), Qt::DisplayRole).toString();
        QVERIFY(het.contains("\"Red\", Amel"));
        fixture.AnswerFile("offspring.csv");
        Find<QPushButton>(*window, "SaveOffspringCsvButton")->click();
        const QList<QStringList> rows =
            ParsedTable(QString::fromStdString(fixture.Folder.Read("offspring.csv")), ',');
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[0], QStringList({"Offspring", "Share", "Percentage", "Expected in a clutch of 12",
                                       "At least one in a clutch of 12", "Health"}));
        QCOMPARE(rows[2], QStringList({het, "2/3", "66.67%", "6.0", ">99.9%", "wobble"}));
        QCOMPARE(rows[3], QStringList({"Do not hatch: " +
                                           QString::fromStdString(window->Result()->LethalGeneNames()[0]),
                                       "1/4", "25.00%", "3.0", "96.8%", ""}));
        // Ctrl+C copies the selected rows, the button all of them, as tab-separated text.
        auto* table = Find<QTableView>(*window, "ClutchTable");
        table->selectRow(2);
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(ParsedTable(QApplication::clipboard()->text(), '\t'),
                 QList<QStringList>({rows[0], rows[3]}));
        Find<QPushButton>(*window, "CopyOffspringButton")->click();
        QCOMPARE(ParsedTable(QApplication::clipboard()->text(), '\t'), rows);
    }

    void DrawnColoursReadOnLightAndDarkThemes() {
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        for (const auto& [role, colour] : {std::pair{QPalette::Window, QColor(53, 53, 53)},
                                           {QPalette::Base, QColor(35, 35, 35)},
                                           {QPalette::Text, QColor(230, 230, 230)},
                                           {QPalette::Link, QColor(90, 160, 255)}})
            dark.setColor(role, colour);
        for (const QPalette& palette : {dark, light}) {
            QApplication::setPalette(palette);
            TWindowFixture fixture;
            auto window = StartOnLethalPairing(fixture);
            const QColor base = palette.color(QPalette::Base);
            const TClutchModel& clutch = Find<TClutchView>(*window, "ClutchView")->Model();
            QVERIFY(Contrast(clutch.data(clutch.index(1, TClutchModel::HealthColumn), Qt::ForegroundRole)
                                 .value<QColor>(),
                             base) >= 4.5);
            const QAbstractItemModel& grid = *Find<QTableView>(*window, "GridView")->model();
            QVERIFY(Contrast(grid.data(grid.index(1, 1), Qt::ForegroundRole).value<QColor>(), base) >= 3);
            const QPalette table = Find<QTableView>(*window, "ClutchTable")->palette();
            QVERIFY(Contrast(ShareBarColor(table), ShareTroughColor(table)) >= 3);
            window->BuildImageFrames();
            for (const char* label : {"NameLabel", "ContactLabel"}) {
                const QPalette shown = Find<QLabel>(*window, label)->palette();
                QVERIFY(Contrast(shown.color(QPalette::WindowText), shown.color(QPalette::Window)) >= 4.5);
            }
        }
        QApplication::setPalette(light);
    }

    void SwitchingSavesTheOutgoingSetAndLoadsThePickedOne() {
        TWindowFixture fixture;
        auto window = fixture.StartBesideBoas();
        QCOMPARE(Find<QComboBox>(*window, "GeneSetSelector")->currentText(), QString("Serpentia"));
        PickEntry(Selectors(*window, "MaleSelectors")[0], 1);

        Find<QComboBox>(*window, "GeneSetSelector")->setEditText("BOAS");
        Find<QComboBox>(*window, "GeneSetSelector")->lineEdit()->setFocus();
        QTest::keyClick(Find<QComboBox>(*window, "GeneSetSelector")->lineEdit(), Qt::Key_Return);
        QCOMPARE(window->GeneSetName(), std::string("Boas"));
        QCOMPARE(window->LocusList().Count(), 1);
        QCOMPARE(Find<QLineEdit>(*window, "MaleCodesEdit")->text(), QString("bb"));
        QCOMPARE(Selectors(*window, "MaleSelectors")[0]->currentText(), QString("bb Boa"));
        QCOMPARE(ReadSet(fixture.Folder.File("Serpentia.INI")).Male, std::string("+a"));
        QCOMPARE(ReadSet(fixture.Folder.File("GenericZygora.INI")).Male, std::string("+a"));

        // The same set in other letters, or a listed name typed and left without Enter, changes nothing.
        const std::string boas = fixture.Folder.Read("Boas.INI");
        PickGeneSet(*window, "Boas");
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        Find<QComboBox>(*window, "GeneSetSelector")->lineEdit()->setFocus();
        Find<QComboBox>(*window, "GeneSetSelector")->setEditText("Serpentia");
        Find<QLineEdit>(*window, "MaleCodesEdit")->setFocus();
        QCOMPARE(Find<QComboBox>(*window, "GeneSetSelector")->currentText(), QString("Boas"));
        QCOMPARE(window->LocusList().Count(), 1);
        QCOMPARE(fixture.Folder.Read("Boas.INI"), boas);

        for (const char* refused : {"../Serpentia", "GENERICZYGORA"}) {
            Find<QComboBox>(*window, "GeneSetSelector")->setEditText(refused);
            emit Find<QComboBox>(*window, "GeneSetSelector")->lineEdit()->returnPressed();
        }
        QCOMPARE(fixture.Messages.size(), 2);
        QCOMPARE(Find<QComboBox>(*window, "GeneSetSelector")->currentText(), QString("Boas"));
    }

    void NewCopiesTheSetUnderAFreshName() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        NewGeneSet(*window, "Boas.INI");
        QCOMPARE(Find<QComboBox>(*window, "GeneSetSelector")->itemText(0), QString("Boas"));
        QCOMPARE(Find<QComboBox>(*window, "GeneSetSelector")->currentText(), QString("Serpentia"));
        const TGeneSet copy = ReadSet(fixture.Folder.File("Boas.INI"));
        QCOMPARE(copy.Name, std::string("Boas"));
        QCOMPARE(copy.LocusList.Count(), 10);

        NewGeneSet(*window, "", true);
        NewGeneSet(*window, "SERPENTIA", true);
        NewGeneSet(*window, "../escape", true);
        NewGeneSet(*window, ".INI", true);
        NewGeneSet(*window, "genericZYGORA.INI", true);
        QCOMPARE(fixture.Messages,
                 QStringList({"ERROR, first type a name", "A gene set named \"SERPENTIA\" already exists",
                              fixture.Messages.value(2), "ERROR, first type a name",
                              "A gene set cannot be named \"genericZYGORA\": that is the name of the main "
                              "settings file"}));
        QVERIFY(fixture.Messages[2].startsWith("\"../escape\" cannot be the name of a gene set"));
        QCOMPARE(fixture.Folder.EntryCount(), 3);
        QCOMPARE(Find<QComboBox>(*window, "GeneSetSelector")->count(), 2);

        NewGeneSet(*window, "Pythons", false, "Ball Python");
        TGeneSet ballPython;
        LoadGeneSetText(ShippedGeneSetText("Ball Python").value(), ballPython, "Ball Python.INI");
        PickGeneSet(*window, "Pythons");
        QCOMPARE(window->LocusList()[0]->Name, ballPython.LocusList[0]->Name);
        QCOMPARE(window->GeneSetName(), std::string("Pythons"));
    }

    void PairingsAreSavedAndLoaded() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        PickEntry(Selectors(*window, "MaleSelectors")[0], 2);
        fixture.AnswerFile("pair.zyg");
        Find<QAction>(*window, "SaveCalculationAction")->trigger();
        QCOMPARE(fixture.Folder.Read("pair.zyg"), std::string("aa\r\n++\r\n"));

        Find<QToolButton>(*window, "ClearAllButton")->click();
        fixture.AnswerFile("pair.zyg");
        Find<QAction>(*window, "LoadCalculationAction")->trigger();
        QCOMPARE(Selectors(*window, "MaleSelectors")[0]->currentText(), QString("aa Amelanistic"));
        QCOMPARE(window->PairingFile(), fixture.Folder.File("pair.zyg"));

        // A file that cannot be read is reported and still recorded as the pairing loaded last.
        fixture.AnswerFile("gone.zyg");
        Find<QAction>(*window, "LoadCalculationAction")->trigger();
        QCOMPARE(fixture.Messages.size(), 1);
        Find<QAction>(*window, "LoadCalculationAction")->trigger();
        window->close();
        QCOMPARE(ReadSet(fixture.Folder.File("GenericZygora.INI")).PairingFile,
                 fixture.Folder.File("gone.zyg"));
    }

    // Possible hets and the clutch size are kept with their set, the clutch view's choice in the main
    // settings file.
    void PossibleHetsEggsAndTheClutchViewChoiceAreKept() {
        TWindowFixture fixture;
        auto window = fixture.StartBesideBoas();
        Find<TRadioGroup>(*window, "CombiChoice")->SetItemIndex(0);
        Find<TRadioGroup>(*window, "PossibleHetsChoice")->SetItemIndex(1);
        QComboBox* male = Selectors(*window, "MaleSelectors")[0];
        PickEntry(male, male->findText("+a 66% poss. het. Amelanistic"));
        PickEntry(Selectors(*window, "FemaleSelectors")[0], 1);
        const QString expected =
            Report(CalculateOnDefaultSet("+a", "+a", {0, 0, 0, 1, "."}, {{{"+a", 66}}, {}}));
        QCOMPARE(Find<TReportView>(*window, "ReportView")->Text(), expected);
        QCOMPARE(Find<QLabel>(*window, "MalePossibleHetsLabel")->text(), QString("possible hets: +a 66%"));
        QVERIFY(Find<QLabel>(*window, "FemalePossibleHetsLabel")->isHidden() &&
                !Find<QLabel>(*window, "GridNote")->isHidden());

        Find<QSpinBox>(*window, "EggsSpin")->setValue(20);
        PickGeneSet(*window, "Boas");
        QCOMPARE(Find<QSpinBox>(*window, "EggsSpin")->value(), 12);
        PickGeneSet(*window, "Serpentia");
        QCOMPARE(Find<QSpinBox>(*window, "EggsSpin")->value(), 20);
        QVERIFY(fixture.Folder.Read("Boas.INI").find("ClutchSize") == std::string::npos);
        QCOMPARE(Selectors(*window, "MaleSelectors")[0]->currentText(),
                 QString("+a 66% poss. het. Amelanistic"));
        QCOMPARE(Find<TReportView>(*window, "ReportView")->Text(), expected);

        fixture.AnswerFile("pair.zyg");
        Find<QAction>(*window, "SaveCalculationAction")->trigger();
        QCOMPARE(fixture.Folder.Read("pair.zyg"), std::string("+a\r\n+a\r\n+a:66\r\n\r\n"));
        PickEntry(Selectors(*window, "MaleSelectors")[0], 1);
        QVERIFY(Find<QLabel>(*window, "MalePossibleHetsLabel")->isHidden() &&
                Find<QLabel>(*window, "GridNote")->isHidden());
        fixture.AnswerFile("pair.zyg");
        Find<QAction>(*window, "LoadCalculationAction")->trigger();
        QCOMPARE(Find<TReportView>(*window, "ReportView")->Text(), expected);
        QCOMPARE(Selectors(*window, "MaleSelectors")[0]->currentText(),
                 QString("+a 66% poss. het. Amelanistic"));

        // Typing the gene out of the field takes its chance with it.
        Find<QLineEdit>(*window, "MaleCodesEdit")->clear();
        QTest::keyClicks(Find<QLineEdit>(*window, "MaleCodesEdit"), "+a");
        QVERIFY(Find<QLabel>(*window, "MalePossibleHetsLabel")->isHidden());

        Find<QCheckBox>(*window, "ClutchViewCheck")->setChecked(false);
        window->close();
        QVERIFY(fixture.Folder.Read("GenericZygora.INI").find("ClutchView=0") != std::string::npos);
        QVERIFY(fixture.Folder.Read("Serpentia.INI").find("ClutchView") == std::string::npos);
        window = fixture.Start();
        QVERIFY(!Find<QCheckBox>(*window, "ClutchViewCheck")->isChecked());
        Find<QCheckBox>(*window, "ClutchViewCheck")->setChecked(true);
        window->close();
        QVERIFY(fixture.Folder.Read("GenericZygora.INI").find("ClutchView") == std::string::npos);
    }

    // Run under a real window manager by window_manager_test.sh; skipped elsewhere.
    void SavedFrameComesBackUnderAWindowManager() {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs X11 and a window manager");
        QWidget probe;
        probe.show();
        QTRY_VERIFY(probe.frameGeometry() != probe.geometry());
        TWindowFixture fixture;
        fixture.Folder.Write("GenericZygora.INI",
                             "[Config]\r\nLeft=120\r\nTop=90\r\nWidth=960\r\nHeight=700\r\n" +
                                 DefaultGeneSetText());
        for (int start = 0; start < 3; ++start) {
            auto window = fixture.Start();
            window->show();
            QTRY_VERIFY(window->frameGeometry() != window->geometry());
            QTRY_COMPARE(window->frameGeometry(), QRect(120, 90, 960, 700));
            window->close();
        }
    }

    void PrintingAndAbout() {
        TWindowFixture fixture;
        auto window = StartOnLethalPairing(fixture);
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            fixture.AnswerFile("printed.pdf");
            Find<QToolButton>(*window, "PrintButton")->click();
            QCOMPARE(fixture.Questions,
                     QStringList({"No printer is installed. Save the report as a PDF file instead?"}));
            QVERIFY(fixture.Folder.Read("printed.pdf").starts_with("%PDF"));
        }
        // The clutch view's table follows the report while the view is shown.
        fixture.AnswerFile("report.pdf");
        Find<QToolButton>(*window, "SavePdfButton")->click();
        Find<QCheckBox>(*window, "ClutchViewCheck")->setChecked(false);
        fixture.AnswerFile("bare.pdf");
        Find<QToolButton>(*window, "SavePdfButton")->click();
        QVERIFY(fixture.Folder.Read("bare.pdf").size() < fixture.Folder.Read("report.pdf").size());
        fixture.AnswerFile("missing/report.pdf");
        Find<QAction>(*window, "SaveReportPdfAction")->trigger();
        QCOMPARE(fixture.Messages.size(), 1);
        QVERIFY(fixture.Messages[0].startsWith(
            "Cannot create file \"" + QString::fromStdString(fixture.Folder.File("missing/report.pdf"))));

        QVERIFY(!Find<QLabel>(*window, "AboutPicture")->pixmap().isNull());
        TCapturedMail mail;
        QDesktopServices::setUrlHandler("mailto", &mail, "Open");
        auto* contact = Find<QLabel>(*window, "ContactLabel");
        QTest::mouseClick(contact, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler("mailto");
        QCOMPARE(mail.Urls, QList<QUrl>({QUrl("mailto:" + contact->text())}));
    }
};

QTEST_MAIN(TMainWindowTests)
#include "MainWindowTests.moc"
