// An animal described in words as breeders write it ("Pastel Spider het Clown", "Bumblebee 66% poss het
// Piebald") read into the selection string and the possible hets the calculation takes.
#pragma once

#include "model/Combi.h"
#include "model/Locus.h"
#include "model/PossibleHet.h"

#include <string>
#include <string_view>
#include <vector>

struct TMorphReading {
    std::string Selection;                  // one pair per locus, in locus order; "++" where nothing is said
    std::vector<TPossibleHet> PossibleHets; // the carriers that are only possibly there
    std::vector<std::string> UnknownWords;  // words that are no gene, combination or qualifier of the set
    std::string Problem; // what cannot be one animal ("Amel and Ultra: three alleles at Amel/Ultra")

    bool Understood() const { return UnknownWords.empty() && Problem.empty(); }
    // The message for a description that was not understood, empty when it was.
    std::string Message() const;
};

// Reads `text`: gene and combination names of the set in any letter case, each of them alone or after
// "het", "poss het", "possible het", "ph" (a 50% possible het) or "NN% poss het" / "NN% het" / "NN% ph".
// "Normal" and "wild type" say nothing. Names of several words are matched before their parts.
TMorphReading ReadMorph(std::string_view text, const TLocusList& loci, const TCombiList& combis);
