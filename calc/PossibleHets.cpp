#include "calc/PossibleHets.h"

#include "calc/Gametes.h"
#include "calc/GenotypeText.h"

#include <algorithm>
#include <bit>
#include <utility>

// Offspring strings hold two pairs per locus at most, so a het list fits in the bits of a record.
static_assert(2 * MaxKeptLoci <= 64);

namespace {

const std::string NoText;

// Calls `visit` with each pair on the het list of a record, in order.
template <typename TVisit> void ForEachHetPair(const TPossibleItem& item, TVisit visit) {
    for (uint64_t pairs = item.HetPairs; pairs != 0; pairs &= pairs - 1) {
        const int k = std::countr_zero(pairs);
        visit(PairAt(item.Genotype, static_cast<size_t>(2 * k)));
    }
}

} // namespace

auto TPossibleList::IsLook(std::string_view phenotype) const {
    return [this, phenotype](size_t k) { return SamePairSet(FLooks[k].Phenotype, phenotype, false); };
}

void TPossibleList::Clear() {
    FItems.clear();
    FLooks.clear();
    FLookIndex = TLineIndex();
}

void TPossibleList::Add(TPossibleItem item, const std::string& phenotype) {
    const size_t look = FLookIndex.FindOrAdd(PairSetHash(phenotype, false), FLooks.size(), IsLook(phenotype));
    const auto index = static_cast<uint32_t>(FItems.size());
    if (look == FLooks.size())
        FLooks.push_back(TLook{phenotype, index, index, {}, -1, -1, 0});
    item.PreviousInLook = FLooks[look].LastItem;
    FLooks[look].LastItem = index;
    FItems.push_back(std::move(item));
}

size_t TPossibleList::FindLook(std::string_view phenotype) const {
    return FLookIndex.Find(PairSetHash(phenotype, false), FLooks.size(), IsLook(phenotype));
}

template <typename TVisit> void TPossibleList::ForEachItemBackwards(const TLook& look, TVisit visit) const {
    for (uint32_t item = look.LastItem;; item = FItems[item].PreviousInLook) {
        if (visit(item) || item == look.FirstItem)
            return;
    }
}

const std::string& TPossibleList::LookText(const TLook& look) {
    return look.Text < 0 ? NoText : look.Texts[static_cast<size_t>(look.Text)].second;
}

const std::string& TPossibleList::LastText(const TLook& look, const TPossibleItem& item) {
    return look.TextSetAt > item.LastClearedAt ? LookText(look) : NoText;
}

std::string TPossibleList::PossibleTextOf(std::string_view line) const {
    if (FLooks.empty())
        return {};
    const size_t found = FindLook(line);
    if (found == FLooks.size())
        return {};
    const TLook& look = FLooks[found];
    std::string text;
    ForEachItemBackwards(look, [&](uint32_t item) {
        const TPossibleItem& record = FItems[item];
        if (!LastText(look, record).empty())
            text = LastText(look, record);
        else if (record.Cells > 1) // its other cells
            text = LookText(look);
        return !text.empty();
    });
    return text;
}

std::string TPossibleList::PossibleText(size_t i, TResultList& lines, TNaming& naming) {
    const std::string& line = lines.Lines[i];
    const std::string phenotype = lines.PhenotypeOf(line);
    const size_t found = FindLook(phenotype);
    if (found == FLooks.size())
        return {};
    TLook& look = FLooks[found];
    // The last cell of this look whose genotype is not the look itself: one that hides something.
    TPossibleItem* lastHider = nullptr;
    ForEachItemBackwards(look, [&](uint32_t item) {
        if (FItems[item].Genotype != line)
            lastHider = &FItems[item];
        return lastHider != nullptr;
    });
    if (!lastHider)
        return {};
    lastHider->LastClearedAt = look.Events++;
    if (lastHider->HetPairs == 0)
        return {};
    auto wording = std::find_if(look.Texts.begin(), look.Texts.end(),
                                [&](const auto& known) { return known.first == phenotype; });
    if (wording == look.Texts.end()) {
        std::string text = WorkOutText(look, phenotype, naming);
        look.Texts.emplace_back(phenotype, std::move(text));
        wording = look.Texts.end() - 1;
    }
    if (!wording->second.empty()) {
        look.Text = static_cast<int32_t>(wording - look.Texts.begin());
        look.TextSetAt = look.Events++;
    }
    return wording->second;
}

std::string TPossibleList::WorkOutText(const TLook& look, const std::string& phenotype,
                                       TNaming& naming) const {
    // A hidden allele that the look shows anyway is no possible het, but a hidden wild type is, when
    // the look shows the wild type only.
    std::vector<uint32_t> items;
    ForEachItemBackwards(look, [&](uint32_t item) {
        items.push_back(item);
        return false;
    });
    std::reverse(items.begin(), items.end());
    std::vector<std::string_view> entries;
    TCount total = 0;
    for (const uint32_t item : items) {
        total += FItems[item].Count;
        ForEachHetPair(FItems[item], [&](std::string_view pair) {
            const char allele = CharAt(pair, 1);
            const bool offered = phenotype.find(allele) == std::string::npos ||
                                 (allele == '+' && phenotype.find("++") != std::string::npos);
            if (offered && std::none_of(entries.begin(), entries.end(), [&](std::string_view entry) {
                    return SameTextIgnoringCase(entry, pair);
                }))
                entries.push_back(pair);
        });
    }
    std::string text = "(";
    for (const std::string_view entry : entries) {
        TCount carriers = 0;
        for (const uint32_t item : items) {
            bool carries = false;
            ForEachHetPair(FItems[item], [&](std::string_view pair) { carries = carries || pair == entry; });
            if (carries)
                carriers += FItems[item].Count;
        }
        // The whole percent below the share, in integers: floating point can make 29 of 100 weighed
        // carriers 28.999...%.
        if (carriers != total)
            text += DecimalText(carriers * 100 / total) + "% poss. ";
        text += naming.HetText(entry) + ", ";
    }
    if (text.size() <= 1)
        return {};
    text[text.size() - 2] = ')';
    return text;
}

void BuildPossibles(TResultList& lines, TPossibleList& possibles, TAlleleQuestions& questions,
                    TNaming& naming, const TCalcControl& control) {
    possibles.Clear();
    std::vector<std::string> phenotypes;
    phenotypes.reserve(lines.Lines.size());
    for (size_t i = 0; i < lines.Lines.size(); ++i) {
        TPossibleItem item;
        item.Genotype = std::move(lines.Lines[i]);
        phenotypes.push_back(lines.PhenotypeOf(item.Genotype));
        item.Count = lines.Counts[i];
        item.Cells = lines.CellsOf(i);
        const std::string& g = item.Genotype;
        std::vector<std::string_view> hets;
        for (size_t j = 0; j < g.size(); j += 2) {
            const char p1 = g[j];
            const char p2 = CharAt(g, j + 1);
            const bool unrelatedMutants =
                p1 != p2 && p1 != '+' && p1 != '#' && p2 != '+' && p2 != '#' && !questions.SameLocus(p1, p2);
            const std::string_view pair = PairAt(g, j);
            if (unrelatedMutants || !questions.IsHet(p1, p2) ||
                std::any_of(hets.begin(), hets.end(),
                            [&](std::string_view h) { return SameTextIgnoringCase(h, pair); }))
                continue;
            hets.push_back(pair);
            item.HetPairs |= uint64_t(1) << (j / 2);
        }
        possibles.Add(std::move(item), phenotypes.back());
    }
    std::vector<TCount> counts = std::move(lines.Counts);
    // The phenotype lines take the places of their genotypes, notes and eggs that do not hatch unchanged.
    lines.Lines.clear();
    lines.Counts.clear();
    lines.Cells.clear();
    for (size_t i = 0; i < phenotypes.size(); ++i) {
        if (i % CheckedLines == 0) {
            control.Advance(TCalcStep::PossibleHets, i, phenotypes.size());
            if (control.Cancelled())
                return;
        }
        lines.Add(std::move(phenotypes[i]), counts[i]);
        possibles.PossibleText(i, lines, naming);
    }
    lines.NormaliseLines();
}
