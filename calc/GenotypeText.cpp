#include "calc/GenotypeText.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// A pair as one number: two bytes, or one byte and a marker for the pair cut short.
uint32_t PairCode(std::string_view pair) {
    if (pair.size() == 1)
        return 0x10000u | static_cast<unsigned char>(pair[0]);
    return static_cast<uint32_t>(PairIndex(pair[0], pair[1]));
}

} // namespace

std::string TrimBlanks(std::string_view s) {
    size_t first = 0;
    while (first < s.size() && IsBlank(s[first]))
        ++first;
    return TrimTrailingBlanks(s.substr(first));
}

std::string TrimTrailingBlanks(std::string_view s) {
    size_t end = s.size();
    while (end > 0 && IsBlank(s[end - 1]))
        --end;
    return std::string(s.substr(0, end));
}

char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string CondensePairs(std::string_view s) {
    std::string result;
    result.reserve(s.size());
    std::vector<uint32_t> seen;
    seen.reserve((s.size() + 1) / 2);
    bool hasNormal = false;
    for (size_t i = 0; i < s.size(); i += 2) {
        const std::string_view pair = PairAt(s, i);
        const uint32_t code = PairCode(pair);
        if (std::find(seen.begin(), seen.end(), code) != seen.end())
            continue;
        seen.push_back(code);
        hasNormal = hasNormal || pair == "++";
        result += pair;
    }
    if (result.size() <= 3 || !hasNormal)
        return result;
    std::string withoutNormal;
    withoutNormal.reserve(result.size());
    for (size_t i = 0; i < result.size(); i += 2)
        if (PairAt(result, i) != "++")
            withoutNormal += PairAt(result, i);
    return TrimBlanks(withoutNormal);
}

std::string SortEachPair(std::string_view s) {
    std::string result(s);
    for (size_t i = 0; i + 1 < result.size(); i += 2)
        if (static_cast<unsigned char>(result[i + 1]) < static_cast<unsigned char>(result[i]))
            std::swap(result[i], result[i + 1]);
    return result;
}

std::string PairSetKey(std::string_view s, bool ignoreCase) {
    std::vector<uint32_t> codes;
    codes.reserve((s.size() + 1) / 2);
    for (size_t i = 0; i < s.size(); i += 2) {
        std::string pair(PairAt(s, i));
        if (ignoreCase)
            for (char& c : pair)
                c = FoldCase(c);
        codes.push_back(PairCode(pair));
    }
    std::sort(codes.begin(), codes.end());
    std::string key;
    key.reserve(codes.size() * 3);
    for (const uint32_t code : codes) {
        key += static_cast<char>(code >> 16);
        key += static_cast<char>(code >> 8);
        key += static_cast<char>(code);
    }
    return key;
}
