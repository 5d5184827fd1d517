// What a caller running the calculation beside its window may do with the run: stop it, and read how far
// it is. The loops check it once per block of cells or lines, so that a check costs nothing.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>

// The steps of a run, each with its share of the way in percent: counting the cells is the longest.
enum class TCalcStep { Cells, PossibleHets, Names };

// Loops over the offspring lines check once per this many lines.
constexpr uint64_t CheckedLines = 1024;

struct TCalcControl {
    const std::atomic<bool>* Cancel = nullptr; // once set, the run stops at its next block
    std::function<void(int percent)> Progress; // how far the run is, 0 to 100; called on the run's thread

    bool Cancelled() const { return Cancel != nullptr && Cancel->load(std::memory_order_relaxed); }

    // `done` of `total` blocks of `step` are through.
    void Advance(TCalcStep step, uint64_t done, uint64_t total) const {
        if (!Progress || total == 0)
            return;
        static constexpr int StepBegin[] = {0, 60, 80, 100};
        const auto i = static_cast<size_t>(step);
        const auto share = static_cast<uint64_t>(StepBegin[i + 1] - StepBegin[i]);
        Progress(StepBegin[i] + static_cast<int>(share * std::min(done, total) / total));
    }
};
