// The Punnett grid on screen: gametes as the fixed row and column, cells asked for only when painted.
#pragma once

#include "calc/Calculation.h"

#include <QAbstractTableModel>

class TGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TGridModel(QObject* parent);

    // Shows the grid of a calculation, not owned: it must outlive the model or be replaced before it goes.
    // None shows the empty grid of two rows and two columns.
    void SetResult(const TCalcResult* result);
    // Text of a cell as the grid numbers them: row 0 the female gametes, column 0 the male gametes.
    QString CellText(int column, int row) const;
    // The cell's offspring holds a lethal gene.
    bool CellLethal(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TCalcResult* FResult = nullptr;
};
