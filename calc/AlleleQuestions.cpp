#include "calc/AlleleQuestions.h"

#include "calc/GenotypeText.h"

#include <string>

namespace {

constexpr size_t AllPairs = 256 * 256;

// Reads and fills one memo slot: the slot holds the answer from the first asking on.
template <typename TAsk> bool Remembered(std::vector<int8_t>& memo, char x, char y, TAsk ask) {
    int8_t& slot = memo[PairIndex(x, y)];
    if (slot < 0)
        slot = ask() ? 1 : 0;
    return slot == 1;
}

} // namespace

TAlleleQuestions::TAlleleQuestions(TLocusList& loci)
    : FLoci(loci), FDominant(AllPairs, -1), FCoDominant(AllPairs, -1), FSameLocus(AllPairs, -1),
      FVisible(AllPairs, -1), FHet(AllPairs, -1) {
    FAllelesOfLocus.resize(static_cast<size_t>(loci.Count()));
    for (int i = 0; i < loci.Count(); ++i) {
        const TGeneList& genes = loci[i]->Genes();
        for (int j = 0; j < genes.Count(); ++j) {
            FAllelesOfLocus[static_cast<size_t>(i)].set(static_cast<unsigned char>(genes[j]->Allele1.ID));
            FAllelesOfLocus[static_cast<size_t>(i)].set(static_cast<unsigned char>(genes[j]->Allele2.ID));
        }
    }
}

bool TAlleleQuestions::LocusCarries(int locus, char x, char y) const {
    const std::bitset<256>& alleles = FAllelesOfLocus[static_cast<size_t>(locus)];
    return alleles.test(static_cast<unsigned char>(x)) && alleles.test(static_cast<unsigned char>(y));
}

bool TAlleleQuestions::WalkRelations(char x, char y, TRelationKind kind, bool storeDefaults) {
    for (int i = 0; i < FLoci.Count(); ++i) {
        if (!LocusCarries(i, x, y))
            continue;
        TLocus& locus = *FLoci[i];
        std::string relation;
        if (storeDefaults) {
            relation = locus.GetWeight(std::string{x, y});
            if (relation.empty())
                relation = locus.GetWeight(std::string{y, x});
        } else {
            const std::string pair = SortPair(std::string{x, y});
            const int stored = locus.IndexOfWeight(pair);
            relation = stored < 0 ? DefaultRelation(pair)
                                  : WeightRelation(locus.Weights()[static_cast<size_t>(stored)]);
        }
        const char first = CharAt(relation, 0);
        const char op = CharAt(relation, 2);
        const char second = CharAt(relation, 4);
        if (kind == CoDominance
                ? op == '='
                : (first == x && second == y && op == '>') || (second == x && first == y && op == '<'))
            return true;
    }
    return false;
}

bool TAlleleQuestions::IsDominant(char x, char y) {
    return Remembered(FDominant, x, y, [&] { return WalkRelations(x, y, Dominance); });
}

bool TAlleleQuestions::WouldBeDominant(char x, char y) {
    const int8_t asked = FDominant[PairIndex(x, y)];
    return asked < 0 ? WalkRelations(x, y, Dominance, false) : asked == 1;
}

bool TAlleleQuestions::IsCoDominant(char x, char y) {
    return Remembered(FCoDominant, x, y, [&] { return WalkRelations(x, y, CoDominance); });
}

bool TAlleleQuestions::SameLocus(char x, char y) {
    return Remembered(FSameLocus, x, y, [&] {
        for (int i = 0; i < FLoci.Count(); ++i)
            if (LocusCarries(i, x, y))
                return true;
        return false;
    });
}

bool TAlleleQuestions::IsVisible(char p1, char p2) {
    return Remembered(FVisible, p1, p2, [&] {
        return p1 == p2 || (p1 != '+' && p2 != '+' && SameLocus(p1, p2) && IsCoDominant(p1, p2)) ||
               (p1 == '+' && IsDominant(p2, '+')) || (p2 == '+' && IsDominant(p1, '+')) ||
               (p1 == '+' && IsCoDominant(p2, '+')) || (p2 == '+' && IsCoDominant(p1, '+'));
    });
}

bool TAlleleQuestions::IsVisible(std::string_view pair) {
    return IsVisible(CharAt(pair, 0), CharAt(pair, 1));
}

bool TAlleleQuestions::IsHet(char p1, char p2) {
    return Remembered(FHet, p1, p2, [&] { return p1 != p2 && (p1 == '#' || !IsVisible(p1, p2)); });
}

bool TAlleleQuestions::IsHet(std::string_view pair) {
    return IsHet(CharAt(pair, 0), CharAt(pair, 1));
}
