// Genotype strings read as pairs: positions, condensing, trimming, and comparing lines as sets of pairs.
#pragma once

#include "model/Text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Character i (0-based) of s, or '\0' past the end: the pair cut short at the end of a hand-typed string
// of odd length reads as its one character followed by '\0', which no allele ever is.
inline char CharAt(std::string_view s, size_t i) {
    return i < s.size() ? s[i] : '\0';
}

// The pair starting at the even position i: two characters, or one at the end of an odd-length string.
inline std::string_view PairAt(std::string_view s, size_t i) {
    return s.substr(i, 2);
}

// Index of a pair (x, y) in tables of all byte pairs.
inline size_t PairIndex(char x, char y) {
    return static_cast<size_t>(static_cast<unsigned char>(x)) << 8 | static_cast<unsigned char>(y);
}
// The same for the pair with its lower byte first, as gene codes are written.
inline size_t SortedPairIndex(char x, char y) {
    return AlleleLess(y, x) ? PairIndex(y, x) : PairIndex(x, y);
}

// The pairs the animal shows, in order, before the pairs it carries hidden (`isHet` tells which is
// which); a string of one pair gets its lower byte first.
template <typename TIsHet> void ArrangePairs(std::string_view s, std::string& arranged, TIsHet isHet) {
    arranged.clear();
    if (s.size() == 2 && AlleleLess(s[1], s[0])) {
        arranged = {s[1], s[0]};
        return;
    }
    for (int carried = 0; carried < 2; ++carried)
        for (size_t i = 0; i < s.size(); i += 2)
            if (isHet(PairAt(s, i)) == (carried == 1))
                arranged += PairAt(s, i);
}

// Blanks and control characters removed from the end.
std::string TrimTrailingBlanks(std::string_view s);

// Each pair kept once, in order of first occurrence; in a string of more than one pair "++" is dropped.
void CondensePairs(std::string& s);

// Every pair with the lower byte first.
void SortEachPair(std::string& s);

// Two genotype strings describe the same animal when they hold the same pairs, each as often, in any
// order; with `ignoreCase` a Windows-1252 letter of either case counts alike, as the merge of offspring lines
// compares them. Such strings have the same hash.
bool SamePairSet(std::string_view a, std::string_view b, bool ignoreCase);
uint64_t PairSetHash(std::string_view s, bool ignoreCase);
uint64_t TextHash(std::string_view s);
