#include "calc/GenotypeText.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <vector>

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// A pair as one number: two bytes, or one byte and a marker for the pair cut short.
uint32_t PairCode(std::string_view pair, bool ignoreCase) {
    const char first = ignoreCase ? LowerCaseWindows1252(pair[0]) : pair[0];
    if (pair.size() == 1)
        return 0x10000u | static_cast<unsigned char>(first);
    return static_cast<uint32_t>(PairIndex(first, ignoreCase ? LowerCaseWindows1252(pair[1]) : pair[1]));
}

// The pair numbers of a string, sorted, in a buffer on the stack: genotype strings have a few dozen
// pairs at most; longer hand-made ones go to the heap.
class TSortedPairCodes {
public:
    TSortedPairCodes(std::string_view s, bool ignoreCase) {
        const size_t count = (s.size() + 1) / 2;
        if (count > std::size(FLocal))
            FHeap.resize(count);
        FCodes = count > std::size(FLocal) ? FHeap.data() : FLocal;
        for (size_t i = 0; i < s.size(); i += 2)
            FCodes[FCount++] = PairCode(PairAt(s, i), ignoreCase);
        std::sort(FCodes, FCodes + FCount);
    }
    bool operator==(const TSortedPairCodes& other) const {
        return std::equal(FCodes, FCodes + FCount, other.FCodes, other.FCodes + other.FCount);
    }

private:
    uint32_t FLocal[64];
    std::vector<uint32_t> FHeap;
    uint32_t* FCodes = nullptr;
    size_t FCount = 0;
};

uint64_t Mix(uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

} // namespace

std::string TrimTrailingBlanks(std::string_view s) {
    size_t end = s.size();
    while (end > 0 && IsBlank(s[end - 1]))
        --end;
    return std::string(s.substr(0, end));
}

void CondensePairs(std::string& s) {
    // Pairs are moved forward within s: the condensed front never overtakes the pair being read.
    const auto keepPair = [&s](size_t from, size_t& to) {
        const size_t length = std::min<size_t>(2, s.size() - from);
        for (size_t k = 0; k < length; ++k)
            s[to + k] = s[from + k];
        to += length;
    };
    size_t kept = 0;
    bool hasNormal = false;
    for (size_t i = 0; i < s.size(); i += 2) {
        const std::string_view pair = PairAt(s, i);
        bool known = false;
        for (size_t k = 0; k < kept && !known; k += 2)
            known = std::string_view(s).substr(k, std::min<size_t>(2, kept - k)) == pair;
        if (known)
            continue;
        hasNormal = hasNormal || pair == "++";
        keepPair(i, kept);
    }
    s.resize(kept);
    if (s.size() <= 3 || !hasNormal)
        return;
    size_t write = 0;
    for (size_t i = 0; i < s.size(); i += 2)
        if (PairAt(s, i) != "++")
            keepPair(i, write);
    s.resize(write);
    while (!s.empty() && IsBlank(s.back()))
        s.pop_back();
    size_t first = 0;
    while (first < s.size() && IsBlank(s[first]))
        ++first;
    s.erase(0, first);
}

void SortEachPair(std::string& s) {
    for (size_t i = 0; i + 1 < s.size(); i += 2)
        if (AlleleLess(s[i + 1], s[i]))
            std::swap(s[i], s[i + 1]);
}

bool SamePairSet(std::string_view a, std::string_view b, bool ignoreCase) {
    if (a.size() != b.size())
        return false;
    return TSortedPairCodes(a, ignoreCase) == TSortedPairCodes(b, ignoreCase);
}

uint64_t PairSetHash(std::string_view s, bool ignoreCase) {
    uint64_t hash = 0;
    for (size_t i = 0; i < s.size(); i += 2)
        hash += Mix(PairCode(PairAt(s, i), ignoreCase));
    return Mix(hash);
}

uint64_t TextHash(std::string_view s) {
    return Mix(std::hash<std::string_view>{}(s));
}
