#include "ui/calculation/CalculationTab.h"

#include "calc/Calculation.h"
#include "calc/SelectionCheck.h"
#include "storage/FileIO.h"
#include "storage/IniFile.h"
#include "ui/calculation/CalculationProgress.h"
#include "ui/calculation/ClutchView.h"
#include "ui/calculation/GridModel.h"
#include "ui/calculation/ParentColumns.h"
#include "ui/geneset/GeneSetKeeper.h"
#include "ui/geneset/MorphEdit.h"
#include "ui/kit/CoreText.h"
#include "ui/kit/GridColumnSizer.h"
#include "ui/kit/RadioGroup.h"
#include "ui/kit/ReportPrinter.h"
#include "ui/kit/ShowMessage.h"
#include "ui/kit/ToolPictures.h"
#include "ui/kit/WidgetKit.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const ClutchViewSection = "Config";
const char* const ClutchViewKey = "ClutchView";

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

TCalculationTab::TCalculationTab(TGeneSetKeeper& keeper, QWidget* parent) : QWidget(parent), FKeeper(keeper) {
    auto* tabLayout = new QHBoxLayout(this);
    tabLayout->setContentsMargins(2, 2, 2, 2);

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);

    auto* pairingPanel = new QWidget(left);
    pairingPanel->setObjectName("PairingPanel");
    auto* top = new QGridLayout(pairingPanel);
    top->setContentsMargins(0, 0, 0, 0);
    auto* maleLabel = new QLabel("Male", pairingPanel);
    maleLabel->setObjectName("MaleCaption");
    auto* femaleLabel = new QLabel("Female", pairingPanel);
    femaleLabel->setObjectName("FemaleCaption");
    FMaleCodesEdit = new QLineEdit(pairingPanel);
    FMaleCodesEdit->setObjectName("MaleCodesEdit");
    FFemaleCodesEdit = new QLineEdit(pairingPanel);
    FFemaleCodesEdit->setObjectName("FemaleCodesEdit");
    FMaleCodesEdit->setMinimumWidth(110);
    FFemaleCodesEdit->setMinimumWidth(110);
    FMalePossibleHetsLabel = new QLabel(pairingPanel);
    FMalePossibleHetsLabel->setObjectName("MalePossibleHetsLabel");
    FFemalePossibleHetsLabel = new QLabel(pairingPanel);
    FFemalePossibleHetsLabel->setObjectName("FemalePossibleHetsLabel");
    // A field and its line of possible hets, which takes no room while hidden.
    const auto fieldWithPossibleHets = [](QLineEdit* field, QLabel* possible) {
        auto* layout = new QVBoxLayout;
        layout->setSpacing(0);
        layout->addWidget(field);
        layout->addWidget(possible);
        return layout;
    };
    FMaleMorphEdit = new TMorphEdit("Male", keeper, pairingPanel);
    FFemaleMorphEdit = new TMorphEdit("Female", keeper, pairingPanel);
    // The caption, and beside it the line where the parent is described in words.
    const auto captionWithWords = [](QLabel* caption, TMorphEdit* words) {
        auto* layout = new QHBoxLayout;
        layout->addWidget(caption, 0, Qt::AlignTop);
        layout->addWidget(words, 1);
        return layout;
    };
    top->addLayout(captionWithWords(maleLabel, FMaleMorphEdit), 0, 0);
    top->addLayout(fieldWithPossibleHets(FMaleCodesEdit, FMalePossibleHetsLabel), 1, 0);
    top->addLayout(captionWithWords(femaleLabel, FFemaleMorphEdit), 2, 0);
    top->addLayout(fieldWithPossibleHets(FFemaleCodesEdit, FFemalePossibleHetsLabel), 3, 0);

    auto* calculateButton = MakeToolButton(pairingPanel, "CalculateButton", "Calculate predicted offspring",
                                           TToolPicture::Calculate);
    auto* clearAllButton =
        MakeToolButton(pairingPanel, "ClearAllButton", "Clear all genes", TToolPicture::ClearAll);
    top->addWidget(MakeToolBar(pairingPanel, "CalculateToolBar", {calculateButton, clearAllButton}), 0, 1, 4,
                   1);

    FRatioChoice = new TRadioGroup("RatioChoice", {"Ratio", "Percentage"}, pairingPanel);
    FCombiChoice = new TRadioGroup("CombiChoice", {"Seperate genes", "Combi"}, pairingPanel);
    FPhenotypeChoice = new TRadioGroup("PhenotypeChoice", {"Genotype", "Phenotype"}, pairingPanel);
    FPossibleHetsChoice =
        new TRadioGroup("PossibleHetsChoice", {"Show Poss.", "No poss. hets"}, pairingPanel);
    auto* options = new QGridLayout;
    options->setSpacing(2);
    int position = 0;
    for (TRadioGroup* group : {FRatioChoice, FCombiChoice, FPhenotypeChoice, FPossibleHetsChoice}) {
        group->SetItemIndex(0);
        options->addWidget(group, position / 2, position % 2);
        ++position;
        connect(group, &TRadioGroup::Click, this, &TCalculationTab::Calculate);
    }
    FClutchViewCheck = new QCheckBox("Clutch view", pairingPanel);
    FClutchViewCheck->setObjectName("ClutchViewCheck");
    FClutchViewCheck->setChecked(true);
    options->addWidget(FClutchViewCheck, 2, 0, 1, 2);
    top->addLayout(options, 0, 2, 4, 1);
    int column = 3;
    top->setColumnStretch(column++, 1);

    auto* printButton = MakeToolButton(pairingPanel, "PrintButton", "Print results", TToolPicture::Print);
    auto* closeButton = MakeToolButton(pairingPanel, "CloseButton", "Close program", TToolPicture::Close);
    top->addWidget(MakeToolBar(pairingPanel, "PrintToolBar", {printButton, closeButton}), 0, column, 2, 1,
                   Qt::AlignRight);
    // Under the printer, where it takes no width from a small window.
    auto* pdfButton = new QToolButton(pairingPanel);
    pdfButton->setObjectName("SavePdfButton");
    pdfButton->setText("PDF");
    pdfButton->setToolTip("Save report as PDF…");
    pdfButton->setAutoRaise(true);
    top->addWidget(pdfButton, 2, column, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    leftLayout->addWidget(pairingPanel);
    FProgress = new TCalculationProgress(left);
    leftLayout->addWidget(FProgress);
    connect(FProgress, &TCalculationProgress::Finished, this, &TCalculationTab::ShowOutcome);

    auto* results = new QSplitter(Qt::Vertical, left);
    results->setObjectName("ResultSplitter");
    // Plain text is laid out only where it is seen, so that a report of many thousand lines shows at once.
    FReportView = new QPlainTextEdit(results);
    FReportView->setObjectName("ReportView");
    // The report is the calculation's: it can be selected and copied, never typed over.
    FReportView->setReadOnly(true);
    FReportView->setLineWrapMode(QPlainTextEdit::NoWrap);
    FReportView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FReportView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FReportView->setFont(ReportFont());
    auto* gridPanel = new QWidget(results);
    gridPanel->setObjectName("GridPanel");
    auto* gridLayout = new QVBoxLayout(gridPanel);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->setSpacing(1);
    FGridNote = new QLabel("Grid: possible hets taken as het", gridPanel);
    FGridNote->setObjectName("GridNote");
    FGridNote->hide();
    FGridView = new QTableView(gridPanel);
    FGridView->setObjectName("GridView");
    FGrid = new TGridModel(FGridView);
    FGridView->setModel(FGrid);
    FGridView->horizontalHeader()->setDefaultSectionSize(65);
    new TGridColumnSizer(FGridView);
    FGridView->verticalHeader()->setDefaultSectionSize(20);
    FGridView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FGridView->verticalHeader()->setMinimumWidth(65);
    gridLayout->addWidget(FGridNote);
    gridLayout->addWidget(FGridView, 1);
    FClutchView = new TClutchView(results);
    connect(FClutchViewCheck, &QCheckBox::toggled, FClutchView, &QWidget::setVisible);
    results->addWidget(FReportView);
    results->addWidget(FClutchView);
    results->addWidget(gridPanel);
    results->setStretchFactor(0, 3);
    results->setStretchFactor(1, 3);
    results->setStretchFactor(2, 2);
    leftLayout->addWidget(results, 1);

    tabLayout->addWidget(left, 1);
    // Made after the fields and the report, so that the keyboard reaches the parent columns last.
    FParents = new TParentColumns(this);
    tabLayout->addWidget(FParents);
    ShowPossibleHets();

    connect(FParents, &TParentColumns::SelectionChanged, this, &TCalculationTab::TakeParentSelection);
    connect(&keeper, &TGeneSetKeeper::SetReplaced, this, [this] {
        ApplyGeneSetState();
        Calculate();
    });
    connect(&keeper, &TGeneSetKeeper::Saving, this, &TCalculationTab::CollectGeneSetState);
    // Every view shows the set as it is now: an edit on the Gene management tab calculates again.
    connect(&keeper, &TGeneSetKeeper::LociChanged, this, [this] {
        BuildParentSelection();
        Calculate();
    });
    connect(&keeper, &TGeneSetKeeper::CombisChanged, this, &TCalculationTab::Calculate);
    connect(&keeper, &TGeneSetKeeper::RelationsChanged, this, &TCalculationTab::Calculate);
    connect(FMaleCodesEdit, &QLineEdit::textEdited, this, &TCalculationTab::FollowTypedCodes);
    connect(FFemaleCodesEdit, &QLineEdit::textEdited, this, &TCalculationTab::FollowTypedCodes);
    connect(FMaleCodesEdit, &QLineEdit::textEdited, FMaleMorphEdit, &TMorphEdit::Forget);
    connect(FFemaleCodesEdit, &QLineEdit::textEdited, FFemaleMorphEdit, &TMorphEdit::Forget);
    connect(FMaleMorphEdit, &TMorphEdit::Described, this,
            [this](const TMorphReading& reading) { TakeDescription(TParent::Male, reading); });
    connect(FFemaleMorphEdit, &TMorphEdit::Described, this,
            [this](const TMorphReading& reading) { TakeDescription(TParent::Female, reading); });
    connect(calculateButton, &QToolButton::clicked, this, &TCalculationTab::Calculate);
    connect(clearAllButton, &QToolButton::clicked, this, &TCalculationTab::ClearAll);
    connect(printButton, &QToolButton::clicked, this, &TCalculationTab::PrintResults);
    connect(pdfButton, &QToolButton::clicked, this, &TCalculationTab::SaveResultsAsPdf);
    connect(closeButton, &QToolButton::clicked, this, &TCalculationTab::CloseRequested);
}

// The view lets go of the report before the outcome holding it goes.
TCalculationTab::~TCalculationTab() {
    FReportView->setDocument(nullptr);
}

void TCalculationTab::Calculate() {
    TCalcOptions options;
    options.RatioIndex = FRatioChoice->ItemIndex();
    options.CombiIndex = FCombiChoice->ItemIndex();
    options.PhenotypeIndex = FPhenotypeChoice->ItemIndex();
    options.PossibleHetsIndex = FPossibleHetsChoice->ItemIndex();
    options.DecimalSeparator = DecimalSeparator();
    TCalcRequest request{CoreTextOf(FMaleCodesEdit), CoreTextOf(FFemaleCodesEdit),
                         std::move(options),         FKeeper.LocusList(),
                         FKeeper.CombiList(),        {Possible(TParent::Male), Possible(TParent::Female)},
                         FReportView->font()};
    // Codes that are no genes of the set in memory (typed, or a pairing of another set) are named, never
    // calculated into a report that looks right.
    const std::string notGenes = SelectionProblem(request.Male, request.Female, FKeeper.LocusList());
    if (notGenes.empty()) {
        FProgress->Start(std::move(request));
        return;
    }
    FProgress->Drop();
    auto refused = std::make_shared<TCalcOutcome>();
    refused->Result =
        TCalcResult::RefusedWith(notGenes + " The gene set in memory is \"" + FKeeper.GeneSet().Name + "\".");
    ShowOutcome(refused);
}

const TCalcResult* TCalculationTab::Result() const {
    return FOutcome ? &FOutcome->Result : nullptr;
}

bool TCalculationTab::Calculating() const {
    return FProgress->Running();
}

void TCalculationTab::ShowOutcome(std::shared_ptr<TCalcOutcome> outcome) {
    // Every edit of the set calculates again, so the newest run saw the loci as they are: the default
    // relations it stored belong to them, as they are saved with the set.
    TLocusList& loci = FKeeper.LocusList();
    if (!outcome->Result.Refused() && outcome->Loci.Count() == loci.Count())
        for (int i = 0; i < loci.Count(); ++i)
            loci[i]->Weights() = outcome->Loci[i]->Weights();
    const TCalcResult* result = &outcome->Result;
    // The grid and the clutch view show the new result before the old one goes.
    FGrid->SetResult(result);
    FClutchView->ShowResult(result, {DecimalSeparator(), FKeeper.AppDir(), FKeeper.SelectedGeneSet()});
    if (!outcome->Report)
        outcome->Report = ReportDocument(*result, FReportView->font());
    FReportView->setDocument(outcome->Report.get());
    // The report shown before goes with its outcome, now that the view lets go of it.
    FOutcome = std::move(outcome);
    ShowPossibleHets();
    FGridNote->setVisible(!result->Refused() &&
                          (!Possible(TParent::Male).empty() || !Possible(TParent::Female).empty()));
    const QString widest = FromCore(result->CellText(0, 1));
    FGridView->verticalHeader()->setFixedWidth(
        std::max(65, FGridView->fontMetrics().horizontalAdvance(widest) + 12));
    emit Calculated();
}

std::unique_ptr<QTextDocument> TCalculationTab::PrintedReport() const {
    std::unique_ptr<QTextDocument> report(FReportView->document()->clone());
    report->setDefaultFont(FReportView->document()->defaultFont());
    if (FClutchViewCheck->isChecked() && FOutcome && !FOutcome->Result.Refused())
        FClutchView->AppendTable(*report);
    return report;
}

void TCalculationTab::PrintResults() {
    PrintReport(*PrintedReport(), "Calculation Zygora", this);
}

void TCalculationTab::SaveResultsAsPdf() {
    SaveReportAsPdf(*PrintedReport(), "Calculation Zygora", this);
}

void TCalculationTab::BuildParentSelection() {
    FParents->Build(FKeeper.LocusList(), CoreTextOf(FMaleCodesEdit), CoreTextOf(FFemaleCodesEdit));
}

const std::vector<TPossibleHet>& TCalculationTab::Possible(TParent parent) const {
    return FParents->Possible(parent);
}

void TCalculationTab::FollowTypedCodes() {
    const std::string male = CoreTextOf(FMaleCodesEdit);
    const std::string female = CoreTextOf(FFemaleCodesEdit);
    FParents->SetPossible(TParent::Male, PossibleHetsKept(Possible(TParent::Male), male));
    FParents->SetPossible(TParent::Female, PossibleHetsKept(Possible(TParent::Female), female));
    FParents->ShowSelections(male, female);
    ShowPossibleHets();
}

void TCalculationTab::ShowPossibleHets() {
    for (const auto& [label, parent] : {std::pair{FMalePossibleHetsLabel, TParent::Male},
                                        std::pair{FFemalePossibleHetsLabel, TParent::Female}}) {
        label->setText(PossibleHetsCaption(Possible(parent)));
        label->setVisible(!Possible(parent).empty());
    }
}

void TCalculationTab::TakeDescription(TParent parent, const TMorphReading& reading) {
    const bool male = parent == TParent::Male;
    std::string maleSelection = male ? reading.Selection : FParents->Selection(TParent::Male);
    std::string femaleSelection = male ? FParents->Selection(TParent::Female) : reading.Selection;
    ReduceSelections(maleSelection, femaleSelection);
    SetCoreText(FMaleCodesEdit, maleSelection);
    SetCoreText(FFemaleCodesEdit, femaleSelection);
    FParents->SetPossible(parent, reading.PossibleHets);
    // Built again, so that a chance the breeder named has its entry in the selectors.
    BuildParentSelection();
    Calculate();
}

void TCalculationTab::UseParent(bool male, const TMorphReading& parent) {
    (male ? FMaleMorphEdit : FFemaleMorphEdit)->Forget();
    TakeDescription(male ? TParent::Male : TParent::Female, parent);
}

void TCalculationTab::TakeParentSelection() {
    FParents->TakeShownPossibleHets();
    std::string male = FParents->Selection(TParent::Male);
    std::string female = FParents->Selection(TParent::Female);
    ReduceSelections(male, female);
    // A parent picked in the selectors is no longer the one its words described.
    if (male != CoreTextOf(FMaleCodesEdit))
        FMaleMorphEdit->Forget();
    if (female != CoreTextOf(FFemaleCodesEdit))
        FFemaleMorphEdit->Forget();
    SetCoreText(FMaleCodesEdit, male);
    SetCoreText(FFemaleCodesEdit, female);
    Calculate();
}

void TCalculationTab::ClearAll() {
    FParents->Clear(TParent::Male);
    FParents->Clear(TParent::Female);
    TakeParentSelection();
}

TPairing TCalculationTab::Pairing() const {
    return {CoreTextOf(FMaleCodesEdit), CoreTextOf(FFemaleCodesEdit), Possible(TParent::Male),
            Possible(TParent::Female)};
}

void TCalculationTab::SetPairing(const TPairing& pairing) {
    FMaleMorphEdit->Forget();
    FFemaleMorphEdit->Forget();
    SetCoreText(FMaleCodesEdit, pairing.Male);
    SetCoreText(FFemaleCodesEdit, pairing.Female);
    FParents->SetPossible(TParent::Male, pairing.MalePossible);
    FParents->SetPossible(TParent::Female, pairing.FemalePossible);
}

void TCalculationTab::ApplyGeneSetState() {
    const TGeneSet& set = FKeeper.GeneSet();
    FMaleMorphEdit->Forget();
    FFemaleMorphEdit->Forget();
    FRatioChoice->SetItemIndex(ChoiceItem(set.RatioIndex, FRatioChoice->ItemCount()));
    FCombiChoice->SetItemIndex(ChoiceItem(set.CombiIndex, FCombiChoice->ItemCount()));
    FPhenotypeChoice->SetItemIndex(ChoiceItem(set.PhenotypeIndex, FPhenotypeChoice->ItemCount()));
    FPossibleHetsChoice->SetItemIndex(ChoiceItem(set.PossibleHetsIndex, FPossibleHetsChoice->ItemCount()));
    SetCoreText(FMaleCodesEdit, set.Male);
    SetCoreText(FFemaleCodesEdit, set.Female);
    FParents->SetPossible(TParent::Male, set.MalePossible);
    FParents->SetPossible(TParent::Female, set.FemalePossible);
    FClutchView->SetEggs(set.ClutchSize);
}

void TCalculationTab::CollectGeneSetState() {
    TGeneSet& set = FKeeper.GeneSet();
    set.Male = CoreTextOf(FMaleCodesEdit);
    set.Female = CoreTextOf(FFemaleCodesEdit);
    set.MalePossible = Possible(TParent::Male);
    set.FemalePossible = Possible(TParent::Female);
    set.RatioIndex = FRatioChoice->ItemIndex();
    set.CombiIndex = FCombiChoice->ItemIndex();
    set.PhenotypeIndex = FPhenotypeChoice->ItemIndex();
    set.PossibleHetsIndex = FPossibleHetsChoice->ItemIndex();
    set.ClutchSize = FClutchView->Eggs();
}

// The view is shown unless the key says otherwise; the key is written only while it is hidden, and the
// save of the whole file before it drops the key.
void TCalculationTab::RestoreClutchViewChoice(const std::string& mainSettings) {
    std::string content;
    std::string reason;
    if (ReadWholeFile(mainSettings, content, reason) == TReadResult::Ok)
        FClutchViewCheck->setChecked(TIniFile(content).ReadValue(ClutchViewSection, ClutchViewKey) != "0");
}

void TCalculationTab::KeepClutchViewChoice(const std::string& mainSettings) {
    std::string message;
    if (!FClutchViewCheck->isChecked() &&
        !WriteFileKey(mainSettings, ClutchViewSection, ClutchViewKey, "0", message))
        ShowMessage(FromCore(message));
}
