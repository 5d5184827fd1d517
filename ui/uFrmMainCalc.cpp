// The Calculation tab of the main window: options, selection strings, report, grid and parent selection.
#include "ui/uFrmMain.h"

#include "calc/AlleleQuestions.h"
#include "calc/Calculation.h"
#include "model/Text.h"
#include "ui/ClutchView.h"
#include "ui/CoreText.h"
#include "ui/GridColumnSizer.h"
#include "ui/GridModel.h"
#include "ui/ImageLists.h"
#include "ui/RadioGroup.h"
#include "ui/ReportPrinter.h"
#include "ui/WidgetKit.h"

#include <QCheckBox>
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

#include <algorithm>

namespace {

const QString NormalSelection = "++ Normal";

// A selector entry of a possible het holds its chance beside its gene code; other entries hold none.
constexpr int ChanceRole = Qt::UserRole + 1;
// The chances breeders commonly give: from two hets, and from a het and a normal.
constexpr int CommonChances[] = {66, 50};

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

int ChanceOf(const std::vector<TPossibleHet>& hets, const std::string& code) {
    for (const TPossibleHet& het : hets)
        if (het.Code == code)
            return het.Percent;
    return 0;
}

// After the genes of a locus, each heterozygous gene whose allele hides behind the wild type once more for
// every chance a breeder may give it: the common ones, and the parent's own when it is another.
void AddPossibleHetEntries(QComboBox* selector, const TLocus& locus, const TLocusList& loci,
                           const std::vector<TPossibleHet>& possible, TAlleleQuestions& questions) {
    for (int j = 0; j < locus.Genes().Count(); ++j) {
        const std::string code = locus.Genes()[j]->Code();
        if (code[0] != '+' || code[1] == '+' || !questions.WouldBeDominant('+', code[1]))
            continue;
        std::vector<int> chances(std::begin(CommonChances), std::end(CommonChances));
        if (const int own = ChanceOf(possible, code);
            own > 0 && std::ranges::find(chances, own) == chances.end())
            chances.push_back(own);
        const std::string homozygous = loci.FindGeneName(std::string(2, code[1]));
        for (const int chance : chances) {
            selector->addItem(FromCore(code + " " + std::to_string(chance) + "% poss. het. " + homozygous),
                              QByteArray::fromStdString(code));
            selector->setItemData(selector->count() - 1, chance, ChanceRole);
        }
    }
}

// The first entry of the gene, the one of its chance when the gene is a possible het; -1 for none.
int EntryOf(const QComboBox* selector, const std::string& code, int chance) {
    int found = -1;
    for (int entry = 0; entry < selector->count(); ++entry) {
        if (!SameTextIgnoringCase(EntryBytes(selector, entry), code))
            continue;
        if (selector->itemData(entry, ChanceRole).toInt() == chance)
            return entry;
        if (found < 0)
            found = entry;
    }
    return found;
}

// The possible hets the selectors show, in locus order.
std::vector<TPossibleHet> PossibleHetsShown(const std::vector<QComboBox*>& selectors) {
    std::vector<TPossibleHet> hets;
    for (const QComboBox* selector : selectors) {
        const int entry = ShownEntry(selector);
        if (const int chance = entry >= 0 ? selector->itemData(entry, ChanceRole).toInt() : 0; chance > 0)
            hets.push_back({EntryBytes(selector, entry), chance});
    }
    return hets;
}

QString PossibleHetsCaption(const std::vector<TPossibleHet>& hets) {
    QStringList entries;
    for (const TPossibleHet& het : hets)
        entries << FromCore(het.Code) + " " + QString::number(het.Percent) + "%";
    return "possible hets: " + entries.join(", ");
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
    lblMalePossible = new QLabel(pnlTop);
    lblMalePossible->setObjectName("lblMalePossible");
    lblFemalePossible = new QLabel(pnlTop);
    lblFemalePossible->setObjectName("lblFemalePossible");
    FMale.PossibleLabel = lblMalePossible;
    FFemale.PossibleLabel = lblFemalePossible;
    ShowPossibleHets();
    // A field and its line of possible hets, which takes no room while hidden.
    const auto fieldWithPossibleHets = [](QLineEdit* field, QLabel* possible) {
        auto* layout = new QVBoxLayout;
        layout->setSpacing(0);
        layout->addWidget(field);
        layout->addWidget(possible);
        return layout;
    };
    top->addWidget(maleLabel, 0, 0);
    top->addLayout(fieldWithPossibleHets(Edit1, lblMalePossible), 1, 0);
    top->addWidget(femaleLabel, 2, 0);
    top->addLayout(fieldWithPossibleHets(Edit2, lblFemalePossible), 3, 0);

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
    chkClutchView = new QCheckBox("Clutch view", pnlTop);
    chkClutchView->setObjectName("chkClutchView");
    chkClutchView->setChecked(true);
    options->addWidget(chkClutchView, 2, 0, 1, 2);
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
    auto* gridPanel = new QWidget(results);
    gridPanel->setObjectName("pnlGrid");
    auto* gridLayout = new QVBoxLayout(gridPanel);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->setSpacing(1);
    lblGridNote = new QLabel("Grid: possible hets taken as het", gridPanel);
    lblGridNote->setObjectName("lblGridNote");
    lblGridNote->hide();
    sgResult = new QTableView(gridPanel);
    sgResult->setObjectName("sgResult");
    FGrid = new TGridModel(sgResult);
    sgResult->setModel(FGrid);
    sgResult->horizontalHeader()->setDefaultSectionSize(65);
    new TGridColumnSizer(sgResult);
    sgResult->verticalHeader()->setDefaultSectionSize(20);
    sgResult->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgResult->verticalHeader()->setMinimumWidth(65);
    gridLayout->addWidget(lblGridNote);
    gridLayout->addWidget(sgResult, 1);
    pnlClutch = new TClutchView(results);
    connect(chkClutchView, &QCheckBox::toggled, pnlClutch, &QWidget::setVisible);
    results->addWidget(reResult);
    results->addWidget(pnlClutch);
    results->addWidget(gridPanel);
    results->setStretchFactor(0, 3);
    results->setStretchFactor(1, 3);
    results->setStretchFactor(2, 2);
    leftLayout->addWidget(results, 1);

    tabLayout->addWidget(left, 1);
    tabLayout->addWidget(BuildParentPages());

    connect(Edit1, &QLineEdit::textEdited, this, &TfrmMain::KeepPossibleHetsOfFields);
    connect(Edit2, &QLineEdit::textEdited, this, &TfrmMain::KeepPossibleHetsOfFields);
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
    // The grid and the clutch view show the new result before the old one goes.
    auto result = std::make_unique<TCalcResult>(RunCalculation(CoreTextOf(Edit1), CoreTextOf(Edit2), options,
                                                               LocusList(), CombiList(),
                                                               {FMale.Possible, FFemale.Possible}));
    FGrid->SetResult(result.get());
    pnlClutch->ShowResult(result.get(), {options.DecimalSeparator, FAppDir, SelectedGeneSet()});
    FResult = std::move(result);
    ShowPossibleHets();

    QStringList lines;
    if (FResult->Refused()) {
        lines << FromCore(FResult->RefusalMessage());
    } else {
        lines.reserve(static_cast<qsizetype>(FResult->ReportLines().size()));
        for (const std::string& line : FResult->ReportLines())
            lines << FromCore(line);
    }
    reResult->setPlainText(lines.join('\n'));
    lblGridNote->setVisible(!FResult->Refused() && (!FMale.Possible.empty() || !FFemale.Possible.empty()));
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
    TAlleleQuestions questions(LocusList());
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
        AddPossibleHetEntries(selector, locus, loci, column.Possible, questions);
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

void TfrmMain::KeepPossibleHetsOfFields() {
    FMale.Possible = PossibleHetsKept(FMale.Possible, CoreTextOf(Edit1));
    FFemale.Possible = PossibleHetsKept(FFemale.Possible, CoreTextOf(Edit2));
    ShowPossibleHets();
}

void TfrmMain::ShowPossibleHets() {
    for (const TParentColumn* column : {&FMale, &FFemale}) {
        column->PossibleLabel->setText(PossibleHetsCaption(column->Possible));
        column->PossibleLabel->setVisible(!column->Possible.empty());
    }
}

void TfrmMain::ParentSelectionChange() {
    FMale.Possible = PossibleHetsShown(FMale.Selectors);
    FFemale.Possible = PossibleHetsShown(FFemale.Selectors);
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
        const int chance = ChanceOf(column.Possible, group);
        for (QComboBox* selector : column.Selectors) {
            if (const int entry = EntryOf(selector, group, chance); entry >= 0) {
                const QSignalBlocker blocker(selector);
                ShowSelectorText(selector, selector->itemText(entry));
            }
        }
    }
}

void TfrmMain::RestoreParentSelection() {
    BuildParentSelection();
    RefreshGeneLists();
}
