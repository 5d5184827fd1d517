#include "ui/genes/LocusDialog.h"

#include "model/Locus.h"
#include "ui/kit/CoreText.h"

#include <QFormLayout>
#include <QLineEdit>

TLocusDialog::TLocusDialog(QWidget* owner) : TEditDialog(owner, "LocusDialog", "Edit", false) {
    LocusNameEdit = new QLineEdit(this);
    LocusNameEdit->setObjectName("LocusNameEdit");
    Fields()->addRow("Locus name", LocusNameEdit);
}

void TLocusDialog::SetLocus(TLocus* locus) {
    Locus = locus;
    SetCoreText(LocusNameEdit, locus->Name);
}

bool TLocusDialog::TryAccept() {
    std::optional<std::string> name = StoredText(LocusNameEdit);
    if (name)
        Locus->Name = std::move(*name);
    return name.has_value();
}
