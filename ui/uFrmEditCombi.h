// The dialog that names a combination and ticks the genes it is made of.
#pragma once

#include "ui/EditDialog.h"

class QLineEdit;
class QTreeWidget;
class TCombi;
class TLocusList;

class TfrmEditCombi : public TEditDialog {
    Q_OBJECT
public:
    TfrmEditCombi(QWidget* owner, const TLocusList& geneSet);

    void SetCombi(TCombi* combi);
    void FillGeneList();

    TCombi* Combi = nullptr;
    QLineEdit* edCombiName;
    QTreeWidget* lvGenes;

protected:
    bool btnOKClick() override;

private:
    const TLocusList& FGeneSet;
};
