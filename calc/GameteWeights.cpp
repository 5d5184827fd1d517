#include "calc/GameteWeights.h"

TGameteWeights::TGameteWeights(const TParentGametes& parent, const std::vector<TPossibleHet>& hets,
                               TAlleleQuestions& questions) {
    std::vector<int> percentOfLine(static_cast<size_t>(parent.LineCount()), 0);
    for (const TPossibleHet& het : hets) {
        if (het.Code.size() != 2 || het.Code[0] != '+' || het.Code[1] == '+' || het.Percent < 1 ||
            het.Percent > 99)
            continue;
        for (int j = 0; j < parent.LineCount(); ++j)
            if (parent.Allele(j, 0) == '+' && parent.Allele(j, 1) == het.Code[1] &&
                percentOfLine[static_cast<size_t>(j)] == 0 && questions.WouldBeDominant('+', het.Code[1]))
                percentOfLine[static_cast<size_t>(j)] = het.Percent;
    }
    FWeights.assign(static_cast<size_t>(parent.HetCount()), {1, 1});
    for (int j = 0; j < parent.LineCount(); ++j) {
        const int percent = percentOfLine[static_cast<size_t>(j)];
        if (percent == 0)
            continue;
        const TChance chance = ChanceOf(percent);
        FWeights[static_cast<size_t>(parent.HetBit(j))] = {
            static_cast<uint32_t>(2 * chance.Denominator - chance.Numerator),
            static_cast<uint32_t>(chance.Numerator)};
        FTaken.push_back(TPossibleHet{{'+', parent.Allele(j, 1)}, percent});
    }
}

TCount TGameteWeights::Weight(uint64_t index) const {
    TCount weight = 1;
    for (size_t bit = 0; bit < FWeights.size(); ++bit)
        weight *= FWeights[bit][(index >> bit) & 1];
    return weight;
}
