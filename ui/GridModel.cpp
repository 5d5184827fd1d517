#include "ui/GridModel.h"

#include "ui/CoreText.h"

TGridModel::TGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void TGridModel::SetResult(std::shared_ptr<const TCalcResult> result) {
    beginResetModel();
    FResult = std::move(result);
    endResetModel();
}

int TGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return FResult ? static_cast<int>(FResult->MaleGametes().size()) : 1;
}

int TGridModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return FResult ? static_cast<int>(FResult->FemaleGametes().size()) : 1;
}

QString TGridModel::CellText(int column, int row) const {
    if (!FResult || column < 0 || row < 0 || column > columnCount() || row > rowCount())
        return {};
    if (row == 0)
        return column == 0 ? QString() : FromCore(FResult->FemaleGametes()[static_cast<size_t>(column - 1)]);
    if (column == 0)
        return FromCore(FResult->MaleGametes()[static_cast<size_t>(row - 1)]);
    return FromCore(FResult->CellText(column, row));
}

QVariant TGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return CellText(index.column() + 1, index.row() + 1);
}

QVariant TGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Horizontal ? CellText(section + 1, 0) : CellText(0, section + 1);
}
