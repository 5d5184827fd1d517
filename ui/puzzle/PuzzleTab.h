// The Fun tab: the stone puzzle's paint box, count line, Start, Hint and Undo.
#pragma once

#include "game/Board.h"

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

class TPuzzleTab : public QWidget, private TBoardOwner {
    Q_OBJECT
public:
    // Builds the controls, creates the board and deals the first game.
    explicit TPuzzleTab(QWidget* parent = nullptr);
    ~TPuzzleTab() override;

    // Created on first use.
    TBoard& Board();

    void NewGame();
    void ShowHint();
    void UndoMove();
    void ClickBoard(int x, int y);
    void PaintBoard(QPainter& painter);

private:
    void SetCountLine(const std::string& text) override;
    void PlaySound(TRemovalSound sound) override;
    void ShowBoardMessage(const std::string& text) override;
    void RepaintBoard() override;
    TUndoBoard& UndoBoard() override;

    QFrame* FBoardFrame;
    TBoardView* FBoardView;
    QLineEdit* FCountEdit;
    QPushButton* FStartButton;
    QPushButton* FHintButton;
    QToolBar* FUndoToolBar;
    QToolButton* FUndoButton;
    std::unique_ptr<TBoard> FBoard;
    std::unique_ptr<TUndoBoard> FUndoBoard;
};
