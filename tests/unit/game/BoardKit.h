// Hand-laid puzzle positions and an owner that records what the board asks of its window.
#pragma once

#include "game/Board.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class TRecordingOwner : public TBoardOwner {
public:
    std::vector<std::string> CountLines;
    std::vector<TRemovalSound> Sounds;
    std::vector<std::string> Messages;
    int Repaints = 0;

    void SetCountLine(const std::string& text) override { CountLines.push_back(text); }
    void PlaySound(TRemovalSound sound) override { Sounds.push_back(sound); }
    void ShowBoardMessage(const std::string& text) override { Messages.push_back(text); }
    void RepaintBoard() override { ++Repaints; }
    TUndoBoard& UndoBoard() override {
        if (!FUndoBoard)
            FUndoBoard = std::make_unique<TUndoBoard>(*this);
        return *FUndoBoard;
    }
    std::string CountLine() const { return CountLines.empty() ? std::string() : CountLines.back(); }

private:
    std::unique_ptr<TUndoBoard> FUndoBoard;
};

// Pictures are 12 rows of 11 characters, row 0 at the top: '0'..'4' a stone of that colour, 'a'..'e' a
// removed stone of colour 0..4, and in laid-out pictures '.' the background, a checkerboard of colours
// 3 and 4 in which no two neighbours match.
inline char Background(int column, int row) {
    return (column + row) % 2 ? '4' : '3';
}

inline std::vector<std::string> WithBackground(std::vector<std::string> picture) {
    for (int r = 0; r < static_cast<int>(picture.size()); ++r)
        for (int c = 0; c < static_cast<int>(picture[r].size()); ++c)
            if (picture[r][c] == '.')
                picture[r][c] = Background(c, r);
    return picture;
}

// Pictures of the top rows or the bottom rows of the board; the other rows are background.
inline std::vector<std::string> Top(std::vector<std::string> rows) {
    rows.resize(BoardRows, std::string(BoardColumns, '.'));
    return rows;
}

inline std::vector<std::string> Bottom(const std::vector<std::string>& rows) {
    std::vector<std::string> picture(BoardRows - rows.size(), std::string(BoardColumns, '.'));
    picture.insert(picture.end(), rows.begin(), rows.end());
    return picture;
}

// Three stones in the top left corner; a second group keeps the game going after they are gone.
inline const std::vector<std::string> ThreeInTheCorner = Top({
    "000.....1..",
    "........1..",
});

inline TBoardLayout Layout(const std::vector<std::string>& picture) {
    const std::vector<std::string> full = WithBackground(picture);
    TBoardLayout layout;
    for (int r = 0; r < BoardRows && r < static_cast<int>(full.size()); ++r)
        for (int c = 0; c < BoardColumns && c < static_cast<int>(full[r].size()); ++c) {
            const char ch = full[r][c];
            const bool removed = ch >= 'a' && ch <= 'e';
            layout[c][r] = {removed ? ch - 'a' : ch - '0', removed};
        }
    return layout;
}

inline char CellChar(const TStone& stone) {
    for (size_t i = 0; i < StoneColors.size(); ++i)
        if (StoneColors[i] == stone.Color)
            return static_cast<char>((stone.Removed ? 'a' : '0') + i);
    return '?';
}

inline std::vector<std::string> Picture(const TBoard& board) {
    std::vector<std::string> picture(BoardRows, std::string(BoardColumns, ' '));
    for (int c = 0; c < BoardColumns; ++c)
        for (int r = 0; r < BoardRows; ++r)
            picture[r][c] = CellChar(*board.Cell(c, r));
    return picture;
}

// Every stone knows its own cell and is linked to exactly the stones of the cells around it.
inline void ExpectLinksMatchCells(const TBoard& board) {
    for (int c = 0; c < BoardColumns; ++c)
        for (int r = 0; r < BoardRows; ++r) {
            const TStone* stone = board.Cell(c, r);
            EXPECT_EQ(stone->Col, c);
            EXPECT_EQ(stone->Row, r);
            EXPECT_EQ(stone->LinkUp, board.Cell(c, r - 1)) << c << "," << r;
            EXPECT_EQ(stone->LinkLeft, board.Cell(c - 1, r)) << c << "," << r;
            EXPECT_EQ(stone->LinkDown, board.Cell(c, r + 1)) << c << "," << r;
            EXPECT_EQ(stone->LinkRight, board.Cell(c + 1, r)) << c << "," << r;
        }
}

class TBoardTest : public ::testing::Test {
protected:
    TRecordingOwner Owner;
    TBoard Board{Owner};

    void Lay(const std::vector<std::string>& picture) { Board.LayOut(Layout(picture)); }
    // A click in the middle of a cell.
    void Click(int column, int row) {
        Board.ClickAt(column * TBoard::CellSize + 15, row * TBoard::CellSize + 15);
    }
    TStone& At(int column, int row) { return *Board.Cell(column, row); }
};
