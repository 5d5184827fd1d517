// A line where the breeder describes an animal as breeders write it ("Pastel Spider het Clown"), and the
// words it did not understand beneath it: a parent of the calculation, or an animal of the breeder's.
#pragma once

#include "calc/MorphText.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class TGeneSetKeeper;

class TMorphEdit : public QWidget {
    Q_OBJECT
public:
    // `side` ("Male", "Female", "Animal") names the controls; `keeper` outlives the line. `enterDoes` ends
    // the hint: what Enter does with the description.
    TMorphEdit(const QString& side, const TGeneSetKeeper& keeper, QWidget* parent,
               const QString& enterDoes = "Enter sets the selectors");
    // Empties the line once the parent is set another way, so that it never describes another animal.
    void Forget();
    // The words as typed, in the encoding of the set's names where it has every character.
    std::string Words() const;
    void SetWords(const std::string& words);
    // The words read against the set in memory, the problem shown beneath them.
    TMorphReading Reading();

signals:
    // The description was understood: the parent's selection string and possible hets.
    void Described(const TMorphReading& reading);

private:
    void Read();

    const TGeneSetKeeper& FKeeper;
    QLineEdit* FWordsEdit;
    QLabel* FProblemLabel;
};
