#include "ui/plan/PlanTab.h"

#include "calc/PairingPlan.h"
#include "storage/GeneSetFile.h"
#include "ui/geneset/AnimalKeeper.h"
#include "ui/geneset/GeneSetKeeper.h"
#include "ui/kit/CoreText.h"
#include "ui/plan/PlanModel.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString MissingSexesNote(bool noMale, bool noFemale) {
    const QString missing = noMale && noFemale ? "no male and no female" : noMale ? "no male" : "no female";
    return "The animals of this gene set include " + missing + ": there is no pairing to plan.";
}

} // namespace

TPlanTab::TPlanTab(TGeneSetKeeper& geneSets, TAnimalKeeper& animals, QWidget* parent)
    : QWidget(parent), FGeneSets(geneSets), FAnimals(animals) {
    auto* layout = new QVBoxLayout(this);
    auto* goalRow = new QHBoxLayout;
    FPlanGoalEdit = new QLineEdit(this);
    FPlanGoalEdit->setObjectName("PlanGoalEdit");
    FPlanGoalEdit->setPlaceholderText("Clown, Bumblebee, any of Pastel Clown, Clown");
    FPlanGoalEdit->setToolTip("The young you wish for, in words: a look, or several after \"any of\" with a "
                              "comma between them; Enter ranks the pairings");
    FPlanGoalEdit->setClearButtonEnabled(true);
    FPlanClutchSpinBox = new QSpinBox(this);
    FPlanClutchSpinBox->setObjectName("PlanClutchSpinBox");
    FPlanClutchSpinBox->setRange(MinClutchSize, MaxClutchSize);
    FPlanClutchSpinBox->setValue(FGeneSets.GeneSet().ClutchSize);
    FPlanClutchSpinBox->setSuffix(" eggs");
    goalRow->addWidget(new QLabel("Goal:", this));
    goalRow->addWidget(FPlanGoalEdit, 1);
    goalRow->addWidget(new QLabel("Clutch:", this));
    goalRow->addWidget(FPlanClutchSpinBox);
    layout->addLayout(goalRow);
    FPlanProblemLabel = new QLabel(this);
    FPlanProblemLabel->setObjectName("PlanProblemLabel");
    FPlanProblemLabel->setWordWrap(true);
    FPlanProblemLabel->setForegroundRole(QPalette::PlaceholderText);
    FPlanProblemLabel->hide();
    layout->addWidget(FPlanProblemLabel);
    FPlanNoteLabel = new QLabel(this);
    FPlanNoteLabel->setObjectName("PlanNoteLabel");
    FPlanNoteLabel->setWordWrap(true);
    FPlanNoteLabel->hide();
    layout->addWidget(FPlanNoteLabel);

    FModel = new TPlanModel(this);
    FPlanView = new QTableView(this);
    FPlanView->setObjectName("PlanView");
    FPlanView->setModel(FModel);
    FPlanView->setSelectionBehavior(QAbstractItemView::SelectRows);
    FPlanView->setSelectionMode(QAbstractItemView::SingleSelection);
    FPlanView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FPlanView->verticalHeader()->hide();
    // A line of text a row, as a list of pairings reads best.
    FPlanView->verticalHeader()->setDefaultSectionSize(FPlanView->fontMetrics().height() + 6);
    FPlanView->horizontalHeader()->setStretchLastSection(true);
    FPlanView->setWordWrap(false);
    layout->addWidget(FPlanView, 1);
    // The view would copy the one cell with the focus; a breeder copies the ranking.
    FPlanView->installEventFilter(this);

    auto* buttonRow = new QHBoxLayout;
    FUsePairingButton = new QPushButton("Use this pairing", this);
    FUsePairingButton->setObjectName("UsePairingButton");
    FUsePairingButton->setToolTip("Both animals into the Calculation tab, their chances as possible hets");
    FUsePairingButton->setEnabled(false);
    buttonRow->addStretch(1);
    buttonRow->addWidget(FUsePairingButton);
    layout->addLayout(buttonRow);

    connect(FPlanGoalEdit, &QLineEdit::editingFinished, this, [this] {
        if (FPlanGoalEdit->isModified())
            Plan();
    });
    // A new clutch changes the odds only: the shares stay.
    connect(FPlanClutchSpinBox, &QSpinBox::valueChanged, FModel, &TPlanModel::SetEggs);
    connect(&FGeneSets, &TGeneSetKeeper::SetReplaced, this,
            [this] { FPlanClutchSpinBox->setValue(FGeneSets.GeneSet().ClutchSize); });
    connect(&FAnimals, &TAnimalKeeper::AnimalsChanged, this, &TPlanTab::Plan);
    connect(FUsePairingButton, &QPushButton::clicked, this, &TPlanTab::UseSelectedPairing);
    connect(FModel, &QAbstractItemModel::modelReset, this, [this] { FUsePairingButton->setEnabled(false); });
    connect(FPlanView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { FUsePairingButton->setEnabled(FPlanView->selectionModel()->hasSelection()); });
}

void TPlanTab::Plan() {
    FPlanGoalEdit->setModified(false);
    const TGeneSet& set = FGeneSets.GeneSet();
    // In the encoding of the set's names; a character the encoding lacks is no name of the set anyway.
    const std::string words = CoreTextOf(FPlanGoalEdit, set.Encoding).value_or(CoreTextOf(FPlanGoalEdit));
    TPlanGoal goal;
    std::string message;
    const bool understood =
        !words.empty() && ReadPlanGoal(words, set.LocusList, set.CombiList, goal, message);
    FPlanProblemLabel->setText(FromCore(message));
    FPlanProblemLabel->setVisible(!words.empty() && !understood);
    if (!understood) {
        FModel->Clear();
        ShowNote({});
        return;
    }
    const TAnimalList& animals = FAnimals.AnimalsInMemory();
    const TFamilyChances& chances = FAnimals.ChancesInMemory();
    // Records that cannot all be true, or a database that could not be opened, rank nothing.
    const std::string& problem = FAnimals.IsOpen() ? chances.Problem : FAnimals.OpenProblem();
    if (!problem.empty()) {
        FModel->Clear();
        ShowNote(FromCore(problem));
        return;
    }
    const auto hasSex = [&animals](TSex sex) {
        return std::any_of(animals.begin(), animals.end(), [sex](const TAnimal& a) { return a.Sex == sex; });
    };
    const bool noMale = !hasSex(TSex::Male);
    const bool noFemale = !hasSex(TSex::Female);
    ShowNote(noMale || noFemale ? MissingSexesNote(noMale, noFemale) : QString());
    FModel->SetPlan(
        animals,
        PlanPairings(animals, chances.Animals, goal, FPlanClutchSpinBox->value(), FGeneSets.LocusList()),
        DecimalSeparator());
    FPlanView->resizeColumnsToContents();
}

bool TPlanTab::eventFilter(QObject* watched, QEvent* event) {
    const bool copy = (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
                      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy);
    if (!copy)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress)
        CopyPlan();
    event->accept();
    return true;
}

void TPlanTab::CopyPlan() const {
    if (FModel->rowCount() > 0)
        QApplication::clipboard()->setText(FModel->PlanText());
}

void TPlanTab::UseSelectedPairing() {
    const QModelIndexList rows = FPlanView->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    const TPlannedPairing& pairing = FModel->Pairing(rows.front().row());
    const TFamilyChances& chances = FAnimals.ChancesInMemory();
    emit PairingChosen(ParentOfChances(chances.Animals[pairing.Male]),
                       ParentOfChances(chances.Animals[pairing.Female]));
}

void TPlanTab::ShowNote(const QString& note) {
    FPlanNoteLabel->setText(note);
    FPlanNoteLabel->setVisible(!note.isEmpty());
}
