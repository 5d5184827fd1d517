// The Fun tab: the stone puzzle's paint box, count line, Start, Hint and Undo.
#pragma once

#include "game/JBBoard.h"

#include <QWidget>

#include <memory>
#include <string>

class QFrame;
class QLineEdit;
class QPainter;
class QPushButton;
class QToolBar;
class QToolButton;
class TBoardView;

class TFunTab : public QWidget, private TJBBoardOwner {
    Q_OBJECT
public:
    // Builds the controls, creates the board and deals the first game.
    explicit TFunTab(QWidget* parent = nullptr);
    ~TFunTab() override;

    // Created on first use.
    TJBBoard& Board();

    void btnStartClick();
    void bntHintClick();
    void btnUndoClick();
    void pbBoardMouseDown(int x, int y);
    void pbBoardPaint(QPainter& painter);

private:
    void SetCountLine(const std::string& text) override;
    void PlaySound(TJBSound sound) override;
    void ShowBoardMessage(const std::string& text) override;
    void RepaintBoard() override;
    TJBAckupBoard& UndoBoard() override;

    QFrame* Panel7;
    TBoardView* pbBoard;
    QLineEdit* edtCount;
    QPushButton* btnStart;
    QPushButton* bntHint;
    QToolBar* tbUndo;
    QToolButton* btnUndo;
    std::unique_ptr<TJBBoard> FBoard;
    std::unique_ptr<TJBAckupBoard> FUndoBoard;
};
