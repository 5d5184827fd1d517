// The dialog that edits a locus's name.
#pragma once

#include "ui/EditDialog.h"

class QLineEdit;
class TLocus;

class TfrmEditLocus : public TEditDialog {
    Q_OBJECT
public:
    explicit TfrmEditLocus(QWidget* owner);

    void SetLocus(TLocus* locus);

    TLocus* Locus = nullptr;
    QLineEdit* edLocusName;

protected:
    bool btnOKClick() override;
};
