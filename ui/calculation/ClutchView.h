// The clutch view of the Calculation tab: the number of eggs, the table of offspring lines with their
// odds, and the chance of any of the selected lines.
#pragma once

#include "ui/calculation/ClutchModel.h"

#include <QWidget>

class QLabel;
class QSpinBox;
class QTableView;

class TClutchView : public QWidget {
    Q_OBJECT
public:
    explicit TClutchView(QWidget* parent);

    // Shows the lines of a calculation, which must outlive the next call; the selection is dropped.
    void ShowResult(const TCalcResult* result, TClutchContext context);
    TClutchModel& Model() const { return *FModel; }
    // The number of eggs of the clutch, as its field shows it.
    int Eggs() const;
    void SetEggs(int eggs);

private:
    void ShowSelectionChance();

    QSpinBox* FEggsSpin;
    QTableView* FClutchTable;
    QLabel* FClutchChanceLabel;
    TClutchModel* FModel;
};
