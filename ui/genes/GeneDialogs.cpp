#include "ui/genes/GeneDialogs.h"

#include "model/Locus.h"
#include "ui/kit/CoreText.h"
#include "ui/kit/ShowMessage.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A note says in a few words what the animals live with; a file line holds far more.
constexpr int MaxHealthNoteLength = 200;

// A typed Gene ID character that can be written into a gene-set file and read back unchanged.
bool IsValidTypedID(QChar c) {
    return c.unicode() < 0x80 && IsValidAlleleID(static_cast<char>(c.unicode()));
}

bool HasOnlyValidIDs(const QString& text) {
    for (const QChar c : text)
        if (!IsValidTypedID(c))
            return false;
    return true;
}

QString InvalidIDMessage(const QString& text) {
    return "\"" + text + "\" cannot be a Gene ID: use letters, digits or + , - . / : < > @ \\ ^ _ ` { | } ~";
}

QString UsedIDMessage(const QString& text, const std::string& geneName) {
    return text + " already used in Gene " + FromCore(geneName);
}

} // namespace

TGeneDialog::TGeneDialog(QWidget* owner, const QString& name, const QString& caption, bool okIsDefault,
                         const TLocusList& geneSet)
    : TEditDialog(owner, name, caption, okIsDefault), FGeneSet(geneSet) {
    GeneNameEdit = new QLineEdit(this);
    GeneNameEdit->setObjectName("GeneNameEdit");
    Fields()->addRow("Gene name", GeneNameEdit);
    GeneIdEdit = new QLineEdit(this);
    GeneIdEdit->setObjectName("GeneIdEdit");
    OkButton->setEnabled(false);
    connect(GeneIdEdit, &QLineEdit::textChanged, this, &TGeneDialog::CheckGeneId);
}

void TGeneDialog::RefuseID(const QString& message) {
    ShowMessage(message);
    GeneIdEdit->clear();
}

TAddGeneDialog::TAddGeneDialog(QWidget* owner, const TLocusList& geneSet)
    : TGeneDialog(owner, "AddGeneDialog", "Add Gene to locus", false, geneSet) {
    setWindowFlag(Qt::Tool);
    GeneIdEdit->setFixedWidth(40);
    auto* note = new QLabel("(just type one character like a or b)", this);
    note->setObjectName("HealthNoteHint");
    auto* idRow = new QHBoxLayout;
    idRow->addWidget(GeneIdEdit);
    idRow->addWidget(note);
    idRow->addStretch();
    Fields()->addRow("Gene ID", idRow);
}

void TAddGeneDialog::SetGene(TGene* gene) {
    Gene = gene;
    SetCoreText(GeneNameEdit, gene->Name);
}

void TAddGeneDialog::CheckGeneId() {
    const QString text = GeneIdEdit->text();
    if (text.size() > 1) {
        ShowMessage("Give just one character that is unique for this Gene within all genes");
        GeneIdEdit->setText(text.left(1));
        return;
    }
    if (text.size() == 1 && !IsValidTypedID(text[0])) {
        RefuseID(InvalidIDMessage(text));
        return;
    }
    // A reused character would give wrong offspring; the wild type '+' belongs to every locus.
    if (text.size() == 1 && text != "+") {
        if (const TGene* user = FGeneSet.GeneCarryingAllele(static_cast<char>(text[0].unicode()), Gene)) {
            RefuseID(UsedIDMessage(text, user->Name));
            return;
        }
    }
    OkButton->setEnabled(text.size() == 1);
}

bool TAddGeneDialog::TryAccept() {
    std::optional<std::string> name = StoredText(GeneNameEdit);
    if (!name)
        return false;
    Gene->Name = std::move(*name);
    const char id = static_cast<char>(GeneIdEdit->text()[0].unicode());
    Gene->SetAlleles(id, id);
    return true;
}

TEditGeneDialog::TEditGeneDialog(QWidget* owner, const TLocusList& geneSet)
    : TGeneDialog(owner, "EditGeneDialog", "Edit Gene", true, geneSet) {
    Fields()->addRow("Gene ID", GeneIdEdit);
    LethalCheck = new QCheckBox("Lethal", this);
    LethalCheck->setObjectName("LethalCheck");
    LethalCheck->setToolTip("An animal with this gene does not hatch");
    Fields()->addRow(QString(), LethalCheck);
    HealthNoteEdit = new QLineEdit(this);
    HealthNoteEdit->setObjectName("HealthNoteEdit");
    HealthNoteEdit->setPlaceholderText("none");
    HealthNoteEdit->setMaxLength(MaxHealthNoteLength);
    Fields()->addRow("Health note", HealthNoteEdit);
}

void TEditGeneDialog::SetGene(TGene* gene) {
    Gene = gene;
    SetCoreText(GeneNameEdit, gene->Name);
    SetCoreText(GeneIdEdit, gene->Code());
    LethalCheck->setChecked(gene->Lethal);
    SetCoreText(HealthNoteEdit, gene->HealthNote);
}

void TEditGeneDialog::CheckGeneId() {
    const QString text = GeneIdEdit->text();
    if (text.size() == 2 && !HasOnlyValidIDs(text)) {
        RefuseID(InvalidIDMessage(text));
        return;
    }
    if (text.size() == 2) {
        const std::string name = FGeneSet.FindGeneName(ToCore(text));
        if (!name.empty() && name != Gene->Name) {
            RefuseID(UsedIDMessage(text, name));
            return;
        }
    }
    OkButton->setEnabled(text.size() == 2);
}

bool TEditGeneDialog::TryAccept() {
    // One line without blanks at its ends, as the gene-set file reads it back; a note left as it was keeps
    // its bytes.
    const QString note = HealthNoteEdit->text();
    if (note != note.simplified())
        HealthNoteEdit->setText(note.simplified());
    std::optional<std::string> name = StoredText(GeneNameEdit);
    std::optional<std::string> healthNote = name ? StoredText(HealthNoteEdit) : std::nullopt;
    if (!healthNote)
        return false;
    Gene->Name = std::move(*name);
    const std::string code = ToCore(GeneIdEdit->text());
    const std::string sorted = SortPair(code);
    Gene->SetAlleles(sorted[0], sorted[1]);
    Gene->Lethal = LethalCheck->isChecked();
    Gene->HealthNote = std::move(*healthNote);
    return true;
}
