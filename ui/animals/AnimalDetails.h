// What the recorded family tells of one animal of the set in memory: its chance for each gene hidden behind
// its look and why (its parents, its offspring with their other parents), its family as a tree, how a test
// pairing would settle a chance, and the buttons that make it a parent of the calculation.
#pragma once

#include "calc/MorphText.h"

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class TAnimalKeeper;
class TFamilyTree;
class TGeneSetKeeper;

class TAnimalDetails : public QWidget {
    Q_OBJECT
public:
    // Both keepers outlive the details.
    TAnimalDetails(TAnimalKeeper& animals, TGeneSetKeeper& geneSets, QWidget* parent);

    // The animal at `index` of the set in memory's animals, or none (an animal of another set, or no
    // animal selected).
    void ShowAnimal(std::optional<size_t> index);

signals:
    // The animal as a parent of the calculation: its look as codes and its possible hets.
    void UsedAsParent(bool male, const TMorphReading& parent);

private:
    // The chances, why and the tree of the animal shown.
    void ShowFamily();
    void ShowTestPairings();
    void Use(bool male);

    TAnimalKeeper& FAnimals;
    TGeneSetKeeper& FGeneSets;
    std::optional<size_t> FIndex;
    QTreeWidget* FChanceListView;
    QLabel* FWhyLabel;
    TFamilyTree* FFamilyTreeView;
    QSpinBox* FClutchSizeSpinBox;
    QLabel* FTestPairingLabel;
    QPushButton* FUseAsMaleButton;
    QPushButton* FUseAsFemaleButton;
};
