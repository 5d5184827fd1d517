// The form of one animal, to add it or to change it: name, sex, look in words or picked gene by gene, sire
// and dam among the animals of the set, hatch date and notes.
#pragma once

#include "model/Animal.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TGeneSetKeeper;
class TMorphEdit;

class TAnimalDialog : public QDialog {
    Q_OBJECT
public:
    // `animals` are the set's animals to pick parents from; `animal` fills the fields. OK keeps the dialog
    // open while the look is not understood, with the problem shown.
    TAnimalDialog(QWidget* owner, const QString& caption, const TGeneSetKeeper& keeper,
                  const TAnimalList& animals, const TAnimal& animal);

    // The animal as the fields describe it.
    TAnimal Animal() const;

    QLineEdit* AnimalNameEdit;
    QComboBox* AnimalSexSelector;
    TMorphEdit* AnimalMorphEdit;
    QComboBox* SireSelector; // "" first: no sire recorded
    QComboBox* DamSelector;
    QLineEdit* HatchDateEdit;
    QPlainTextEdit* AnimalNotesEdit;
    QPushButton* OkButton;

private:
    void TryAccept();
};
