// The Animals tab: the breeder's animals of a gene set (the set in memory unless another is picked),
// added, changed, deleted, imported and exported as CSV, and what the family tells of the one selected.
#pragma once

#include "model/Animal.h"

#include <QWidget>

#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class TAnimalDetails;
class TAnimalKeeper;
class TGeneSetKeeper;
struct TMorphReading;

class TAnimalsTab : public QWidget {
    Q_OBJECT
public:
    // Both keepers outlive the tab.
    TAnimalsTab(TAnimalKeeper& animals, TGeneSetKeeper& geneSets, QWidget* parent);

    void AddAnimal();
    void EditSelectedAnimal();
    void DeleteSelectedAnimal();
    void ImportAnimals();
    void ExportAnimals();

signals:
    // "Use as male" / "Use as female": the selected animal as a parent of the calculation.
    void UsedAsParent(bool male, const TMorphReading& parent);

private:
    // The sets of the folder in the selector, the set in memory picked.
    void ListGeneSets();
    // The animals of the picked set, the one selected before kept selected.
    void ShowAnimals();
    void ShowSelectedAnimal();
    std::string ShownGeneSet() const;
    bool ShowsSetInMemory() const;
    const TAnimal* SelectedAnimal() const;
    // Opens the form on `animal`; the animal as the breeder left it, none when cancelled.
    std::optional<TAnimal> AskAnimal(const QString& caption, const TAnimal& animal);

    TAnimalKeeper& FAnimals;
    TGeneSetKeeper& FGeneSets;
    TAnimalList FShown; // the animals listed, in the list's order
    QComboBox* FAnimalSetSelector;
    QLabel* FDatabaseProblemLabel;
    QPushButton* FAddAnimalButton;
    QPushButton* FEditAnimalButton;
    QPushButton* FDeleteAnimalButton;
    QPushButton* FImportAnimalsButton;
    QPushButton* FExportAnimalsButton;
    QTreeWidget* FAnimalListView;
    TAnimalDetails* FDetails;
};
