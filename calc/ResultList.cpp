#include "calc/ResultList.h"

#include "calc/GenotypeText.h"

#include <numeric>
#include <unordered_map>
#include <utility>

void TResultList::Clear() {
    Lines.clear();
    Counts.clear();
}

void TResultList::Add(std::string line, int64_t count) {
    Lines.push_back(std::move(line));
    Counts.push_back(count);
}

int64_t TResultList::TotalCount() const {
    return std::accumulate(Counts.begin(), Counts.end(), int64_t(0));
}

std::string TResultList::ArrangePairs(std::string_view s) {
    return ::ArrangePairs(s, [this](std::string_view pair) { return FQuestions.IsHet(pair); });
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
    std::vector<std::string> lines = std::move(Lines);
    std::vector<int64_t> counts = std::move(Counts);
    Clear();
    std::unordered_map<std::string, size_t> indexOfAnimal;
    indexOfAnimal.reserve(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line = SortEachPair(ArrangePairs(lines[i]));
        const auto [found, added] = indexOfAnimal.try_emplace(PairSetKey(line, true), Lines.size());
        if (added)
            Add(std::move(line), counts[i]);
        else
            Counts[found->second] += counts[i];
    }
    for (std::string& line : Lines)
        line = CondensePairs(line);
}

std::string TResultList::PhenotypeOf(std::string_view s) {
    std::string shown;
    shown.reserve(s.size());
    for (size_t i = 0; i < s.size(); i += 2) {
        const std::string_view pair = PairAt(s, i);
        shown += FQuestions.IsVisible(pair) ? pair : std::string_view("++");
    }
    return CondensePairs(shown);
}

void TResultList::ToPhenotypes() {
    for (std::string& line : Lines)
        line = PhenotypeOf(line);
    NormaliseLines();
}
