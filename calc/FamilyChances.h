// What the recorded family tells of every animal: the exact chance of every genotype it may have at
// each locus, and so of every gene it may carry hidden behind its look.
#pragma once

#include "model/Animal.h"
#include "model/Combi.h"
#include "model/Locus.h"

#include <gmpxx.h>

#include <string>
#include <string_view>
#include <vector>

// Exact chances: a family's evidence halves them at every meiosis and soon outgrows fixed-width numbers.
using TExactChance = mpq_class;

// One pair an animal may have at a locus (lower byte first, "+a"), with its chance.
struct TPairChance {
    std::string Pair;
    TExactChance Chance;
};

// A gene an animal may carry without showing it, with the chance that it does (above 0, up to 1).
struct THiddenGeneChance {
    std::string Code; // the heterozygous gene, "+a"
    std::string Name; // its name in the report's words: "het. Clown"
    TExactChance Chance;
};

struct TAnimalChances {
    std::string Selection; // its look: one pair per locus as the selectors take it, "++" for nothing shown
    std::vector<std::vector<TPairChance>>
        Loci;                              // per locus of the set, every pair it may have; chances sum to 1
    std::vector<THiddenGeneChance> Hidden; // in locus order
};

struct TFamilyChances {
    std::vector<TAnimalChances> Animals; // parallel to the animals given
    std::string Problem; // records that cannot all be true, or words that are no genes, naming the animal
};

// Works out the chances of every animal of `animals` (one gene set, checked: unique names, parents of
// the right sex and present, no animal its own ancestor) from everything recorded: stated genes and
// possible hets of animals without recorded parents, the looks of all of them, parents and offspring.
// Asking the loci for relations may store default relations in them, as a calculation does.
TFamilyChances WorkOutChances(const TAnimalList& animals, TLocusList& loci, const TCombiList& combis);

// How a test pairing with a visual partner settles the chance that an animal carries a gene.
struct TTestPairing {
    TExactChance VisualIfCarrier; // at least one young showing the gene in the clutch, if it carries it
    TExactChance CarrierIfNone;   // the chance that it carries once the whole clutch shows none
};

// For a chance `carrier` that the animal carries the gene, the share `visualShare` of young showing it
// per egg when it does, and a clutch of `clutch` eggs.
TTestPairing SettleByTestPairing(const TExactChance& carrier, const TExactChance& visualShare, int clutch);

// The share of young from a carrier of `gene` ("+a") and a partner of pair `partner` ("aa") that look as
// no young of that partner and a normal animal ("++") can look: the young that prove the gene.
TExactChance VisualShareOfTestPairing(std::string_view gene, std::string_view partner, TLocusList& loci);
