// The dialog that edits a locus's name.
#pragma once

#include "ui/genes/EditDialog.h"

class QLineEdit;
class TLocus;

class TLocusDialog : public TEditDialog {
    Q_OBJECT
public:
    explicit TLocusDialog(QWidget* owner);

    void SetLocus(TLocus* locus);

    TLocus* Locus = nullptr;
    QLineEdit* LocusNameEdit;

protected:
    bool TryAccept() override;
};
