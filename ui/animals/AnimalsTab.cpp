#include "ui/animals/AnimalsTab.h"

#include "calc/MorphText.h"
#include "model/Text.h"
#include "storage/AnimalCsv.h"
#include "ui/animals/AnimalDetails.h"
#include "ui/animals/AnimalDialog.h"
#include "ui/geneset/AnimalKeeper.h"
#include "ui/geneset/GeneSetKeeper.h"
#include "ui/kit/CoreText.h"
#include "ui/kit/FileDialogs.h"
#include "ui/kit/ShowMessage.h"

#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString CsvFilter = "Animals as CSV (*.csv)";

const char* SexText(TSex sex) {
    return sex == TSex::Male ? "male" : sex == TSex::Female ? "female" : "unknown";
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

TAnimalsTab::TAnimalsTab(TAnimalKeeper& animals, TGeneSetKeeper& geneSets, QWidget* parent)
    : QWidget(parent), FAnimals(animals), FGeneSets(geneSets) {
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel("Animals of", this));
    FAnimalSetSelector = new QComboBox(this);
    FAnimalSetSelector->setObjectName("AnimalSetSelector");
    FAnimalSetSelector->setMinimumContentsLength(16);
    bar->addWidget(FAnimalSetSelector);
    FAddAnimalButton = MakeButton(this, "AddAnimalButton", "Add…");
    FEditAnimalButton = MakeButton(this, "EditAnimalButton", "Edit…");
    FDeleteAnimalButton = MakeButton(this, "DeleteAnimalButton", "Delete");
    FImportAnimalsButton = MakeButton(this, "ImportAnimalsButton", "Import CSV…");
    FExportAnimalsButton = MakeButton(this, "ExportAnimalsButton", "Export CSV…");
    for (QPushButton* button : {FAddAnimalButton, FEditAnimalButton, FDeleteAnimalButton,
                                FImportAnimalsButton, FExportAnimalsButton})
        bar->addWidget(button);
    bar->addStretch();
    layout->addLayout(bar);
    FDatabaseProblemLabel = new QLabel(FromCore(animals.OpenProblem()), this);
    FDatabaseProblemLabel->setObjectName("DatabaseProblemLabel");
    FDatabaseProblemLabel->setWordWrap(true);
    FDatabaseProblemLabel->setVisible(!animals.IsOpen());
    layout->addWidget(FDatabaseProblemLabel);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    FAnimalListView = new QTreeWidget(splitter);
    FAnimalListView->setObjectName("AnimalListView");
    FAnimalListView->setHeaderLabels({"Name", "Sex", "Looks", "Sire", "Dam", "Hatched"});
    FAnimalListView->setRootIsDecorated(false);
    FAnimalListView->setSelectionMode(QAbstractItemView::SingleSelection);
    FAnimalListView->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    FDetails = new TAnimalDetails(animals, geneSets, splitter);
    FDetails->setObjectName("AnimalDetailsPanel");
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    layout->addWidget(splitter, 1);

    connect(FAddAnimalButton, &QPushButton::clicked, this, &TAnimalsTab::AddAnimal);
    connect(FEditAnimalButton, &QPushButton::clicked, this, &TAnimalsTab::EditSelectedAnimal);
    connect(FAnimalListView, &QTreeWidget::itemDoubleClicked, this, &TAnimalsTab::EditSelectedAnimal);
    connect(FDeleteAnimalButton, &QPushButton::clicked, this, &TAnimalsTab::DeleteSelectedAnimal);
    connect(FImportAnimalsButton, &QPushButton::clicked, this, &TAnimalsTab::ImportAnimals);
    connect(FExportAnimalsButton, &QPushButton::clicked, this, &TAnimalsTab::ExportAnimals);
    connect(FAnimalSetSelector, &QComboBox::activated, this, &TAnimalsTab::ShowAnimals);
    connect(FAnimalListView, &QTreeWidget::itemSelectionChanged, this, &TAnimalsTab::ShowSelectedAnimal);
    connect(FDetails, &TAnimalDetails::UsedAsParent, this, &TAnimalsTab::UsedAsParent);
    connect(&animals, &TAnimalKeeper::AnimalsChanged, this, &TAnimalsTab::ShowAnimals);
    connect(&geneSets, &TGeneSetKeeper::SetReplaced, this, &TAnimalsTab::ListGeneSets);
    ListGeneSets();
}

void TAnimalsTab::ListGeneSets() {
    const QSignalBlocker blocker(FAnimalSetSelector);
    FAnimalSetSelector->clear();
    const QString inMemory = FromCore(FAnimals.GeneSetInMemory());
    for (const std::string& name : FGeneSets.GeneSetNames())
        FAnimalSetSelector->addItem(FromCore(name));
    if (FAnimalSetSelector->findText(inMemory, Qt::MatchFixedString) < 0)
        FAnimalSetSelector->insertItem(0, inMemory);
    FAnimalSetSelector->setCurrentIndex(FAnimalSetSelector->findText(inMemory, Qt::MatchFixedString));
    ShowAnimals();
}

std::string TAnimalsTab::ShownGeneSet() const {
    return ToCore(FAnimalSetSelector->currentText());
}

// Looks are read in the words of the set in memory, so only its animals are added or changed here.
bool TAnimalsTab::ShowsSetInMemory() const {
    return SameTextIgnoringCase(ShownGeneSet(), FAnimals.GeneSetInMemory());
}

void TAnimalsTab::ShowAnimals() {
    const QString selected = SelectedAnimal() ? FromCore(SelectedAnimal()->Name) : QString();
    std::string message;
    if (!FAnimals.ListAnimals(ShownGeneSet(), FShown, message) && FAnimals.IsOpen())
        ShowMessage(FromCore(message));
    const QSignalBlocker blocker(FAnimalListView);
    FAnimalListView->clear();
    for (const TAnimal& animal : FShown) {
        auto* item = new QTreeWidgetItem(FAnimalListView, {FromCore(animal.Name), SexText(animal.Sex),
                                                           FromCore(animal.Morph), FromCore(animal.Sire),
                                                           FromCore(animal.Dam), FromCore(animal.HatchDate)});
        item->setToolTip(0, FromCore(animal.Notes));
        if (item->text(0) == selected)
            item->setSelected(true);
    }
    const bool open = FAnimals.IsOpen();
    const bool inMemory = open && ShowsSetInMemory();
    FAddAnimalButton->setEnabled(inMemory);
    FImportAnimalsButton->setEnabled(inMemory);
    FExportAnimalsButton->setEnabled(open);
    ShowSelectedAnimal();
}

const TAnimal* TAnimalsTab::SelectedAnimal() const {
    const QList<QTreeWidgetItem*> selected = FAnimalListView->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    const int row = FAnimalListView->indexOfTopLevelItem(selected.first());
    return row >= 0 && row < static_cast<int>(FShown.size()) ? &FShown[static_cast<size_t>(row)] : nullptr;
}

void TAnimalsTab::ShowSelectedAnimal() {
    const TAnimal* animal = SelectedAnimal();
    FEditAnimalButton->setEnabled(animal && FAnimals.IsOpen() && ShowsSetInMemory());
    FDeleteAnimalButton->setEnabled(animal && FAnimals.IsOpen());
    FDetails->ShowAnimal(animal && ShowsSetInMemory() ? FAnimals.FindInMemory(animal->Name) : std::nullopt);
}

std::optional<TAnimal> TAnimalsTab::AskAnimal(const QString& caption, const TAnimal& animal) {
    TAnimalDialog dialog(this, caption, FGeneSets, FShown, animal);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Animal();
}

void TAnimalsTab::AddAnimal() {
    TAnimal animal;
    for (std::optional<TAnimal> asked; (asked = AskAnimal("Add animal", animal));) {
        std::string message;
        if (FAnimals.AddAnimal(ShownGeneSet(), *asked, message))
            return;
        // Refused: the form opens again as the breeder left it, to be put right.
        ShowMessage(FromCore(message));
        animal = *asked;
    }
}

void TAnimalsTab::EditSelectedAnimal() {
    const TAnimal* selected = SelectedAnimal();
    if (!selected || !FEditAnimalButton->isEnabled())
        return;
    const std::string name = selected->Name;
    TAnimal animal = *selected;
    for (std::optional<TAnimal> asked; (asked = AskAnimal("Edit " + FromCore(name), animal));) {
        std::string message;
        if (FAnimals.UpdateAnimal(ShownGeneSet(), name, *asked, message))
            return;
        ShowMessage(FromCore(message));
        animal = *asked;
    }
}

void TAnimalsTab::DeleteSelectedAnimal() {
    const TAnimal* selected = SelectedAnimal();
    if (!selected)
        return;
    const std::string name = selected->Name;
    QStringList children;
    for (const TAnimal& animal : FShown)
        if (SameTextIgnoringCase(animal.Sire, name) || SameTextIgnoringCase(animal.Dam, name))
            children << FromCore(animal.Name);
    QString question = "Delete " + FromCore(name) + "?";
    if (!children.isEmpty())
        question += " Its offspring " + children.join(", ") + " will have no " +
                    (selected->Sex == TSex::Male ? "sire" : "dam") + " recorded.";
    if (!AskYesNo(question))
        return;
    std::string message;
    if (!FAnimals.DeleteAnimal(ShownGeneSet(), name, message))
        ShowMessage(FromCore(message));
}

void TAnimalsTab::ImportAnimals() {
    const QString path = AskOpenFileName(this, "Import animals", CsvFilter);
    if (path.isEmpty())
        return;
    TAnimalList animals;
    std::string message;
    // Young of animals kept already may name them as parents.
    if (!LoadAnimalCsv(QFile::encodeName(path).toStdString(), animals, message, FShown)) {
        ShowMessage(FromCore(message));
        return;
    }
    // Rows are counted as the animals are, from 1 after the header.
    const TGeneSet& set = FGeneSets.GeneSet();
    for (size_t i = 0; i < animals.size(); ++i) {
        if (const TMorphReading morph = ReadMorph(animals[i].Morph, set.LocusList, set.CombiList);
            !morph.Understood()) {
            ShowMessage(FromCore("Row " + std::to_string(i + 1) + ": " + morph.Message()));
            return;
        }
    }
    if (!FAnimals.ImportAnimals(ShownGeneSet(), animals, message))
        ShowMessage(FromCore(message));
}

void TAnimalsTab::ExportAnimals() {
    const QString path = AskSaveFileName(this, "Export animals", CsvFilter, "csv");
    if (!path.isEmpty())
        WriteChosenFile(path, AnimalCsvText(FShown));
}
