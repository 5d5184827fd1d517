#include "ui/kit/GridColumnSizer.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

TGridColumnSizer::TGridColumnSizer(QTableView* view) : QObject(view), FView(view) {
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // A column's size hint reads the rows in view only, never a thousand more below them.
    view->verticalHeader()->setResizeContentsPrecision(0);
    view->installEventFilter(this);
    connect(view->model(), &QAbstractItemModel::modelReset, this, &TGridColumnSizer::Restart);
    // Scrolling, and a view grown wider, bring columns into view.
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &TGridColumnSizer::SizeColumnsInView);
    connect(view->horizontalScrollBar(), &QScrollBar::rangeChanged, this,
            &TGridColumnSizer::SizeColumnsInView);
    Restart();
}

void TGridColumnSizer::Restart() {
    FSized.assign(static_cast<size_t>(FView->model()->columnCount()), false);
    SizeColumnsInView();
}

bool TGridColumnSizer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show)
        SizeColumnsInView();
    return QObject::eventFilter(watched, event);
}

void TGridColumnSizer::SizeColumnsInView() {
    // A hidden view has no rows in view, and its size hints would read every row.
    if (!FView->isVisible())
        return;
    QHeaderView* header = FView->horizontalHeader();
    const QAbstractItemView* cells = FView; // a table view keeps its size hints to itself
    // Sizing a column moves the ones after it, so look again until every column in view has been sized.
    for (bool sizedOne = true; sizedOne;) {
        sizedOne = false;
        const int first = header->visualIndexAt(0);
        int last = header->visualIndexAt(FView->viewport()->width() - 1);
        if (last < 0)
            last = header->count() - 1;
        for (int visual = std::max(first, 0); visual <= last; ++visual) {
            const int column = header->logicalIndex(visual);
            if (column < 0 || static_cast<size_t>(column) >= FSized.size() ||
                FSized[static_cast<size_t>(column)])
                continue;
            FSized[static_cast<size_t>(column)] = true;
            // Its longest text in view, header included; short texts keep the grid's usual width.
            header->resizeSection(column,
                                  std::max({cells->sizeHintForColumn(column), header->sectionSizeHint(column),
                                            header->defaultSectionSize()}));
            sizedOne = true;
        }
    }
}
