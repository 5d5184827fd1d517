// What the gametes of a parent weigh when some of its heterozygous loci are only possible hets.
#pragma once

#include "calc/AlleleQuestions.h"
#include "calc/ExactCount.h"
#include "calc/Gametes.h"
#include "model/PossibleHet.h"

#include <array>
#include <cstdint>
#include <vector>

// A parent with a possible het of chance a/b passes the allele with chance a/2b and the wild type with
// (2b - a)/2b: its gamete with the allele weighs a, the one with the wild type 2b - a. At a locus that
// is surely het both weigh 1. Loci are independent, so a gamete weighs the product over its loci, and
// the mixture of all parents the possible hets stand for is the grid of the parent that is het at all
// of them, every cell weighing what its two gametes weigh together.
class TGameteWeights {
public:
    TGameteWeights() = default; // every gamete weighs 1

    // Takes from `hets` the possible hets of `parent`: a code '+' x that is one of the parent's loci,
    // x hidden behind the wild type, the first entry for each locus; anything else is passed over.
    // Asks the gene set nothing it would store.
    TGameteWeights(const TParentGametes& parent, const std::vector<TPossibleHet>& hets,
                   TAlleleQuestions& questions);

    // The possible hets taken, in locus order.
    const std::vector<TPossibleHet>& Taken() const { return FTaken; }
    bool Any() const { return !FTaken.empty(); }

    // Weight of the choice (0 or 1) at the heterozygous locus of gamete bit `bit`.
    uint32_t Weight(int bit, int choice) const {
        return static_cast<size_t>(bit) < FWeights.size() ? FWeights[static_cast<size_t>(bit)][choice] : 1;
    }
    // Weight of gamete `index` of the parent.
    TCount Weight(uint64_t index) const;

private:
    std::vector<TPossibleHet> FTaken;
    std::vector<std::array<uint32_t, 2>> FWeights; // by gamete bit
};
