#include "ui/puzzle/BoardView.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

const QColor EmptyCellGrey(128, 128, 128);
const QColor MarkedCellSilver(192, 192, 192);

int Lighter(std::uint8_t component, int step) {
    return std::min(255, component + 8 * step);
}

} // namespace

TBoardView::TBoardView(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted each time, so nothing of the background needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TBoardView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    emit Paint(painter);
}

// Every button counts, whatever the keys held down.
void TBoardView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseDown(at.x(), at.y());
}

void DrawStone(QPainter& painter, int x, int y, TStoneColor color) {
    const int cell = TBoard::CellSize;
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        const int d = (i * (cell / 14)) / 2;
        const int e = cell - 2 - d;
        // Past the middle the box turns inside out: the last circle is the small light dot in the centre.
        const int from = std::min(d, e);
        const int size = std::abs(e - d);
        if (size == 0)
            continue;
        painter.setBrush(QColor(Lighter(color.Red, i), Lighter(color.Green, i), Lighter(color.Blue, i)));
        painter.drawEllipse(QRectF(x + from, y + from, size, size));
    }
}

void DrawBoard(QPainter& painter, const TBoard& board) {
    const int cell = TBoard::CellSize;
    for (int c = 0; c < BoardColumns; ++c)
        for (int r = 0; r < BoardRows; ++r) {
            const TStone* stone = board.Cell(c, r);
            const QRect square(c * cell, r * cell, cell, cell);
            if (!stone || stone->Removed) {
                painter.fillRect(square, EmptyCellGrey);
                continue;
            }
            painter.fillRect(square, stone->Selected ? MarkedCellSilver : EmptyCellGrey);
            DrawStone(painter, square.x(), square.y(), stone->Color);
        }
}
