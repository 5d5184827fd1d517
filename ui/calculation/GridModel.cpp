#include "ui/calculation/GridModel.h"

#include "ui/kit/CoreText.h"
#include "ui/kit/ThemeColors.h"

#include <QApplication>
#include <QPalette>
#include <QFont>

#include <algorithm>

namespace {

// A view keeps a record per row and per column; beyond this many it would take more memory than the
// calculation, so a grid that long shows its first rows or columns only.
constexpr uint64_t MaxViewedGametes = uint64_t(1) << 20;

int ViewedCount(uint64_t gametes) {
    return static_cast<int>(std::min(gametes, MaxViewedGametes));
}

} // namespace

TGridModel::TGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void TGridModel::SetResult(const TCalcResult* result) {
    beginResetModel();
    FResult = result;
    endResetModel();
}

int TGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return FResult ? ViewedCount(FResult->MaleGameteCount()) : 1;
}

int TGridModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return FResult ? ViewedCount(FResult->FemaleGameteCount()) : 1;
}

QString TGridModel::CellText(int column, int row) const {
    if (!FResult || column < 0 || row < 0)
        return {};
    return FromCore(FResult->CellText(static_cast<uint64_t>(column), static_cast<uint64_t>(row)));
}

QVariant TGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return CellText(index.column() + 1, index.row() + 1);
    // An offspring that does not hatch is struck through and greyed.
    case Qt::FontRole:
        if (CellLethal(index)) {
            QFont struck;
            struck.setStrikeOut(true);
            return struck;
        }
        return {};
    case Qt::ForegroundRole:
        return CellLethal(index) ? FadedTextColor(QApplication::palette()) : QVariant();
    default:
        return {};
    }
}

bool TGridModel::CellLethal(const QModelIndex& index) const {
    return FResult && FResult->CellLethal(static_cast<uint64_t>(index.column()) + 1,
                                          static_cast<uint64_t>(index.row()) + 1);
}

QVariant TGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Horizontal ? CellText(section + 1, 0) : CellText(0, section + 1);
}
