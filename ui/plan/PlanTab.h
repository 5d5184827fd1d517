// The Plan tab: the breeder's goal in words and a clutch size, and every pairing of a male and a female of
// the set's animals ranked by the share of eggs that meet the goal, best first.
#pragma once

#include "calc/MorphText.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class TAnimalKeeper;
class TGeneSetKeeper;
class TPlanModel;

class TPlanTab : public QWidget {
    Q_OBJECT
public:
    // Both keepers outlive the tab.
    TPlanTab(TGeneSetKeeper& geneSets, TAnimalKeeper& animals, QWidget* parent);

    // Ranks every pairing again for the goal, the clutch, the set and its animals as they are now.
    void Plan();
    // The ranking as text for the clipboard, a line per pairing.
    void CopyPlan() const;
    // The pairing selected, for the Calculation tab.
    void UseSelectedPairing();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // Both animals as the calculation takes its parents: their looks as codes and hidden genes as possible
    // hets.
    void PairingChosen(const TMorphReading& male, const TMorphReading& female);

private:
    void ShowNote(const QString& note);

    TGeneSetKeeper& FGeneSets;
    TAnimalKeeper& FAnimals;
    QLineEdit* FPlanGoalEdit;
    QLabel* FPlanProblemLabel;
    QSpinBox* FPlanClutchSpinBox;
    QLabel* FPlanNoteLabel;
    QTableView* FPlanView;
    QPushButton* FUsePairingButton;
    TPlanModel* FModel;
};
