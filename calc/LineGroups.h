// Merging many lines into groups of equal ones without random memory access: the lines are sorted by
// hash (radix passes over an array), and lines of equal hash are compared with the caller's equality.
#pragma once

#include "calc/ResultList.h"

#include <cstdint>
#include <string>
#include <vector>

// For every line i, the first line equal to it (i itself when there is none before it). `hashes` holds
// a hash per line, equal for equal lines; `equal` (i, j) tells whether two lines are equal.
template <typename TEqual>
std::vector<uint32_t> FirstOfEqualLines(const std::vector<uint64_t>& hashes, TEqual equal) {
    const size_t count = hashes.size();
    // (hash folded to 32 bits, line) in one number; passes from the low byte of the hash keep lines of
    // one hash in line order.
    std::vector<uint64_t> keys(count);
    for (size_t i = 0; i < count; ++i)
        keys[i] = static_cast<uint64_t>(static_cast<uint32_t>(hashes[i] ^ (hashes[i] >> 32))) << 32 | i;
    std::vector<uint64_t> sorted(count);
    for (int shift = 32; shift < 64; shift += 8) {
        size_t starts[257] = {};
        for (const uint64_t key : keys)
            ++starts[(key >> shift & 0xFF) + 1];
        for (int b = 0; b < 256; ++b)
            starts[b + 1] += starts[b];
        for (const uint64_t key : keys)
            sorted[starts[key >> shift & 0xFF]++] = key;
        keys.swap(sorted);
    }
    std::vector<uint32_t> first(count);
    std::vector<uint32_t> representatives;
    for (size_t begin = 0; begin < count;) {
        size_t end = begin;
        while (end < count && keys[end] >> 32 == keys[begin] >> 32)
            ++end;
        representatives.clear();
        for (size_t k = begin; k < end; ++k) {
            const auto line = static_cast<uint32_t>(keys[k]);
            first[line] = line;
            for (const uint32_t representative : representatives)
                if (equal(line, representative)) {
                    first[line] = representative;
                    break;
                }
            if (first[line] == line)
                representatives.push_back(line);
        }
        begin = end;
    }
    return first;
}

// Merges equal lines of `list` into the first of them, adding up their counts, and keeps the lines' order.
template <typename TEqual>
void MergeEqualLines(TResultList& list, const std::vector<uint64_t>& hashes, TEqual equal) {
    std::vector<std::string>& lines = list.Lines;
    std::vector<TCount>& counts = list.Counts;
    std::vector<uint64_t>& cells = list.Cells;
    std::vector<TNoteSet>& notes = list.Notes;
    const bool weighed = !cells.empty();
    const bool noted = !notes.empty();
    std::vector<uint32_t> first = FirstOfEqualLines(hashes, equal);
    size_t kept = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (first[i] != i) {
            const uint32_t into = first[first[i]]; // the first one's entry already holds its new place
            counts[into] += counts[i];
            if (weighed)
                cells[into] += cells[i];
            if (noted)
                notes[into] |= notes[i];
            continue;
        }
        first[i] = static_cast<uint32_t>(kept);
        if (kept != i) {
            lines[kept] = std::move(lines[i]);
            counts[kept] = counts[i];
            if (weighed)
                cells[kept] = cells[i];
            if (noted)
                notes[kept] = notes[i];
        }
        ++kept;
    }
    lines.resize(kept);
    counts.resize(kept);
    if (weighed)
        cells.resize(kept);
    if (noted)
        notes.resize(kept);
}
