// The dialogs that define a new gene and edit an existing one.
#pragma once

#include "ui/EditDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class TGene;
class TLocusList;

// What the two gene dialogs share: the gene they write into, its name and its ID.
class TGeneDialog : public TEditDialog {
    Q_OBJECT
public:
    TGene* Gene = nullptr;
    QLineEdit* edGeneName;
    QLineEdit* edID;

public slots:
    // Checks the Gene ID on every change of its text.
    virtual void edIDChange() = 0;

protected:
    TGeneDialog(QWidget* owner, const QString& name, const QString& caption, bool okIsDefault,
                const TLocusList& geneSet);

    // Tells why the typed Gene ID cannot be taken, and empties it.
    void RefuseID(const QString& message);

    const TLocusList& FGeneSet;
};

// A new gene: its name and one allele character, which becomes both alleles.
class TfrmAddGene : public TGeneDialog {
    Q_OBJECT
public:
    TfrmAddGene(QWidget* owner, const TLocusList& geneSet);

    void SetGene(TGene* gene);
    void edIDChange() override;

protected:
    bool btnOKClick() override;
};

// An existing gene: its name, its two-character code and its health marks.
class TfrmEditGene : public TGeneDialog {
    Q_OBJECT
public:
    TfrmEditGene(QWidget* owner, const TLocusList& geneSet);

    QCheckBox* chkLethal;
    QLineEdit* edHealthNote;

    void SetGene(TGene* gene);
    void edIDChange() override;

protected:
    bool btnOKClick() override;
};
