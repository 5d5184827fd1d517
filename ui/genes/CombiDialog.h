// The dialog that names a combination and ticks the genes it is made of.
#pragma once

#include "ui/genes/EditDialog.h"

class QLineEdit;
class QTreeWidget;
class TCombi;
class TLocusList;

class TCombiDialog : public TEditDialog {
    Q_OBJECT
public:
    TCombiDialog(QWidget* owner, const TLocusList& geneSet);

    void SetCombi(TCombi* combi);
    void FillGeneList();

    TCombi* Combi = nullptr;
    QLineEdit* CombiNameEdit;
    QTreeWidget* GeneListView;

protected:
    bool TryAccept() override;

private:
    const TLocusList& FGeneSet;
};
