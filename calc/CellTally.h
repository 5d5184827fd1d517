// Counting the cells of a Punnett grid by number: how many cells (or what weight) each number of
// offspring gets, and which cell it came with first, so that offspring are listed in grid order.
#pragma once

#include "calc/ExactCount.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

// Cells of a number and what they weigh together.
struct TWeighedCells {
    TCount Weight = 0;
    uint64_t Cells = 0;

    bool operator==(const TWeighedCells&) const = default;
    TWeighedCells& operator+=(const TWeighedCells& more) {
        Weight += more.Weight;
        Cells += more.Cells;
        return *this;
    }
};

// Cells counted by number, with the first cell of every number. `TCounter` is a counter of the dense
// table (32 bits for plain cells), `TSum` a count anywhere else.
template <typename TCounter, typename TSum> class TTally {
public:
    // `cellsInOrder`: cells come column by column, so a number's first cell is the one it came with.
    TTally(uint64_t numberCount, uint64_t denseLimit, size_t cap, bool cellsInOrder)
        : FCap(cap), FCellsInOrder(cellsInOrder) {
        if (numberCount <= denseLimit) {
            FDenseCount.assign(numberCount, TCounter{});
            if (!cellsInOrder)
                FDenseFirst.assign(numberCount, 0);
        } else {
            FSparse.reserve(std::min<uint64_t>(numberCount, cap + 1));
        }
    }

    // False once more than the cap of different numbers have come.
    bool Add(uint64_t number, uint64_t cell, TSum weight) {
        if (!FDenseCount.empty()) {
            TCounter& count = FDenseCount[number];
            const bool first = count == TCounter{};
            count += static_cast<TCounter>(weight);
            if (first)
                FNumbers.push_back(number);
            if (!FCellsInOrder && (first || cell < FDenseFirst[number]))
                FDenseFirst[number] = cell;
        } else {
            auto [entry, added] = FSparse.try_emplace(number, TEntry{TSum{}, cell});
            entry->second.Count += weight;
            entry->second.First = std::min(entry->second.First, cell);
            if (added)
                FNumbers.push_back(number);
        }
        return FNumbers.size() <= FCap;
    }

    // (number, cells) in order of their first cell.
    std::vector<std::pair<uint64_t, TSum>> InOrder() const {
        std::vector<std::pair<uint64_t, TSum>> result; // (number, cells)
        result.reserve(FNumbers.size());
        if (FCellsInOrder) {
            for (const uint64_t number : FNumbers)
                result.emplace_back(number, Count(number));
            return result;
        }
        std::vector<std::pair<uint64_t, uint64_t>> byFirst; // (first cell, number)
        byFirst.reserve(FNumbers.size());
        for (const uint64_t number : FNumbers)
            byFirst.emplace_back(First(number), number);
        std::sort(byFirst.begin(), byFirst.end());
        for (const auto& [first, number] : byFirst)
            result.emplace_back(number, Count(number));
        return result;
    }

private:
    struct TEntry {
        TSum Count;
        uint64_t First;
    };
    uint64_t First(uint64_t number) const {
        return FDenseCount.empty() ? FSparse.at(number).First : FDenseFirst[number];
    }
    TSum Count(uint64_t number) const {
        return FDenseCount.empty() ? FSparse.at(number).Count : FDenseCount[number];
    }

    size_t FCap;
    bool FCellsInOrder;
    std::vector<TCounter> FDenseCount;
    std::vector<uint64_t> FDenseFirst;
    std::unordered_map<uint64_t, TEntry> FSparse;
    std::vector<uint64_t> FNumbers;
};
