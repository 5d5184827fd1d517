// The genes of an animal picked locus by locus, as the calculation's selectors pick a parent's, and put
// into the words the animal's look is kept in.
#pragma once

#include "calc/MorphText.h"

#include <QWidget>

#include <string>
#include <vector>

class QComboBox;
class TGeneSetKeeper;

class TGenePicker : public QWidget {
    Q_OBJECT
public:
    // A selector per locus of the set in memory; `keeper` outlives the picker.
    TGenePicker(const TGeneSetKeeper& keeper, QWidget* parent);

    // Shows what `reading` says of each locus, without telling it as a pick.
    void Show(const TMorphReading& reading);

signals:
    // A gene was picked: the animal in words, "het. Amel, Charcoal", possible hets kept as they were.
    void Picked(const std::string& words);

private:
    void Pick();

    const TGeneSetKeeper& FKeeper;
    std::vector<QComboBox*> FSelectors; // by locus; each gene's code as its data, "++" first
    std::vector<TPossibleHet> FPossibleHets;
};
