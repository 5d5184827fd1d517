// One stone of the puzzle, its colours and the size of the board it lies on.
#pragma once

#include <array>
#include <cstdint>

constexpr int BoardColumns = 11;
constexpr int BoardRows = 12;

struct TStoneColor {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    friend bool operator==(const TStoneColor&, const TStoneColor&) = default;
};

// The five stone colours in the order the random deal indexes them: purple, green, olive, maroon, navy.
constexpr std::array<TStoneColor, 5> StoneColors{{
    {128, 0, 128},
    {0, 128, 0},
    {128, 128, 0},
    {128, 0, 0},
    {0, 0, 128},
}};

struct TStone {
    TStoneColor Color;
    std::int32_t Row = 0;
    std::int32_t Col = 0;
    // A removed stone stays in its cell, keeps its colour and shows as an empty cell.
    bool Removed = false;
    bool Selected = false;
    // Neighbours in the search order up, left, down, right; none at the edge of the board.
    TStone* LinkUp = nullptr;
    TStone* LinkLeft = nullptr;
    TStone* LinkDown = nullptr;
    TStone* LinkRight = nullptr;
    bool Visited = false;

    std::array<TStone*, 4> Links() const { return {LinkUp, LinkLeft, LinkDown, LinkRight}; }
};
