// One stone of the puzzle, its colours and the size of the board it lies on.
#pragma once

#include <array>
#include <cstdint>

constexpr int JBColumns = 11;
constexpr int JBRows = 12;

struct TJBColor {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    friend bool operator==(const TJBColor&, const TJBColor&) = default;
};

// The five stone colours in the order the random deal indexes them: purple, green, olive, maroon, navy.
constexpr std::array<TJBColor, 5> JBStoneColors{{
    {128, 0, 128},
    {0, 128, 0},
    {128, 128, 0},
    {128, 0, 0},
    {0, 0, 128},
}};

struct TJBStone {
    TJBColor Color;
    std::int32_t Row = 0;
    std::int32_t Col = 0;
    // A removed stone stays in its cell, keeps its colour and shows as an empty cell.
    bool Removed = false;
    bool Selected = false;
    // Neighbours in the search order up, left, down, right; none at the edge of the board.
    TJBStone* LinkUp = nullptr;
    TJBStone* LinkLeft = nullptr;
    TJBStone* LinkDown = nullptr;
    TJBStone* LinkRight = nullptr;
    bool Visited = false;

    std::array<TJBStone*, 4> Links() const { return {LinkUp, LinkLeft, LinkDown, LinkRight}; }
};
