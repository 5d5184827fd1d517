// A line where the breeder describes a parent as breeders write it ("Pastel Spider het Clown"), and the
// words it did not understand beneath it.
#pragma once

#include "calc/MorphText.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class TGeneSetKeeper;

class TMorphEdit : public QWidget {
    Q_OBJECT
public:
    // `side` ("Male", "Female") names the controls; `keeper` outlives the line.
    TMorphEdit(const QString& side, const TGeneSetKeeper& keeper, QWidget* parent);
    // Empties the line once the parent is set another way, so that it never describes another animal.
    void Forget();

signals:
    // The description was understood: the parent's selection string and possible hets.
    void Described(const TMorphReading& reading);

private:
    void Read();

    const TGeneSetKeeper& FKeeper;
    QLineEdit* FWordsEdit;
    QLabel* FProblemLabel;
};
