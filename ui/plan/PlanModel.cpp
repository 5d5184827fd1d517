#include "ui/plan/PlanModel.h"

#include "ui/kit/CoreText.h"

TPlanModel::TPlanModel(QObject* parent) : QAbstractTableModel(parent) {}

void TPlanModel::SetPlan(TAnimalList animals, std::vector<TPlannedPairing> plan, std::string separator) {
    beginResetModel();
    FAnimals = std::move(animals);
    FPlan = std::move(plan);
    FSeparator = std::move(separator);
    endResetModel();
}

void TPlanModel::SetEggs(int eggs) {
    for (TPlannedPairing& pairing : FPlan)
        pairing.Odds = ClutchOddsOfChance(pairing.Share, eggs);
    if (!FPlan.empty())
        emit dataChanged(index(0, ExpectedColumn), index(rowCount() - 1, AtLeastOneColumn));
}

QString TPlanModel::PlanText() const {
    QStringList lines;
    QStringList headers;
    for (int column = 0; column < ColumnCount; ++column)
        headers << headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    lines << headers.join('\t');
    for (int row = 0; row < rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < ColumnCount; ++column)
            cells << CellText(row, column);
        lines << cells.join('\t');
    }
    return lines.join('\n') + '\n';
}

int TPlanModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(FPlan.size());
}

int TPlanModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TPlanModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return CellText(index.row(), index.column());
    // The exact share, whose terms a recorded family can make long, is read on hover.
    if (role == Qt::ToolTipRole && index.column() == ShareColumn)
        return FromCore(Pairing(index.row()).Share.get_str()) + " of the eggs";
    if (role == Qt::TextAlignmentRole && index.column() >= ShareColumn && index.column() < KinshipColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TPlanModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case MaleColumn:
        return "Male";
    case FemaleColumn:
        return "Female";
    case ShareColumn:
        return "Eggs meeting the goal";
    case ExpectedColumn:
        return "Expected in the clutch";
    case AtLeastOneColumn:
        return "At least one";
    default:
        return "Relatives";
    }
}

QString TPlanModel::CellText(int row, int column) const {
    const TPlannedPairing& pairing = Pairing(row);
    switch (column) {
    case MaleColumn:
        return FromCore(Male(row).Name);
    case FemaleColumn:
        return FromCore(Female(row).Name);
    case ShareColumn:
        // One decimal, as the clutch odds give their chances: the chance of one egg.
        return FromCore(ChanceText(ClutchOddsOfChance(pairing.Share, 1), FSeparator));
    case ExpectedColumn:
        return FromCore(ExpectedText(pairing.Odds, FSeparator));
    case AtLeastOneColumn:
        return FromCore(ChanceText(pairing.Odds, FSeparator));
    default:
        return FromCore(pairing.Kinship);
    }
}
