// The clutch view of the Calculation tab: the number of eggs, the table of offspring lines with their
// odds, and the chance of any of the selected lines.
#pragma once

#include "ui/calculation/ClutchModel.h"

#include <QWidget>

class QLabel;
class QSpinBox;
class QTableView;
class QTextDocument;

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
    // The table as the clipboard gets it: tab-separated text, which spreadsheets paste into columns.
    void CopyOffspring(bool selectedOnly) const;
    void SaveOffspringCsv();
    // Appends the table, without pictures, to a report about to be printed.
    void AppendTable(QTextDocument& report) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<size_t> SelectedRows() const;
    void ShowSelectionChance();

    QSpinBox* FEggsSpin;
    QTableView* FClutchTable;
    QLabel* FClutchChanceLabel;
    TClutchModel* FModel;
};
