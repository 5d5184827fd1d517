#include "ui/calculation/ClutchView.h"

#include "storage/GeneSetFile.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableView>
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
            painter->fillRect(area, QColor(230, 230, 230));
        QRect bar = area;
        bar.setWidth(share > 0 && area.width() > 0 ? std::max(1, static_cast<int>(area.width() * share + 0.5))
                                                   : 0);
        painter->fillRect(bar, QColor(70, 140, 70));
        painter->setPen(option.state & QStyle::State_Selected ? option.palette.highlightedText().color()
                                                              : option.palette.text().color());
        painter->drawText(option.rect.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, text);
        painter->restore();
    }
};

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
}

void TClutchView::ShowResult(const TCalcResult* result, TClutchContext context) {
    FModel->SetResult(result, std::move(context));
    ShowSelectionChance();
}

void TClutchView::ShowSelectionChance() {
    std::vector<size_t> rows;
    for (const QItemSelectionRange& range : FClutchTable->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(static_cast<size_t>(row));
    const QString text = FModel->SelectionText(rows);
    FClutchChanceLabel->setText(text.isEmpty() ? NoSelectionText : text);
}

int TClutchView::Eggs() const {
    return FEggsSpin->value();
}

void TClutchView::SetEggs(int eggs) {
    FEggsSpin->setValue(eggs);
}
