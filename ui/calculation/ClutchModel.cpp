#include "ui/calculation/ClutchModel.h"

#include "calc/ClutchOdds.h"
#include "calc/OffspringTable.h"
#include "storage/GeneSetFile.h"
#include "storage/JpegFile.h"
#include "storage/PictureFolder.h"
#include "ui/kit/CoreText.h"
#include "ui/kit/Pictures.h"
#include "ui/kit/ThemeColors.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

#include <algorithm>

namespace {

// A selection names this many of its lines, then counts the rest.
constexpr size_t NamedSelectionLines = 3;

std::string TrimmedRight(const std::string& text) {
    const size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

// The one name of a line that is not a het's: "Amelanistic, het. Charcoal" looks like Amelanistic.
// Empty when the line shows no such name or several, as a double mutant needs a picture of its own.
std::string VisibleMorphOf(const std::string& name) {
    std::string visible;
    size_t begin = 0;
    while (begin < name.size()) {
        size_t end = std::min(name.find(", ", begin), name.find("  ", begin));
        if (end == std::string::npos)
            end = name.size();
        const std::string part = TrimmedRight(name.substr(begin, end - begin));
        if (!part.empty() && NameBearsPicture(part)) {
            if (!visible.empty())
                return {};
            visible = part;
        }
        begin = end + 2;
    }
    return visible;
}

// The share as the report line opens with it: "3/4" or "25.00%".
QString ShareText(const std::string& reportLine) {
    return FromCore(reportLine.substr(0, reportLine.find(' ')));
}

} // namespace

TClutchModel::TClutchModel(QObject* parent)
    : QAbstractTableModel(parent), FEggs(DefaultClutchSize),
      FWarning(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16)) {}

void TClutchModel::SetResult(const TCalcResult* result, TClutchContext context) {
    beginResetModel();
    FResult = result;
    FContext = std::move(context);
    FPictures.clear();
    endResetModel();
}

void TClutchModel::SetEggs(int eggs) {
    eggs = std::clamp(eggs, MinClutchSize, MaxClutchSize);
    if (eggs == FEggs)
        return;
    FEggs = eggs;
    emit headerDataChanged(Qt::Horizontal, ExpectedColumn, ChanceColumn);
    if (rowCount() > 0)
        emit dataChanged(index(0, ExpectedColumn), index(rowCount() - 1, ChanceColumn), {Qt::DisplayRole});
}

QString TClutchModel::SelectionText(const std::vector<size_t>& rows) const {
    std::vector<size_t> lines;
    for (const size_t row : rows)
        if (row < static_cast<size_t>(rowCount()))
            lines.push_back(row);
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    if (lines.empty())
        return {};
    QStringList names;
    for (size_t k = 0; k < std::min(lines.size(), NamedSelectionLines); ++k)
        names << FromCore(IsUnhatchedRow(*FResult, lines[k])
                              ? FResult->UnhatchedName()
                              : TrimmedRight(FResult->OffspringLine(lines[k]).Name));
    if (lines.size() > NamedSelectionLines)
        names << QString::number(lines.size() - NamedSelectionLines) + " more";
    // The row of the eggs that do not hatch sorts last and is no offspring line.
    const bool unhatched = IsUnhatchedRow(*FResult, lines.back());
    if (unhatched)
        lines.pop_back();
    const TClutchOdds odds = ClutchOddsOf(FResult->EggShareOf(lines, unhatched), FEggs);
    return names.join(" or ") + ": " + FromCore(ChanceText(odds, FContext.DecimalSeparator)) +
           " in a clutch of " + QString::number(FEggs);
}

std::string TClutchModel::TableText(const std::vector<size_t>& rows, char delimiter) const {
    return OffspringTableText(*FResult, rows, FEggs, FContext.DecimalSeparator, delimiter);
}

int TClutchModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !FResult)
        return 0;
    return static_cast<int>(OffspringRowCount(*FResult));
}

int TClutchModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TClutchModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<size_t>(index.row());
    const int column = index.column();
    const bool unhatched = IsUnhatchedRow(*FResult, row);
    switch (role) {
    case Qt::DisplayRole:
        return DisplayText(row, column);
    case ShareRole: {
        if (column != ShareColumn)
            return {};
        const TFraction share = OffspringRowShare(*FResult, row);
        return static_cast<double>(share.Numerator) / static_cast<double>(share.Denominator);
    }
    case Qt::DecorationRole:
        if (column == PictureColumn && !unhatched)
            return PictureOf(FResult->OffspringLine(row).Name);
        if (column == HealthColumn && !unhatched && !FResult->OffspringLine(row).HealthNote.empty())
            return FWarning;
        return {};
    case Qt::ToolTipRole:
        return column == HealthColumn || column == NameColumn ? DisplayText(row, column) : QVariant();
    case Qt::ForegroundRole:
        return column == HealthColumn ? WarningTextColor(QApplication::palette()) : QVariant();
    case Qt::TextAlignmentRole:
        return column == ExpectedColumn || column == ChanceColumn
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    default:
        return {};
    }
}

QVariant TClutchModel::DisplayText(size_t row, int column) const {
    const bool unhatched = IsUnhatchedRow(*FResult, row);
    switch (column) {
    case NameColumn:
        return FromCore(OffspringRowName(*FResult, row));
    case ShareColumn:
        // Of all eggs, in the style of the report's last line: "1/4 of the eggs".
        if (unhatched)
            return FResult->OffspringLineCount() == 0
                       ? QString("all the eggs")
                       : ShareText(FResult->ReportLines().back()) + " of the eggs";
        return ShareText(FResult->OffspringReportLine(row));
    case ExpectedColumn:
        return FromCore(ExpectedText(ClutchOddsOf(OffspringRowEggShare(*FResult, row), FEggs),
                                     FContext.DecimalSeparator));
    case ChanceColumn:
        return FromCore(
            ChanceText(ClutchOddsOf(OffspringRowEggShare(*FResult, row), FEggs), FContext.DecimalSeparator));
    case HealthColumn:
        return unhatched ? QString() : FromCore(FResult->OffspringLine(row).HealthNote);
    default:
        return {};
    }
}

QVariant TClutchModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    switch (section) {
    case NameColumn:
        return QString("Offspring");
    case ShareColumn:
        // Once some eggs do not hatch, the report's shares are of those that do.
        return FResult && FResult->UnhatchedShare().Numerator != 0 ? QString("Share of\nhatchlings")
                                                                   : QString("Share");
    case ExpectedColumn:
        return "Expected in a\nclutch of " + QString::number(FEggs);
    case ChanceColumn:
        return "At least one in\na clutch of " + QString::number(FEggs);
    case HealthColumn:
        return QString("Health");
    default:
        return {};
    }
}

QPixmap TClutchModel::PictureOf(const std::string& lineName) const {
    const std::string name = TrimmedRight(lineName);
    const QString key = FromCore(name);
    if (const auto found = FPictures.constFind(key); found != FPictures.cend())
        return *found;
    QPixmap picture;
    for (const std::string& morph : {name, VisibleMorphOf(name)}) {
        if (morph.empty() || !NameBearsPicture(morph) || FContext.AppDir.empty())
            continue;
        TRgbImage image;
        std::string message;
        const std::string file = PictureFilePath(FContext.AppDir, FContext.GeneSetName, morph);
        if (ReadJpegFile(file, image, message, {PictureSide, PictureSide}) == TReadResult::Ok) {
            picture = QPixmap::fromImage(ToQImage(image).scaled(PictureSide, PictureSide, Qt::KeepAspectRatio,
                                                                Qt::SmoothTransformation));
            break;
        }
    }
    FPictures.insert(key, picture);
    return picture;
}
