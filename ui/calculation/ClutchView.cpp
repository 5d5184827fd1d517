#include "ui/calculation/ClutchView.h"

#include "storage/GeneSetFile.h"
#include "ui/kit/CoreText.h"
#include "ui/kit/FileDialogs.h"
#include "ui/kit/ThemeColors.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QVBoxLayout>

namespace {

const QString NoSelectionText = "Select lines for the chance of any of them in the clutch.";
constexpr int RowHeight = TClutchModel::PictureSide + 2;
constexpr int ShareTextWidth = 52;

// The share as a bar, its text to the right of it.
class TShareBarDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        const QWidget* view = option.widget;
        (view ? view->style() : QApplication::style())
            ->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);

        const double share = std::clamp(index.data(TClutchModel::ShareRole).toDouble(), 0.0, 1.0);
        // A long ratio such as 59049/1048576 takes room from the bar.
        const int textWidth = std::max(ShareTextWidth, option.fontMetrics.horizontalAdvance(text) + 10);
        const QRect area = option.rect.adjusted(3, 6, -textWidth, -6);
        painter->save();
        painter->setPen(Qt::NoPen);
        if (area.width() > 0)
            painter->fillRect(area, ShareTroughColor(option.palette));
        QRect bar = area;
        bar.setWidth(share > 0 && area.width() > 0 ? std::max(1, static_cast<int>(area.width() * share + 0.5))
                                                   : 0);
        painter->fillRect(bar, ShareBarColor(option.palette));
        painter->setPen(option.state & QStyle::State_Selected ? option.palette.highlightedText().color()
                                                              : option.palette.text().color());
        painter->drawText(option.rect.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, text);
        painter->restore();
    }
};

std::vector<size_t> AllRows(const TClutchModel& model) {
    std::vector<size_t> rows(static_cast<size_t>(model.rowCount()));
    for (size_t row = 0; row < rows.size(); ++row)
        rows[row] = row;
    return rows;
}

} // namespace

TClutchView::TClutchView(QWidget* parent) : QWidget(parent), FModel(new TClutchModel(this)) {
    setObjectName("ClutchView");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    auto* top = new QHBoxLayout;
    auto* eggsLabel = new QLabel("Eggs", this);
    FEggsSpin = new QSpinBox(this);
    FEggsSpin->setObjectName("EggsSpin");
    FEggsSpin->setRange(MinClutchSize, MaxClutchSize);
    FEggsSpin->setValue(DefaultClutchSize);
    eggsLabel->setBuddy(FEggsSpin);
    top->addWidget(eggsLabel);
    top->addWidget(FEggsSpin);
    top->addStretch();
    auto* copyButton = new QPushButton("Copy offspring", this);
    copyButton->setObjectName("CopyOffspringButton");
    auto* csvButton = new QPushButton("Save offspring as CSV…", this);
    csvButton->setObjectName("SaveOffspringCsvButton");
    top->addWidget(copyButton);
    top->addWidget(csvButton);
    layout->addLayout(top);

    FClutchTable = new QTableView(this);
    FClutchTable->setObjectName("ClutchTable");
    FClutchTable->setModel(FModel);
    FClutchTable->setItemDelegateForColumn(TClutchModel::ShareColumn, new TShareBarDelegate(FClutchTable));
    FClutchTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    FClutchTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FClutchTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FClutchTable->setWordWrap(false);
    FClutchTable->setShowGrid(false);
    FClutchTable->setIconSize(QSize(TClutchModel::PictureSide, TClutchModel::PictureSide));
    // Rows of one height and columns of set widths: a view of many thousand lines never measures them.
    FClutchTable->verticalHeader()->hide();
    FClutchTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FClutchTable->verticalHeader()->setDefaultSectionSize(RowHeight);
    QHeaderView* columns = FClutchTable->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setStretchLastSection(true);
    columns->resizeSection(TClutchModel::PictureColumn, RowHeight + 4);
    columns->resizeSection(TClutchModel::NameColumn, 180);
    columns->resizeSection(TClutchModel::ShareColumn, 120);
    columns->resizeSection(TClutchModel::ExpectedColumn, 90);
    columns->resizeSection(TClutchModel::ChanceColumn, 90);
    layout->addWidget(FClutchTable, 1);

    FClutchChanceLabel = new QLabel(this);
    FClutchChanceLabel->setObjectName("ClutchChanceLabel");
    FClutchChanceLabel->setText(NoSelectionText);
    layout->addWidget(FClutchChanceLabel);

    connect(FEggsSpin, &QSpinBox::valueChanged, this, [this](int eggs) {
        FModel->SetEggs(eggs);
        ShowSelectionChance();
    });
    connect(FClutchTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TClutchView::ShowSelectionChance);
    connect(copyButton, &QPushButton::clicked, this, [this] { CopyOffspring(false); });
    connect(csvButton, &QPushButton::clicked, this, &TClutchView::SaveOffspringCsv);
    FClutchTable->installEventFilter(this);
}

void TClutchView::ShowResult(const TCalcResult* result, TClutchContext context) {
    FModel->SetResult(result, std::move(context));
    ShowSelectionChance();
}

std::vector<size_t> TClutchView::SelectedRows() const {
    std::vector<size_t> rows;
    for (const QItemSelectionRange& range : FClutchTable->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(static_cast<size_t>(row));
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

// Ctrl+C in the table copies the selected rows whole, where the table alone would copy one cell.
bool TClutchView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FClutchTable && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        CopyOffspring(true);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TClutchView::CopyOffspring(bool selectedOnly) const {
    QApplication::clipboard()->setText(
        QString::fromStdString(FModel->TableText(selectedOnly ? SelectedRows() : AllRows(*FModel), '\t')));
}

void TClutchView::SaveOffspringCsv() {
    const QString path = AskSaveFileName(this, "Save offspring as CSV", "CSV file (*.csv)", "csv");
    if (!path.isEmpty())
        WriteChosenFile(path, FModel->TableText(AllRows(*FModel), ','));
}

void TClutchView::AppendTable(QTextDocument& report) const {
    const std::vector<int> columns = {TClutchModel::NameColumn, TClutchModel::ShareColumn,
                                      TClutchModel::ExpectedColumn, TClutchModel::ChanceColumn,
                                      TClutchModel::HealthColumn};
    QTextCursor cursor(&report);
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    QTextTableFormat format;
    format.setCellPadding(2);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    format.setHeaderRowCount(1);
    QTextTable* table = cursor.insertTable(FModel->rowCount() + 1, static_cast<int>(columns.size()), format);
    for (int column = 0; column < table->columns(); ++column) {
        const int source = columns[static_cast<size_t>(column)];
        table->cellAt(0, column).firstCursorPosition().insertText(
            FModel->headerData(source, Qt::Horizontal, Qt::DisplayRole).toString().replace('\n', ' '));
        for (int row = 0; row < FModel->rowCount(); ++row)
            table->cellAt(row + 1, column)
                .firstCursorPosition()
                .insertText(FModel->index(row, source).data().toString());
    }
}

void TClutchView::ShowSelectionChance() {
    const QString text = FModel->SelectionText(SelectedRows());
    FClutchChanceLabel->setText(text.isEmpty() ? NoSelectionText : text);
}

int TClutchView::Eggs() const {
    return FEggsSpin->value();
}

void TClutchView::SetEggs(int eggs) {
    FEggsSpin->setValue(eggs);
}
