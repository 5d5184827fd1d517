// The clutch at a glance: one row per offspring line of the report, with its share, its odds in a clutch
// of so many eggs, its picture and its health note; a last row for the eggs that do not hatch.
#pragma once

#include "calc/Calculation.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QPixmap>

#include <string>
#include <vector>

// What the rows need besides the result: how numbers are written, and where the morphs' pictures are.
struct TClutchContext {
    std::string DecimalSeparator = ".";
    std::string AppDir;
    std::string GeneSetName;
};

class TClutchModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TColumn { PictureColumn, NameColumn, ShareColumn, ExpectedColumn, ChanceColumn, HealthColumn };
    static constexpr int ColumnCount = HealthColumn + 1;
    // The share column's share, 0 to 1, for its bar: of the hatchlings, of all eggs for those that do
    // not hatch.
    static constexpr int ShareRole = Qt::UserRole;
    static constexpr int PictureSide = 32;

    explicit TClutchModel(QObject* parent);

    // The result is not owned: the window keeps it until it shows the next one.
    void SetResult(const TCalcResult* result, TClutchContext context);
    void SetEggs(int eggs);
    int Eggs() const { return FEggs; }
    // "Amelanistic or Snow: 87.3% in a clutch of 12": the chance of at least one animal of any of these
    // rows; empty for none.
    QString SelectionText(const std::vector<size_t>& rows) const;
    // These rows under a header row, as text for spreadsheets with fields parted by `delimiter`.
    std::string TableText(const std::vector<size_t>& rows, char delimiter) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant DisplayText(size_t row, int column) const;
    QPixmap PictureOf(const std::string& lineName) const;

    const TCalcResult* FResult = nullptr;
    TClutchContext FContext;
    int FEggs;
    QPixmap FWarning; // small beside a note, whatever size the pictures have
    // Small copies of the pictures met in this result, by morph name; a null one where there is none.
    mutable QHash<QString, QPixmap> FPictures;
};
