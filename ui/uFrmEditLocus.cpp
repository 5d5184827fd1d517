#include "ui/uFrmEditLocus.h"

#include "model/Locus.h"
#include "ui/CoreText.h"

#include <QFormLayout>
#include <QLineEdit>

TfrmEditLocus::TfrmEditLocus(QWidget* owner) : TEditDialog(owner, "frmEditLocus", "Edit", false) {
    edLocusName = new QLineEdit(this);
    edLocusName->setObjectName("edLocusName");
    Fields()->addRow("Locus name", edLocusName);
}

void TfrmEditLocus::SetLocus(TLocus* locus) {
    Locus = locus;
    SetCoreText(edLocusName, locus->Name);
}

bool TfrmEditLocus::btnOKClick() {
    std::optional<std::string> name = StoredText(edLocusName);
    if (name)
        Locus->Name = std::move(*name);
    return name.has_value();
}
