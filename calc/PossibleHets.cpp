#include "calc/PossibleHets.h"

#include "calc/GenotypeText.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

void AddOnceIgnoringCase(std::vector<std::string>& list, std::string_view pair) {
    for (const std::string& known : list)
        if (SameIgnoringCase(known, pair))
            return;
    list.emplace_back(pair);
}

} // namespace

void TPossibleList::Clear() {
    FItems.clear();
    FLooks.clear();
}

void TPossibleList::Add(TPossibleItem item) {
    FLooks[PairSetKey(item.Phenotype, false)].Items.push_back(FItems.size());
    FItems.push_back(std::move(item));
}

std::string TPossibleList::PossibleTextOf(std::string_view line) const {
    const auto look = FLooks.find(PairSetKey(line, false));
    if (look == FLooks.end())
        return {};
    for (auto item = look->second.Items.rbegin(); item != look->second.Items.rend(); ++item) {
        const TPossibleItem& record = FItems[*item];
        if (!record.LastText.empty())
            return record.LastText;
        if (record.Count > 1 && !record.Text.empty())
            return record.Text;
    }
    return {};
}

std::string TPossibleList::PossibleText(size_t i, TResultList& lines, TNaming& naming) {
    const std::string& line = lines.Lines[i];
    const std::string phenotype = lines.PhenotypeOf(line);
    const auto found = FLooks.find(PairSetKey(phenotype, false));
    if (found == FLooks.end())
        return {};
    TLook& look = found->second;
    // The last cell of this look whose genotype is not the look itself: one that hides something.
    const auto hider = std::find_if(look.Items.rbegin(), look.Items.rend(),
                                    [&](size_t item) { return FItems[item].Genotype != line; });
    if (hider == look.Items.rend())
        return {};
    TPossibleItem& lastHider = FItems[*hider];
    lastHider.LastText.clear();
    if (lastHider.HetList.empty())
        return {};
    auto [text, added] = look.Texts.try_emplace(phenotype);
    if (added)
        text->second = WorkOutText(look, phenotype, naming);
    if (!text->second.empty())
        for (const size_t item : look.Items)
            FItems[item].Text = FItems[item].LastText = text->second;
    return text->second;
}

std::string TPossibleList::WorkOutText(TLook& look, const std::string& phenotype, TNaming& naming) const {
    // A hidden allele that the look shows anyway is no possible het, but a hidden wild type is, when
    // the look shows the wild type only.
    std::vector<std::string> entries;
    int64_t total = 0;
    for (const size_t item : look.Items) {
        total += FItems[item].Count;
        for (const std::string& pair : FItems[item].HetList) {
            const char allele = CharAt(pair, 1);
            if (phenotype.find(allele) == std::string::npos ||
                (allele == '+' && phenotype.find("++") != std::string::npos))
                AddOnceIgnoringCase(entries, pair);
        }
    }
    std::string text = "(";
    for (const std::string& entry : entries) {
        int64_t carriers = 0;
        for (const size_t item : look.Items) {
            const std::vector<std::string>& hets = FItems[item].HetList;
            if (std::find(hets.begin(), hets.end(), entry) != hets.end())
                carriers += FItems[item].Count;
        }
        if (carriers != total) {
            const double share = static_cast<double>(carriers) / static_cast<double>(total) * 100.0;
            text += std::to_string(static_cast<int64_t>(std::floor(share))) + "% poss. ";
        }
        text += naming.HetText(entry) + ", ";
    }
    if (text.size() <= 1)
        return {};
    text[text.size() - 2] = ')';
    return text;
}

void BuildPossibles(TResultList& lines, TPossibleList& possibles, TAlleleQuestions& questions,
                    TNaming& naming) {
    possibles.Clear();
    std::vector<std::string> phenotypes;
    phenotypes.reserve(lines.Lines.size());
    for (size_t i = 0; i < lines.Lines.size(); ++i) {
        TPossibleItem item;
        item.Genotype = lines.Lines[i];
        item.Phenotype = lines.PhenotypeOf(item.Genotype);
        item.Count = lines.Counts[i];
        const std::string& g = item.Genotype;
        for (size_t j = 0; j < g.size(); j += 2) {
            const char p1 = g[j];
            const char p2 = CharAt(g, j + 1);
            const bool unrelatedMutants =
                p1 != p2 && p1 != '+' && p1 != '#' && p2 != '+' && p2 != '#' && !questions.SameLocus(p1, p2);
            if (!unrelatedMutants && questions.IsHet(p1, p2))
                AddOnceIgnoringCase(item.HetList, PairAt(g, j));
        }
        phenotypes.push_back(item.Phenotype);
        possibles.Add(std::move(item));
    }
    std::vector<int64_t> counts = std::move(lines.Counts);
    lines.Clear();
    for (size_t i = 0; i < phenotypes.size(); ++i) {
        lines.Add(std::move(phenotypes[i]), counts[i]);
        possibles.PossibleText(i, lines, naming);
    }
    lines.NormaliseLines();
}
