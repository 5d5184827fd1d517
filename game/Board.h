// The stone puzzle's rules: an 11 x 12 board of stones, marking and removing groups, scoring, hint, undo.
#pragma once

#include "game/BoardOwner.h"
#include "game/Stone.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

// What a cell holds when a position is laid out by hand: a colour index into StoneColors (taken
// modulo 5) and whether the stone has already been taken off.
struct TCellLayout {
    int ColorIndex = 0;
    bool Removed = false;
};
using TBoardLayout = std::array<std::array<TCellLayout, BoardRows>, BoardColumns>; // [column][row]

class TBoard {
public:
    static constexpr int CellSize = 30;

    explicit TBoard(TBoardOwner& owner);
    TBoard(const TBoard&) = delete;
    TBoard& operator=(const TBoard&) = delete;
    virtual ~TBoard() = default;

    // A new random position. Selecting and the count line keep what they had.
    void StartGame();
    // A position of the caller's choosing, dealt as StartGame deals a random one.
    void LayOut(const TBoardLayout& layout);
    // Every later StartGame draws from this seed instead of the clock, so the deal can be repeated.
    void FixSeed(std::uint32_t seed) { FFixedSeed = seed; }

    void ClickAt(int x, int y);
    void ShowHint();
    void UndoMove();
    // The view repaints from Cell(); the count line is rewritten at once.
    void PaintBoard();

    void LinkNeighbours(TStone& stone);
    void SelectGroup(TStone& stone);
    int GroupValue(TStone& stone);
    int SelectedCount() const;
    void UpdateCountLine(bool addPoints);
    void RemoveSelected();
    void Collapse();
    void MoveColumnToFront(int column);
    void ClearSelection();
    void CheckGameOver();
    void SaveUndo();

    bool Selecting() const { return FSelecting; }
    bool GameOver() const { return FGameOver; }
    int Score() const { return FScore; }
    int UndoScore() const { return FUndoScore; }
    // The stone in a cell; none before the first deal and outside the board.
    TStone* Cell(int column, int row) const;
    // The stones in the order they were created, which moves on the board never change.
    const std::vector<std::unique_ptr<TStone>>& Stones() const { return FStones; }

private:
    void Deal(const TBoardLayout& layout);
    // Column by column, top to bottom; nothing before the first deal.
    template <typename TAction> void ForEachCell(TAction action) {
        for (auto& column : FCells)
            for (TStone* stone : column)
                if (stone)
                    action(*stone);
    }
    void AddStone(int column, int row, TStoneColor color, bool removed);
    void CopyCells(const TBoard& source);
    void LinkAll();
    void ClearVisited();

    TBoardOwner& FOwner;
    std::vector<std::unique_ptr<TStone>> FStones;
    std::array<std::array<TStone*, BoardRows>, BoardColumns> FCells{};
    bool FSelecting = true;
    bool FGameOver = false;
    int FScore = 0;
    int FUndoScore = 0;
    std::mt19937 FRandom;
    std::optional<std::uint32_t> FFixedSeed;
};

// Keeps the position before the last removal: of each cell only the colour and whether it was removed.
class TUndoBoard : public TBoard {
public:
    using TBoard::TBoard;
};
