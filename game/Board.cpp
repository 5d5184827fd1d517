#include "game/Board.h"

#include <chrono>
#include <utility>

TBoard::TBoard(TBoardOwner& owner) : FOwner(owner) {}

void TBoard::StartGame() {
    FRandom.seed(
        FFixedSeed ? *FFixedSeed
                   : static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<int> colorIndex(0, static_cast<int>(StoneColors.size()) - 1);
    TBoardLayout layout;
    for (auto& column : layout)
        for (TCellLayout& cell : column)
            cell.ColorIndex = colorIndex(FRandom);
    Deal(layout);
}

void TBoard::LayOut(const TBoardLayout& layout) {
    Deal(layout);
}

// The deal draws straight away and leaves the count line alone: it keeps its old text until the next
// PaintBoard.
void TBoard::Deal(const TBoardLayout& layout) {
    FStones.clear();
    FGameOver = false;
    FScore = 0;
    FUndoScore = 0;
    const int colors = static_cast<int>(StoneColors.size());
    for (int c = 0; c < BoardColumns; ++c)
        for (int r = 0; r < BoardRows; ++r) {
            const int index = ((layout[c][r].ColorIndex % colors) + colors) % colors;
            AddStone(c, r, StoneColors[static_cast<size_t>(index)], layout[c][r].Removed);
        }
    LinkAll();
    FOwner.RepaintBoard();
}

void TBoard::AddStone(int column, int row, TStoneColor color, bool removed) {
    auto stone = std::make_unique<TStone>();
    stone->Color = color;
    stone->Row = row;
    stone->Col = column;
    stone->Removed = removed;
    FCells[column][row] = stone.get();
    FStones.push_back(std::move(stone));
}

TStone* TBoard::Cell(int column, int row) const {
    if (column < 0 || column >= BoardColumns || row < 0 || row >= BoardRows)
        return nullptr;
    return FCells[column][row];
}

void TBoard::LinkNeighbours(TStone& stone) {
    if (stone.Col > 0)
        FCells[stone.Col - 1][stone.Row]->LinkRight = &stone;
    if (stone.Col < BoardColumns - 1)
        FCells[stone.Col + 1][stone.Row]->LinkLeft = &stone;
    if (stone.Row > 0)
        FCells[stone.Col][stone.Row - 1]->LinkDown = &stone;
    if (stone.Row < BoardRows - 1)
        FCells[stone.Col][stone.Row + 1]->LinkUp = &stone;
}

void TBoard::LinkAll() {
    ForEachCell([this](TStone& stone) { LinkNeighbours(stone); });
}

void TBoard::ClickAt(int x, int y) {
    FUndoScore = FScore;
    if (FGameOver)
        return;
    TStone* stone = Cell(x / CellSize, y / CellSize);
    if (!stone || x < 0 || y < 0)
        return;
    if (FSelecting) {
        SelectGroup(*stone);
        if (SelectedCount() > 1) {
            FSelecting = false;
            PaintBoard();
        } else {
            stone->Selected = false;
        }
    } else if (stone->Selected) {
        SaveUndo();
        UpdateCountLine(true);
        RemoveSelected();
        ClearSelection();
    } else {
        ClearSelection();
    }
    CheckGameOver();
    if (FGameOver)
        FOwner.ShowBoardMessage("Gameover, you have " + std::to_string(FScore) + " points");
}

// Starting from a removed stone is allowed: it is marked together with the present stones of its
// former colour around it.
void TBoard::SelectGroup(TStone& stone) {
    stone.Selected = true;
    for (TStone* next : stone.Links())
        if (next && next->Color == stone.Color && !next->Selected && !next->Removed)
            SelectGroup(*next);
}

// A group of present stones not yet visited is worth 2 x (adjacent pairs in it) + 1, because a visited
// neighbour still adds its own 1. Larger and more compact groups score higher.
int TBoard::GroupValue(TStone& stone) {
    int value = stone.Removed ? 0 : 1;
    if (stone.Visited)
        return value;
    stone.Visited = true;
    for (TStone* next : stone.Links())
        if (next && !next->Removed && next->Color == stone.Color)
            value += GroupValue(*next);
    return value;
}

int TBoard::SelectedCount() const {
    int count = 0;
    for (const auto& stone : FStones)
        if (stone->Selected)
            ++count;
    return count;
}

// The line shows the score before the marked group's points are added; a lone marked stone is worth 0.
void TBoard::UpdateCountLine(bool addPoints) {
    const int marked = SelectedCount();
    const int points = marked * marked - marked;
    FOwner.SetCountLine("Count = " + std::to_string(FScore) + " selected = " + std::to_string(points));
    if (addPoints)
        FScore += points;
}

void TBoard::PaintBoard() {
    FOwner.RepaintBoard();
    UpdateCountLine(false);
}

// The marked stones stay marked until ClearSelection.
void TBoard::RemoveSelected() {
    int count = 0;
    ForEachCell([&count](TStone& stone) {
        if (stone.Selected) {
            stone.Removed = true;
            ++count;
        }
    });
    FOwner.PlaySound(SoundForCount(count));
    Collapse();
    PaintBoard();
}

// The order in which removed stones end up matters: they keep their colours, and a click on an empty
// cell starts from the removed stone in it.
void TBoard::Collapse() {
    if (FStones.empty())
        return;
    for (int c = 0; c < BoardColumns; ++c)
        for (int r = BoardRows - 1; r >= 0; --r) {
            if (!FCells[c][r]->Removed)
                continue;
            for (int k = 0; k <= r; ++k)
                if (!FCells[c][k]->Removed) {
                    std::swap(FCells[c][k], FCells[c][r]);
                    FCells[c][k]->Row = k;
                    FCells[c][r]->Row = r;
                }
        }
    for (int round = 0; round < BoardColumns; ++round)
        for (int c = BoardColumns - 1; c >= 0; --c)
            if (FCells[c][BoardRows - 1]->Removed)
                MoveColumnToFront(c);
    for (auto& stone : FStones)
        stone->LinkUp = stone->LinkLeft = stone->LinkDown = stone->LinkRight = nullptr;
    LinkAll();
}

void TBoard::MoveColumnToFront(int column) {
    if (FStones.empty())
        return;
    for (int k = 0; k < column && column < BoardColumns; ++k)
        std::swap(FCells[k], FCells[column]);
    for (int c = 0; c < BoardColumns; ++c)
        for (int r = 0; r < BoardRows; ++r) {
            FCells[c][r]->Col = c;
            FCells[c][r]->Row = r;
        }
}

void TBoard::ClearSelection() {
    FSelecting = true;
    ForEachCell([](TStone& stone) { stone.Selected = false; });
    PaintBoard();
}

void TBoard::ClearVisited() {
    for (auto& stone : FStones)
        stone->Visited = false;
}

// The game goes on while a group of two present stones exists, or an empty cell has three present
// neighbours of the colour its stone had.
void TBoard::CheckGameOver() {
    FGameOver = true;
    ClearVisited();
    for (auto& stone : FStones)
        if (GroupValue(*stone) > 2)
            FGameOver = false;
}

// Values are taken in creation order without clearing the marks in between, so only the first stone
// reached of each group carries its full value, and ties go to the stone created first.
void TBoard::ShowHint() {
    ClearVisited();
    TStone* best = nullptr;
    int bestValue = -1;
    for (auto& stone : FStones) {
        const int value = GroupValue(*stone);
        if (value > bestValue) {
            bestValue = value;
            best = stone.get();
        }
    }
    if (!best || bestValue <= 2) {
        FOwner.ShowBoardMessage("No options left");
        return;
    }
    SelectGroup(*best);
    FSelecting = !FSelecting;
    PaintBoard();
}

// Of each cell only the colour and whether the stone was removed; nothing when `source` was never dealt.
void TBoard::CopyCells(const TBoard& source) {
    FStones.clear();
    if (source.FStones.empty())
        return;
    for (int c = 0; c < BoardColumns; ++c)
        for (int r = 0; r < BoardRows; ++r)
            AddStone(c, r, source.FCells[c][r]->Color, source.FCells[c][r]->Removed);
}

void TBoard::SaveUndo() {
    FOwner.UndoBoard().CopyCells(*this);
}

// Nothing to go back to before the first removal: the board stays as it is.
void TBoard::UndoMove() {
    const TBoard& undo = FOwner.UndoBoard();
    if (undo.FStones.empty())
        return;
    CopyCells(undo);
    FScore = FUndoScore;
    LinkAll();
    PaintBoard();
    FSelecting = true;
}
