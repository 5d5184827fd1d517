#include "calc/Gametes.h"

#include <algorithm>

TParentGametes::TParentGametes(std::string_view selection) {
    for (size_t i = 0; i + 1 < selection.size() && !TooManyLines(); i += 2) {
        const std::string pair(selection.substr(i, 2));
        if (pair != "++" && std::find(FLines.begin(), FLines.end(), pair) != FLines.end())
            continue;
        FHetBit.push_back(pair[0] == pair[1] ? -1 : HetCount());
        if (pair[0] != pair[1])
            FHetLines.push_back(LineCount());
        FLines.push_back(pair);
    }
}

std::string TParentGametes::Gamete(uint64_t index) const {
    std::string gamete(FLines.size(), ' ');
    for (int j = 0; j < LineCount(); ++j)
        gamete[static_cast<size_t>(j)] = Allele(j, Choice(index, j));
    return gamete;
}

std::string CombineGametes(std::string_view male, std::string_view female) {
    const bool maleFirst = male > female;
    const std::string_view first = maleFirst ? male : female;
    const std::string_view second = maleFirst ? female : male;
    std::string combined;
    combined.reserve(first.size() * 2);
    for (size_t i = 0; i < first.size(); ++i) {
        combined += first[i];
        combined += i < second.size() ? second[i] : '+';
    }
    return combined;
}
