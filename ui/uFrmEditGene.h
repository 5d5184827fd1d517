// The dialogs that define a new gene and edit an existing one.
#pragma once

#include "ui/EditDialog.h"

class QLabel;
class QLineEdit;
class TGene;
class TLocusList;

// A new gene: its name and one allele character, which becomes both alleles.
class TfrmAddGene : public TEditDialog {
    Q_OBJECT
public:
    TfrmAddGene(QWidget* owner, const TLocusList& geneSet);

    void SetGene(TGene* gene);

    TGene* Gene = nullptr;
    QLineEdit* edGeneName;
    QLineEdit* edID;

public slots:
    void edIDChange();

protected:
    void btnOKClick() override;

private:
    const TLocusList& FGeneSet;
};

// An existing gene: its name and its two-character code.
class TfrmEditGene : public TEditDialog {
    Q_OBJECT
public:
    TfrmEditGene(QWidget* owner, const TLocusList& geneSet);

    void SetGene(TGene* gene);

    TGene* Gene = nullptr;
    QLineEdit* edGeneName;
    QLineEdit* edID;

public slots:
    void edIDChange();

protected:
    void btnOKClick() override;

private:
    const TLocusList& FGeneSet;
};
