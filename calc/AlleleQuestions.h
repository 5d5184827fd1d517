// The questions the calculation asks the gene set about two alleles, each answered once per run.
#pragma once

#include "model/Locus.h"

#include <bitset>
#include <cstdint>
#include <string_view>
#include <vector>

// Asking a locus for the relation of a pair stores the default relation when none is stored, so the
// first asking of a question can add weight entries; asking again finds them and adds nothing, and the
// answer never changes within a run. Each question is therefore walked through the gene set once, at its
// first asking, and the calculation must ask in the order in which the breeder's result is worked out.
class TAlleleQuestions {
public:
    explicit TAlleleQuestions(TLocusList& loci);

    // Some locus holding genes with x and with y makes x dominant to y.
    bool IsDominant(char x, char y);
    // The answer IsDominant gives, without storing any default relation: for a check the breeder's
    // calculation itself does not make.
    bool WouldBeDominant(char x, char y);
    // Some locus holding genes with x and with y makes them co-dominant.
    bool IsCoDominant(char x, char y);
    // Some locus has a gene carrying x and a gene carrying y.
    bool SameLocus(char x, char y);

    // The pair shows in the animal: both alleles alike, co-dominant, or the mutant over the wild type.
    bool IsVisible(char p1, char p2);
    bool IsVisible(std::string_view pair);
    // The pair carries an allele the animal does not show ('#' marks one already split off).
    bool IsHet(char p1, char p2);
    bool IsHet(std::string_view pair);

private:
    enum TRelationKind { Dominance, CoDominance };
    bool WalkRelations(char x, char y, TRelationKind kind, bool storeDefaults = true);
    bool LocusCarries(int locus, char x, char y) const;

    TLocusList& FLoci;
    std::vector<std::bitset<256>> FAllelesOfLocus;
    // Answers by pair index: -1 not asked yet, else 0 or 1.
    std::vector<int8_t> FDominant, FCoDominant, FSameLocus, FVisible, FHet;
};
