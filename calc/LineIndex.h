// Finding equal lines among many without a node per line: a flat table of hashes and line indexes,
// every hit confirmed by the caller's own comparison.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class TLineIndex {
public:
    explicit TLineIndex(size_t expected = 8) { Resize(expected * 2); }

    // The index of a recorded line equal to the one described by `hash` and `equal` (called with the
    // index of each candidate); otherwise records `newIndex` under `hash` and returns it.
    template <typename TEqual> size_t FindOrAdd(uint64_t hash, size_t newIndex, TEqual equal) {
        TSlot& entry = FSlots[SlotOf(hash, equal)];
        if (entry.Index != Empty)
            return entry.Index;
        entry = {Fold(hash), static_cast<uint32_t>(newIndex)};
        if (++FCount * 2 > FSlots.size())
            Resize(FSlots.size() * 2);
        return newIndex;
    }

    // The index of a recorded line equal to the one described, or `none`.
    template <typename TEqual> size_t Find(uint64_t hash, size_t none, TEqual equal) const {
        const TSlot& entry = FSlots[SlotOf(hash, equal)];
        return entry.Index == Empty ? none : entry.Index;
    }

private:
    static constexpr uint32_t Empty = ~uint32_t(0);
    struct TSlot {
        uint32_t Hash = 0;
        uint32_t Index = Empty;
    };
    static uint32_t Fold(uint64_t hash) { return static_cast<uint32_t>(hash ^ (hash >> 32)); }

    // The slot of the recorded line equal to the one described, or the empty slot where it would go.
    template <typename TEqual> size_t SlotOf(uint64_t hash, TEqual equal) const {
        const uint32_t folded = Fold(hash);
        for (size_t slot = folded & FMask;; slot = (slot + 1) & FMask) {
            const TSlot& entry = FSlots[slot];
            if (entry.Index == Empty || (entry.Hash == folded && equal(entry.Index)))
                return slot;
        }
    }

    void Resize(size_t wanted) {
        size_t size = 16;
        while (size < wanted)
            size *= 2;
        std::vector<TSlot> old = std::move(FSlots);
        FSlots.assign(size, TSlot{});
        FMask = size - 1;
        for (const TSlot& entry : old)
            if (entry.Index != Empty) {
                size_t slot = entry.Hash & FMask;
                while (FSlots[slot].Index != Empty)
                    slot = (slot + 1) & FMask;
                FSlots[slot] = entry;
            }
    }

    std::vector<TSlot> FSlots;
    size_t FMask = 0;
    size_t FCount = 0;
};
