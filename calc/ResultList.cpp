#include "calc/ResultList.h"

#include "calc/GenotypeText.h"
#include "calc/LineGroups.h"

#include <numeric>
#include <utility>

void TResultList::Clear() {
    Lines.clear();
    Counts.clear();
    Cells.clear();
    Notes.clear();
    Unhatched = 0;
}

void TResultList::Add(std::string line, TCount count) {
    Lines.push_back(std::move(line));
    Counts.push_back(count);
}

TCount TResultList::TotalCount() const {
    return std::accumulate(Counts.begin(), Counts.end(), TCount(0));
}

std::string TResultList::ExpandDominance(std::string_view pair) {
    const char p1 = CharAt(pair, 0);
    const char p2 = CharAt(pair, 1);
    if (FQuestions.IsHet(p1, p2) && p1 != '+' && p2 != '+' && !FQuestions.SameLocus(p1, p2))
        return "++";
    if (p1 != p2 && FQuestions.IsDominant(p1, p2))
        return {p1, p1, '#', p2};
    if (p1 != p2 && FQuestions.IsDominant(p2, p1))
        return {p2, p2, '#', p1};
    return std::string(pair);
}

void TResultList::NormaliseLines() {
    std::vector<uint64_t> hashes(Lines.size());
    std::string arranged;
    const auto isHet = [this](std::string_view pair) { return FQuestions.IsHet(pair); };
    for (size_t i = 0; i < Lines.size(); ++i) {
        ArrangePairs(Lines[i], arranged, isHet);
        SortEachPair(arranged);
        Lines[i].swap(arranged);
        hashes[i] = PairSetHash(Lines[i], true);
    }
    // A line of the same animal as an earlier one adds its cells to that one.
    MergeEqualLines(*this, hashes,
                    [this](uint32_t a, uint32_t b) { return SamePairSet(Lines[a], Lines[b], true); });
    for (std::string& line : Lines)
        CondensePairs(line);
}

void TResultList::ToPhenotype(std::string& s) {
    for (size_t i = 0; i < s.size(); i += 2)
        if (!FQuestions.IsVisible(PairAt(s, i))) {
            s[i] = '+';
            if (i + 1 < s.size())
                s[i + 1] = '+';
            else
                s += '+';
        }
    CondensePairs(s);
}

std::string TResultList::PhenotypeOf(std::string_view s) {
    std::string phenotype(s);
    ToPhenotype(phenotype);
    return phenotype;
}

void TResultList::ToPhenotypes() {
    for (std::string& line : Lines)
        ToPhenotype(line);
    NormaliseLines();
}
