#include "ui/animals/AnimalDialog.h"

#include "model/Text.h"
#include "ui/animals/GenePicker.h"
#include "ui/geneset/GeneSetKeeper.h"
#include "ui/geneset/MorphEdit.h"
#include "ui/kit/CoreText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {

// Sexes in the order the selector lists them.
const TSex Sexes[] = {TSex::Male, TSex::Female, TSex::Unknown};

// The animals of sex `sex` other than `self`, after an empty entry for no parent; `chosen` shown.
QComboBox* MakeParentSelector(QWidget* parent, const QString& name, const TAnimalList& animals, TSex sex,
                              const std::string& self, const std::string& chosen) {
    auto* selector = new QComboBox(parent);
    selector->setObjectName(name);
    selector->addItem(QString());
    for (const TAnimal& animal : animals)
        if (animal.Sex == sex && (self.empty() || !SameTextIgnoringCase(animal.Name, self)))
            selector->addItem(FromCore(animal.Name));
    selector->setCurrentIndex(std::max(0, selector->findText(FromCore(chosen), Qt::MatchFixedString)));
    return selector;
}

} // namespace

TAnimalDialog::TAnimalDialog(QWidget* owner, const QString& caption, const TGeneSetKeeper& keeper,
                             const TAnimalList& animals, const TAnimal& animal)
    : QDialog(owner) {
    setObjectName("AnimalDialog");
    setWindowTitle(caption);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    layout->addLayout(fields, 1);

    AnimalNameEdit = new QLineEdit(this);
    AnimalNameEdit->setObjectName("AnimalNameEdit");
    SetCoreText(AnimalNameEdit, animal.Name);
    fields->addRow("Name", AnimalNameEdit);
    AnimalSexSelector = new QComboBox(this);
    AnimalSexSelector->setObjectName("AnimalSexSelector");
    AnimalSexSelector->addItems({"male", "female", "unknown"});
    AnimalSexSelector->setCurrentIndex(
        static_cast<int>(std::find(std::begin(Sexes), std::end(Sexes), animal.Sex) - std::begin(Sexes)));
    fields->addRow("Sex", AnimalSexSelector);
    AnimalMorphEdit = new TMorphEdit("Animal", keeper, this, "the problem shows beneath it");
    AnimalMorphEdit->SetWords(animal.Morph);
    fields->addRow("Looks and carries", AnimalMorphEdit);
    // Or picked gene by gene: the picks are written as words, and words read show in the picks.
    auto* genePicker = new TGenePicker(keeper, this);
    const TGeneSet& set = keeper.GeneSet();
    genePicker->Show(ReadMorph(animal.Morph, set.LocusList, set.CombiList));
    fields->addRow("Genes", genePicker);
    connect(genePicker, &TGenePicker::Picked, this,
            [this](const std::string& words) { AnimalMorphEdit->SetWords(words); });
    connect(AnimalMorphEdit, &TMorphEdit::Described, genePicker, &TGenePicker::Show);
    // A renamed animal is still not its own parent: it is left out under the name it had.
    SireSelector = MakeParentSelector(this, "SireSelector", animals, TSex::Male, animal.Name, animal.Sire);
    fields->addRow("Sire", SireSelector);
    DamSelector = MakeParentSelector(this, "DamSelector", animals, TSex::Female, animal.Name, animal.Dam);
    fields->addRow("Dam", DamSelector);
    HatchDateEdit = new QLineEdit(this);
    HatchDateEdit->setObjectName("HatchDateEdit");
    HatchDateEdit->setPlaceholderText("2025-06-30");
    SetCoreText(HatchDateEdit, animal.HatchDate);
    fields->addRow("Hatched", HatchDateEdit);
    AnimalNotesEdit = new QPlainTextEdit(this);
    AnimalNotesEdit->setObjectName("AnimalNotesEdit");
    AnimalNotesEdit->setPlainText(FromCore(animal.Notes));
    fields->addRow("Notes", AnimalNotesEdit);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    OkButton = buttons->button(QDialogButtonBox::Ok);
    OkButton->setObjectName("OkButton");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelButton");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TAnimalDialog::TryAccept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

TAnimal TAnimalDialog::Animal() const {
    TAnimal animal;
    animal.Name = ToCore(AnimalNameEdit->text().trimmed());
    animal.Sex = Sexes[std::clamp(AnimalSexSelector->currentIndex(), 0, 2)];
    animal.Morph = AnimalMorphEdit->Words();
    animal.Sire = ToCore(SireSelector->currentText());
    animal.Dam = ToCore(DamSelector->currentText());
    animal.HatchDate = ToCore(HatchDateEdit->text().trimmed());
    animal.Notes = ToCore(AnimalNotesEdit->toPlainText());
    return animal;
}

void TAnimalDialog::TryAccept() {
    if (AnimalMorphEdit->Reading().Understood())
        accept();
}
