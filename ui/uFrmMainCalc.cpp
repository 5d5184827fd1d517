// The Calculation tab of the main window: options, selection strings, report, grid and parent selection.
#include "ui/uFrmMain.h"

#include "calc/Calculation.h"
#include "model/Text.h"
#include "ui/CoreText.h"
#include "ui/GridColumnSizer.h"
#include "ui/GridModel.h"
#include "ui/ImageLists.h"
#include "ui/RadioGroup.h"
#include "ui/ReportPrinter.h"
#include "ui/WidgetKit.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString NormalSelection = "++ Normal";

// The Male and Female pages, and the widest a locus selector grows in them: the locus name keeps room
// beside it.
constexpr int ParentPageWidth = 280;
constexpr int MaxSelectorWidth = 180;

// A selector shows its entry from the start, where the gene code stands, also when it is cut short.
void ShowSelectorText(QComboBox* selector, const QString& text) {
    selector->setEditText(text);
    selector->lineEdit()->setCursorPosition(0);
}

// The system's decimal separator as UTF-8, whatever its length; a point where the system names none.
std::string DecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? "." : ToCore(point);
}

QFont ReportFont() {
    QFont font = QFontDatabase::families().contains("Courier New")
                     ? QFont("Courier New")
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setBold(true);
    return font;
}

} // namespace

void TfrmMain::BuildCalcTab() {
    tsCalc = AddTab(new QWidget(pcMain), "tsCalc", "Calculation");
    auto* tabLayout = new QHBoxLayout(tsCalc);
    tabLayout->setContentsMargins(2, 2, 2, 2);

    auto* left = new QWidget(tsCalc);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);

    auto* pnlTop = new QWidget(left);
    pnlTop->setObjectName("pnlTop");
    auto* top = new QGridLayout(pnlTop);
    top->setContentsMargins(0, 0, 0, 0);
    auto* maleLabel = new QLabel("Male", pnlTop);
    maleLabel->setObjectName("Label1");
    auto* femaleLabel = new QLabel("Female", pnlTop);
    femaleLabel->setObjectName("Label2");
    Edit1 = new QLineEdit(pnlTop);
    Edit1->setObjectName("Edit1");
    Edit2 = new QLineEdit(pnlTop);
    Edit2->setObjectName("Edit2");
    Edit1->setMinimumWidth(130);
    Edit2->setMinimumWidth(130);
    top->addWidget(maleLabel, 0, 0);
    top->addWidget(Edit1, 1, 0);
    top->addWidget(femaleLabel, 2, 0);
    top->addWidget(Edit2, 3, 0);

    btnCalc = MakeToolButton(pnlTop, "btnCalc", "Calculate predicted offspring", iiCalculate);
    btnClearAll = MakeToolButton(pnlTop, "btnClearAll", "Clear all genes", iiClearAll);
    top->addWidget(MakeToolBar(pnlTop, "ToolBar1", {btnCalc, btnClearAll}), 0, 1, 4, 1);

    rgRatio = new TRadioGroup("rgRatio", {"Ratio", "Percentage"}, pnlTop);
    rgCombi = new TRadioGroup("rgCombi", {"Seperate genes", "Combi"}, pnlTop);
    rgPheno = new TRadioGroup("rgPheno", {"Genotype", "Phenotype"}, pnlTop);
    rgPossible = new TRadioGroup("rgPossible", {"Show Poss.", "No poss. hets"}, pnlTop);
    auto* options = new QGridLayout;
    options->setSpacing(2);
    int position = 0;
    for (TRadioGroup* group : {rgRatio, rgCombi, rgPheno, rgPossible}) {
        group->SetItemIndex(0);
        options->addWidget(group, position / 2, position % 2);
        ++position;
        connect(group, &TRadioGroup::Click, this, &TfrmMain::btnCalcClick);
    }
    top->addLayout(options, 0, 2, 4, 1);
    int column = 3;
    top->setColumnStretch(column++, 1);

    ToolButton1 = MakeToolButton(pnlTop, "ToolButton1", "Print results", iiPrint);
    ToolButton2 = MakeToolButton(pnlTop, "ToolButton2", "Close program", iiClose);
    top->addWidget(MakeToolBar(pnlTop, "ToolBar2", {ToolButton1, ToolButton2}), 0, column, 4, 1,
                   Qt::AlignRight);
    leftLayout->addWidget(pnlTop);

    auto* results = new QSplitter(Qt::Vertical, left);
    results->setObjectName("pnlResult");
    reResult = new QTextEdit(results);
    reResult->setObjectName("reResult");
    reResult->setAcceptRichText(false);
    reResult->setLineWrapMode(QTextEdit::NoWrap);
    reResult->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reResult->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reResult->setFont(ReportFont());
    sgResult = new QTableView(results);
    sgResult->setObjectName("sgResult");
    FGrid = new TGridModel(sgResult);
    sgResult->setModel(FGrid);
    sgResult->horizontalHeader()->setDefaultSectionSize(65);
    new TGridColumnSizer(sgResult);
    sgResult->verticalHeader()->setDefaultSectionSize(20);
    sgResult->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgResult->verticalHeader()->setMinimumWidth(65);
    results->addWidget(reResult);
    results->addWidget(sgResult);
    results->setStretchFactor(0, 3);
    results->setStretchFactor(1, 2);
    leftLayout->addWidget(results, 1);

    tabLayout->addWidget(left, 1);
    tabLayout->addWidget(BuildParentPages());

    connect(btnCalc, &QToolButton::clicked, this, &TfrmMain::btnCalcClick);
    connect(btnClearAll, &QToolButton::clicked, this, &TfrmMain::btnClearAllClick);
    connect(ToolButton1, &QToolButton::clicked, this, &TfrmMain::ToolButton1Click);
    connect(ToolButton2, &QToolButton::clicked, this, &TfrmMain::btnCloseClick);
}

QWidget* TfrmMain::BuildParentPages() {
    auto* pages = new QTabWidget(tsCalc);
    pages->setObjectName("pcParents");
    pages->setFixedWidth(ParentPageWidth);
    const auto buildPage = [&](const QString& side, TParentColumn& column, QToolButton*& clearButton,
                               const QString& hint) {
        auto* page = new QWidget(pages);
        page->setObjectName("ts" + side);
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        column.Box = MakeRowBox(page, "sb" + side);
        column.Rows = RowsOf(column.Box);
        layout->addWidget(column.Box, 1);
        auto* bottom = new QWidget(page);
        bottom->setObjectName("pnlBottom" + side);
        auto* bottomLayout = new QHBoxLayout(bottom);
        bottomLayout->setContentsMargins(2, 2, 2, 2);
        clearButton = MakeToolButton(bottom, "btnClear" + side, hint, iiClear);
        bottomLayout->addWidget(clearButton);
        bottomLayout->addStretch();
        layout->addWidget(bottom);
        pages->addTab(page, side);
    };
    buildPage("Male", FMale, btnClearMale, "Clear Male genes only");
    buildPage("Female", FFemale, btnClearFemale, "Clear Female genes only");
    sbMale = FMale.Box;
    sbFemale = FFemale.Box;
    connect(btnClearMale, &QToolButton::clicked, this, &TfrmMain::btnClearMaleClick);
    connect(btnClearFemale, &QToolButton::clicked, this, &TfrmMain::btnClearFemaleClick);
    return pages;
}

void TfrmMain::btnCalcClick() {
    TCalcOptions options;
    options.RatioIndex = rgRatio->ItemIndex();
    options.CombiIndex = rgCombi->ItemIndex();
    options.PhenotypeIndex = rgPheno->ItemIndex();
    options.PossibleHetsIndex = rgPossible->ItemIndex();
    options.DecimalSeparator = DecimalSeparator();
    // The grid shows the new result before the old one goes.
    auto result = std::make_unique<TCalcResult>(
        RunCalculation(CoreTextOf(Edit1), CoreTextOf(Edit2), options, LocusList(), CombiList()));
    FGrid->SetResult(result.get());
    FResult = std::move(result);

    QStringList lines;
    if (FResult->Refused()) {
        lines << FromCore(FResult->RefusalMessage());
    } else {
        lines.reserve(static_cast<qsizetype>(FResult->ReportLines().size()));
        for (const std::string& line : FResult->ReportLines())
            lines << FromCore(line);
    }
    reResult->setPlainText(lines.join('\n'));
    const QString widest = FromCore(FResult->CellText(0, 1));
    sgResult->verticalHeader()->setFixedWidth(
        std::max(65, sgResult->fontMetrics().horizontalAdvance(widest) + 12));
}

void TfrmMain::ToolButton1Click() {
    PrintReport(*reResult->document(), "Calculation Zygora");
}

void TfrmMain::BuildParentSelection() {
    BuildParentPanel(FMale);
    BuildParentPanel(FFemale);
    // The selectors show the pairing of the two fields, the one the report was calculated from, so that
    // the next pick keeps the rest of it.
    SelectParentGenes(FMale, CoreTextOf(Edit1));
    SelectParentGenes(FFemale, CoreTextOf(Edit2));
}

void TfrmMain::BuildParentPanel(TParentColumn& column) {
    QWidget* rows = column.Box->widget();
    for (QComboBox* selector : column.Selectors)
        delete selector->parentWidget();
    column.Selectors.clear();
    const TLocusList& loci = LocusList();
    for (int i = 0; i < loci.Count(); ++i) {
        const TLocus& locus = *loci[i];
        auto* panel = new QWidget(rows);
        panel->setObjectName(column.Box->objectName() + "Locus" + QString::number(i));
        panel->setFixedHeight(20);
        auto* layout = new QHBoxLayout(panel);
        layout->setContentsMargins(0, 1, 4, 1);
        QComboBox* selector = MakeByteSelector(panel);
        // As wide as the longest entry of its locus, so that a picked gene shows its code and its name.
        selector->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        selector->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        selector->setFixedHeight(18);
        selector->setMinimumWidth(100);
        selector->setMaximumWidth(MaxSelectorWidth);
        for (int j = 0; j < locus.Genes().Count(); ++j) {
            const TGene& gene = *locus.Genes()[j];
            selector->addItem(FromCore(gene.Code() + " " + gene.Name),
                              QByteArray::fromStdString(gene.Code()));
        }
        ShowSelectorText(selector, NormalSelection);
        auto* caption = new QLabel(FromCore(locus.Name), panel);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // A long locus name is cut rather than pushing the row past the page.
        caption->setMinimumWidth(1);
        caption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        layout->addWidget(selector);
        layout->addWidget(caption, 1);
        column.Rows->insertWidget(column.Rows->count() - 1, panel);
        column.Selectors.push_back(selector);
        connect(selector, &QComboBox::activated, this, [this, selector] {
            selector->lineEdit()->setCursorPosition(0);
            ParentSelectionChange();
        });
        connect(selector->lineEdit(), &QLineEdit::textEdited, this, &TfrmMain::ParentSelectionChange);
    }
}

std::string TfrmMain::SelectionOf(const TParentColumn& column) const {
    std::string selection;
    for (const QComboBox* selector : column.Selectors) {
        const int entry = ShownEntry(selector);
        selection += entry >= 0 ? EntryBytes(selector, entry) : ToCore(selector->currentText().left(2));
    }
    return selection;
}

void TfrmMain::ParentSelectionChange() {
    std::string male = SelectionOf(FMale);
    std::string female = SelectionOf(FFemale);
    ReduceSelections(male, female);
    SetCoreText(Edit1, male);
    SetCoreText(Edit2, female);
    btnCalcClick();
}

void TfrmMain::ClearParentGenes(TParentColumn& column) {
    for (QComboBox* selector : column.Selectors) {
        const QSignalBlocker blocker(selector);
        ShowSelectorText(selector, NormalSelection);
    }
    ParentSelectionChange();
}

void TfrmMain::btnClearMaleClick() {
    ClearParentGenes(FMale);
}

void TfrmMain::btnClearFemaleClick() {
    ClearParentGenes(FFemale);
}

void TfrmMain::btnClearAllClick() {
    ClearParentGenes(FMale);
    ClearParentGenes(FFemale);
    ParentSelectionChange();
}

void TfrmMain::SelectParentGenes(TParentColumn& column, const std::string& selection) {
    for (size_t k = 0; k + 1 < selection.size(); k += 2) {
        const std::string group = selection.substr(k, 2);
        if (group == "++")
            continue;
        for (QComboBox* selector : column.Selectors) {
            for (int entry = 0; entry < selector->count(); ++entry) {
                if (SameTextIgnoringCase(EntryBytes(selector, entry), group)) {
                    const QSignalBlocker blocker(selector);
                    ShowSelectorText(selector, selector->itemText(entry));
                    break;
                }
            }
        }
    }
}

void TfrmMain::RestoreParentSelection() {
    BuildParentSelection();
    RefreshGeneLists();
}
