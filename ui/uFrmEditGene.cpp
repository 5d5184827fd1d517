#include "ui/uFrmEditGene.h"

#include "model/Locus.h"
#include "ui/CoreText.h"
#include "ui/ShowMessage.h"

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
    edGeneName = new QLineEdit(this);
    edGeneName->setObjectName("edGeneName");
    Fields()->addRow("Gene name", edGeneName);
    edID = new QLineEdit(this);
    edID->setObjectName("edID");
    btnOK->setEnabled(false);
    connect(edID, &QLineEdit::textChanged, this, &TGeneDialog::edIDChange);
}

void TGeneDialog::RefuseID(const QString& message) {
    ShowMessage(message);
    edID->clear();
}

TfrmAddGene::TfrmAddGene(QWidget* owner, const TLocusList& geneSet)
    : TGeneDialog(owner, "frmAddGene", "Add Gene to locus", false, geneSet) {
    setWindowFlag(Qt::Tool);
    edID->setFixedWidth(40);
    auto* note = new QLabel("(just type one character like a or b)", this);
    note->setObjectName("Label3");
    auto* idRow = new QHBoxLayout;
    idRow->addWidget(edID);
    idRow->addWidget(note);
    idRow->addStretch();
    Fields()->addRow("Gene ID", idRow);
}

void TfrmAddGene::SetGene(TGene* gene) {
    Gene = gene;
    SetCoreText(edGeneName, gene->Name);
}

void TfrmAddGene::edIDChange() {
    const QString text = edID->text();
    if (text.size() > 1) {
        ShowMessage("Give just one character that is unique for this Gene within all genes");
        edID->setText(text.left(1));
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
    btnOK->setEnabled(text.size() == 1);
}

bool TfrmAddGene::btnOKClick() {
    std::optional<std::string> name = StoredText(edGeneName);
    if (!name)
        return false;
    Gene->Name = std::move(*name);
    const char id = static_cast<char>(edID->text()[0].unicode());
    Gene->SetAlleles(id, id);
    return true;
}

TfrmEditGene::TfrmEditGene(QWidget* owner, const TLocusList& geneSet)
    : TGeneDialog(owner, "frmEditGene", "Edit Gene", true, geneSet) {
    Fields()->addRow("Gene ID", edID);
    chkLethal = new QCheckBox("Lethal", this);
    chkLethal->setObjectName("chkLethal");
    chkLethal->setToolTip("An animal with this gene does not hatch");
    Fields()->addRow(QString(), chkLethal);
    edHealthNote = new QLineEdit(this);
    edHealthNote->setObjectName("edHealthNote");
    edHealthNote->setPlaceholderText("none");
    edHealthNote->setMaxLength(MaxHealthNoteLength);
    Fields()->addRow("Health note", edHealthNote);
}

void TfrmEditGene::SetGene(TGene* gene) {
    Gene = gene;
    SetCoreText(edGeneName, gene->Name);
    SetCoreText(edID, gene->Code());
    chkLethal->setChecked(gene->Lethal);
    SetCoreText(edHealthNote, gene->HealthNote);
}

void TfrmEditGene::edIDChange() {
    const QString text = edID->text();
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
    btnOK->setEnabled(text.size() == 2);
}

bool TfrmEditGene::btnOKClick() {
    // One line without blanks at its ends, as the gene-set file reads it back; a note left as it was keeps
    // its bytes.
    const QString note = edHealthNote->text();
    if (note != note.simplified())
        edHealthNote->setText(note.simplified());
    std::optional<std::string> name = StoredText(edGeneName);
    std::optional<std::string> healthNote = name ? StoredText(edHealthNote) : std::nullopt;
    if (!healthNote)
        return false;
    Gene->Name = std::move(*name);
    const std::string code = ToCore(edID->text());
    const std::string sorted = SortPair(code);
    Gene->SetAlleles(sorted[0], sorted[1]);
    Gene->Lethal = chkLethal->isChecked();
    Gene->HealthNote = std::move(*healthNote);
    return true;
}
