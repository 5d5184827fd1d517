// Genotype strings read as pairs: positions, condensing, trimming, and comparing lines as sets of pairs.
#pragma once

#include <cstddef>
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

// The pairs the animal shows, in order, before the pairs it carries hidden (`isHet` tells which is
// which); a string of one pair gets its lower byte first.
template <typename TIsHet> std::string ArrangePairs(std::string_view s, TIsHet isHet) {
    if (s.size() == 2 && static_cast<unsigned char>(s[1]) < static_cast<unsigned char>(s[0]))
        return std::string{s[1], s[0]};
    std::string shown;
    std::string carried;
    shown.reserve(s.size());
    for (size_t i = 0; i < s.size(); i += 2) {
        const std::string_view pair = PairAt(s, i);
        (isHet(pair) ? carried : shown) += pair;
    }
    return shown + carried;
}

// Blanks and control characters removed from both ends, or from the end only.
std::string TrimBlanks(std::string_view s);
std::string TrimTrailingBlanks(std::string_view s);

// Letter case folded for the comparisons that ignore it (only the merge of offspring lines does).
char FoldCase(char c);

// Each pair kept once, in order of first occurrence; in a string of more than one pair "++" is dropped.
std::string CondensePairs(std::string_view s);

// Every pair with the lower byte first.
std::string SortEachPair(std::string_view s);

// Two genotype strings describe the same animal when they hold the same pairs, each as often, in any
// order. The key is equal exactly for such strings; with `ignoreCase` letters of either case meet too.
std::string PairSetKey(std::string_view s, bool ignoreCase);
