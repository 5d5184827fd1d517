// The puzzle's paint box: draws the stones of a board and reports where a mouse button was pressed.
#pragma once

#include "game/Board.h"

#include <QWidget>

class QPainter;

class TBoardView : public QWidget {
    Q_OBJECT
public:
    explicit TBoardView(QWidget* parent = nullptr);

signals:
    void Paint(QPainter& painter);
    void MouseDown(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// Every cell in grey, the cell of a marked stone in silver, each present stone on top.
void DrawBoard(QPainter& painter, const TBoard& board);
// A stone in the cell whose top-left corner is (x, y): 16 circles, smaller and lighter towards the middle.
void DrawStone(QPainter& painter, int x, int y, TStoneColor color);
