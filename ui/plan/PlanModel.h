// The ranking of a plan as a table: each pairing of a male and a female, best first, with the share of
// eggs meeting the goal, what a clutch holds of them, and the note on close relatives.
#pragma once

#include "calc/PairingPlan.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

class TPlanModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TColumn {
        MaleColumn,
        FemaleColumn,
        ShareColumn,
        ExpectedColumn,
        AtLeastOneColumn,
        KinshipColumn,
        ColumnCount
    };

    explicit TPlanModel(QObject* parent);

    // `plan` ranks pairings of `animals`; `separator` is the decimal separator of the percentages.
    void SetPlan(TAnimalList animals, std::vector<TPlannedPairing> plan, std::string separator);
    // The same pairings in a clutch of `eggs`: the shares stay, the odds follow.
    void SetEggs(int eggs);
    void Clear() { SetPlan({}, {}, FSeparator); }

    const TPlannedPairing& Pairing(int row) const { return FPlan[static_cast<size_t>(row)]; }
    const TAnimal& Male(int row) const { return FAnimals[Pairing(row).Male]; }
    const TAnimal& Female(int row) const { return FAnimals[Pairing(row).Female]; }
    // The table as shown, a line per pairing after the headers, a TAB between the columns: for a
    // spreadsheet or a note.
    QString PlanText() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString CellText(int row, int column) const;

    TAnimalList FAnimals;
    std::vector<TPlannedPairing> FPlan;
    std::string FSeparator = ".";
};
