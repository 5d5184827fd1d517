#include "calc/LocusProduct.h"

#include "calc/GenotypeText.h"
#include "model/Text.h"

#include <algorithm>
#include <limits>
#include <map>

namespace {

uint64_t SaturatingProduct(uint64_t a, uint64_t b) {
    return b != 0 && a > std::numeric_limits<uint64_t>::max() / b ? std::numeric_limits<uint64_t>::max()
                                                                  : a * b;
}

// Alleles that make lines of different loci alike or that the line text treats specially.
bool IsPlainAllele(char c) {
    return static_cast<unsigned char>(c) > ' ' && c != '#';
}

bool ParentHasOnlyPlainAlleles(const TParentGametes& parent) {
    for (int j = 0; j < parent.LineCount(); ++j)
        if (!IsPlainAllele(parent.Allele(j, 0)) || !IsPlainAllele(parent.Allele(j, 1)))
            return false;
    return true;
}

std::string SortedPair(std::string_view pair) {
    std::string sorted(pair);
    SortEachPair(sorted);
    return sorted;
}

std::string LowerPair(std::string_view pair) {
    return {LowerCaseWindows1252(pair[0]), LowerCaseWindows1252(pair[1])};
}

} // namespace

TLocusProduct::TLocusProduct(const TPunnettGrid& grid, TAlleleQuestions& questions, TNaming& naming,
                             const TProductListing& listing)
    : FPossibleHets(listing.PossibleHets), FNaming(naming) {
    if (grid.RowCount() == 0 || grid.ColumnCount() == 0 || !ParentHasOnlyPlainAlleles(grid.Male()) ||
        !ParentHasOnlyPlainAlleles(grid.Female()) || questions.SameLocus('#', '#'))
        return;
    // A shorter gamete gives the wild type where the longer has loci only when it is the greater.
    if (grid.Male().LineCount() != grid.Female().LineCount())
        return;
    if (FPossibleHets && !AllelesAreDistinct(grid))
        return;
    FWeighed = grid.MaleWeights().Any() || grid.FemaleWeights().Any();
    if (!GatherGenotypes(grid, questions))
        return;
    if (listing.Phenotypes)
        MergeIntoLooks(questions);
    FApplies = MergeOutcomesOfOneAnimal();
    if (FApplies && listing.NamesByGenes)
        NameOutcomes(naming, questions);
}

bool TLocusProduct::AllelesAreDistinct(const TPunnettGrid& grid) const {
    std::map<char, int> locusOfAllele;
    for (const TParentGametes* parent : {&grid.Male(), &grid.Female()})
        for (int j = 0; j < parent->LineCount(); ++j)
            for (const int choice : {0, 1}) {
                const char allele = parent->Allele(j, choice);
                if (allele == '+')
                    continue;
                if (static_cast<unsigned char>(allele) < static_cast<unsigned char>('+') ||
                    locusOfAllele.try_emplace(allele, j).first->second != j)
                    return false;
            }
    return true;
}

// Names are given pair by pair in the order of the line, except that a pair whose name reads as
// carried ("#a" read as "+a") comes after all the others.
void TLocusProduct::NameOutcomes(TNaming& naming, TAlleleQuestions& questions) {
    FNamed = true;
    for (std::vector<TOutcome>& outcomes : FOutcomes)
        for (TOutcome& outcome : outcomes)
            for (int place = 0; place < 4; ++place) {
                const std::string& text = outcome.Text[place];
                for (size_t i = 0; i < text.size(); i += 2) {
                    std::string pair(PairAt(text, i));
                    std::replace(pair.begin(), pair.end(), '#', '+');
                    if (pair == "++")
                        continue;
                    std::string& names = outcome.Names[questions.IsHet(pair) ? 1 : 0][place];
                    names += naming.GeneNameOf(pair);
                    names += ", ";
                }
            }
}

// What one cell holds at a locus, as its line writes it.
TLocusProduct::TOutcome TLocusProduct::OutcomeOf(const TPunnettGrid::TSpot& spot,
                                                 TAlleleQuestions& questions) {
    TOutcome outcome;
    outcome.Lethal = spot.Lethal;
    if (spot.NoteBit >= 0)
        outcome.Notes.set(static_cast<size_t>(spot.NoteBit));
    // A line lists the pairs shown before those carried, each group as the cell holds them; the wild type
    // is left out of a line that holds anything else.
    for (size_t i = 0; i + 1 < spot.Expanded.size(); i += 2) {
        const std::string_view pair = PairAt(spot.Expanded, i);
        if (pair != "++")
            outcome.Text[(questions.IsHet(pair) ? 2 : 0) + (spot.Het ? 1 : 0)] += SortedPair(pair);
    }
    return outcome;
}

bool TLocusProduct::GatherGenotypes(const TPunnettGrid& grid, TAlleleQuestions& questions) {
    const int positions = grid.PositionCount();
    TCount allWeight = 1;
    TCount hatchingWeight = 1;
    FFemaleBit.assign(static_cast<size_t>(positions), -1);
    FMaleBit.assign(static_cast<size_t>(positions), -1);
    FOutcomes.assign(static_cast<size_t>(positions), {});
    for (int j = 0; j < positions; ++j) {
        const int femaleBit = grid.Female().HetBit(j);
        const int maleBit = grid.Male().HetBit(j);
        FFemaleBit[static_cast<size_t>(j)] = femaleBit;
        FMaleBit[static_cast<size_t>(j)] = maleBit;
        std::vector<TOutcome> outcomes; // in order of their first cell: female choice first
        TCount locusWeight = 0;
        for (int fc = 0; fc <= (femaleBit >= 0 ? 1 : 0); ++fc)
            for (int mc = 0; mc <= (maleBit >= 0 ? 1 : 0); ++mc) {
                // Which gamete is the greater must not change what the cell holds here.
                std::vector<TOutcome> held;
                for (const int maleFirst : {1, 0})
                    if (const TPunnettGrid::TSpot& spot = grid.Spot(maleFirst, j, mc, fc); spot.Occurs)
                        held.push_back(OutcomeOf(spot, questions));
                if (held.empty() || (held.size() == 2 && !held[0].SameAs(held[1])))
                    return false;
                auto outcome = std::find_if(outcomes.begin(), outcomes.end(),
                                            [&](const TOutcome& met) { return met.SameAs(held[0]); });
                if (outcome == outcomes.end()) {
                    outcome = outcomes.insert(outcomes.end(), std::move(held[0]));
                    outcome->FemaleChoice = fc;
                    outcome->MaleChoice = mc;
                }
                const TCount weight = TCount(maleBit >= 0 ? grid.MaleWeights().Weight(maleBit, mc) : 1) *
                                      (femaleBit >= 0 ? grid.FemaleWeights().Weight(femaleBit, fc) : 1);
                outcome->Weight += weight;
                ++outcome->Cells;
                locusWeight += weight;
            }
        TCount locusHatching = 0;
        for (TOutcome& outcome : outcomes) {
            FMarked = FMarked || outcome.Lethal || outcome.Notes.any();
            if (outcome.Lethal)
                continue;
            locusHatching += outcome.Weight;
            FOutcomes[static_cast<size_t>(j)].push_back(std::move(outcome));
        }
        allWeight *= locusWeight;
        hatchingWeight *= locusHatching;
    }
    FUnhatched = allWeight - hatchingWeight;
    FHatching = hatchingWeight;
    return true;
}

void TLocusProduct::MergeIntoLooks(TAlleleQuestions& questions) {
    for (std::vector<TOutcome>& outcomes : FOutcomes)
        for (TOutcome& outcome : outcomes) {
            for (int place = 0; place < 4 && FPossibleHets; ++place) {
                const std::string& text = outcome.Text[place];
                for (size_t i = 0; i < text.size(); i += 2) {
                    const char first = text[i];
                    const char second = text[i + 1];
                    const bool unrelatedMutants = first != second && first != '+' && first != '#' &&
                                                  second != '+' && second != '#' &&
                                                  !questions.SameLocus(first, second);
                    if (!unrelatedMutants && questions.IsHet(first, second))
                        outcome.Hidden.push_back({std::string(PairAt(text, i)),
                                                  outcome.Weight,
                                                  outcome.FemaleChoice,
                                                  outcome.MaleChoice,
                                                  place,
                                                  i,
                                                  false,
                                                  {}});
                }
            }
            std::string shownAlleles;
            for (std::string& text : outcome.Text) {
                std::string shown;
                for (size_t i = 0; i < text.size(); i += 2)
                    if (questions.IsVisible(PairAt(text, i)))
                        shown += PairAt(text, i);
                text = std::move(shown);
                shownAlleles += text;
            }
            outcome.ShowsWildType = shownAlleles.find('+') != std::string::npos;
            for (THidden& hidden : outcome.Hidden)
                hidden.Shown = shownAlleles.find(hidden.Pair[1]) != std::string::npos;
        }
}

bool TLocusProduct::MergeOutcomesOfOneAnimal() {
    std::map<std::string, size_t> locusOfPair;
    std::map<std::string, size_t> hiddenLocus;
    FLineCount = 1;
    for (size_t j = 0; j < FOutcomes.size(); ++j) {
        std::vector<TOutcome>& outcomes = FOutcomes[j];
        // Outcomes of one locus whose pairs differ in letter case only make the lines of one animal.
        std::vector<TOutcome> merged;
        for (TOutcome& outcome : outcomes) {
            for (const std::string& text : outcome.Text)
                for (size_t i = 0; i < text.size(); i += 2)
                    outcome.Key.push_back(LowerPair(PairAt(text, i)));
            std::sort(outcome.Key.begin(), outcome.Key.end());
            if (std::adjacent_find(outcome.Key.begin(), outcome.Key.end()) != outcome.Key.end())
                return false;
            const auto same = std::find_if(merged.begin(), merged.end(),
                                           [&](const TOutcome& kept) { return kept.Key == outcome.Key; });
            if (same == merged.end()) {
                merged.push_back(std::move(outcome));
                continue;
            }
            // Possible hets are worked out per look, and looks are told apart by letter case too.
            if (FPossibleHets &&
                !std::equal(std::begin(same->Text), std::end(same->Text), std::begin(outcome.Text)))
                return false;
            same->Weight += outcome.Weight;
            same->Cells += outcome.Cells;
            same->Notes |= outcome.Notes;
            for (THidden& hidden : outcome.Hidden) {
                const auto known = std::find_if(same->Hidden.begin(), same->Hidden.end(),
                                                [&](const THidden& met) { return met.Pair == hidden.Pair; });
                if (known == same->Hidden.end())
                    same->Hidden.push_back(std::move(hidden));
                else
                    known->Carriers += hidden.Carriers;
            }
        }
        outcomes = std::move(merged);
        for (const TOutcome& outcome : outcomes) {
            for (const std::string& pair : outcome.Key)
                if (locusOfPair.try_emplace(pair, j).first->second != j)
                    return false;
            // A look's hidden pairs alike but for letter case would be one possible het.
            std::vector<std::string> hidden;
            for (const THidden& met : outcome.Hidden)
                hidden.push_back(LowerPair(met.Pair));
            std::sort(hidden.begin(), hidden.end());
            if (std::adjacent_find(hidden.begin(), hidden.end()) != hidden.end())
                return false;
            for (const std::string& pair : hidden)
                if (hiddenLocus.try_emplace(pair, j).first->second != j)
                    return false;
        }
        FLineCount = SaturatingProduct(FLineCount, outcomes.size());
    }
    return true;
}

TCount TLocusProduct::CommonDivisor() const {
    // Every line weighs a product of one outcome per locus, so what divides them all is the product of
    // what divides the outcomes of each locus.
    TCount divisor = 1;
    for (const std::vector<TOutcome>& outcomes : FOutcomes) {
        TCount locus = 0;
        for (const TOutcome& outcome : outcomes)
            locus = GreatestCommonDivisor(locus, outcome.Weight);
        divisor *= std::max(locus, TCount(1));
    }
    return divisor;
}
