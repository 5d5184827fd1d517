// The dialogs that define a new gene and edit an existing one.
#pragma once

#include "ui/genes/EditDialog.h"

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
    QLineEdit* GeneNameEdit;
    QLineEdit* GeneIdEdit;

public slots:
    // Checks the Gene ID on every change of its text.
    virtual void CheckGeneId() = 0;

protected:
    TGeneDialog(QWidget* owner, const QString& name, const QString& caption, bool okIsDefault,
                const TLocusList& geneSet);

    // Tells why the typed Gene ID cannot be taken, and empties it.
    void RefuseID(const QString& message);

    const TLocusList& FGeneSet;
};

// A new gene: its name and one allele character, which becomes both alleles.
class TAddGeneDialog : public TGeneDialog {
    Q_OBJECT
public:
    TAddGeneDialog(QWidget* owner, const TLocusList& geneSet);

    void SetGene(TGene* gene);
    void CheckGeneId() override;

protected:
    bool TryAccept() override;
};

// An existing gene: its name, its two-character code and its health marks.
class TEditGeneDialog : public TGeneDialog {
    Q_OBJECT
public:
    TEditGeneDialog(QWidget* owner, const TLocusList& geneSet);

    QCheckBox* LethalCheck;
    QLineEdit* HealthNoteEdit;

    void SetGene(TGene* gene);
    void CheckGeneId() override;

protected:
    bool TryAccept() override;
};
