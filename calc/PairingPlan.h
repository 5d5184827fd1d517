// The pairing planner: every pairing of a male and a female of the breeder's animals, ranked by the exact
// share of eggs that meet a goal.
#pragma once

#include "calc/ClutchOdds.h"
#include "calc/FamilyChances.h"
#include "model/Animal.h"
#include "model/Combi.h"
#include "model/Locus.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A goal: one look, or any of several; each look a selection string (a pair per locus of the set, "++"
// where it says nothing).
struct TPlanGoal {
    std::vector<std::string> Looks;
};

// More looks than this in one goal are no plan a breeder makes; each look doubles the outcomes counted.
constexpr size_t MaxGoalLooks = 16;

// Reads "Clown", "Bumblebee" or "any of Pastel Clown, Clown": looks in words as ReadMorph reads them
// (genes shown, and genes surely carried: "het Clown"), several of them after "any of" with a comma
// between. False with `message` for words the set does not know, a possible het, a look that names no
// gene, or more than MaxGoalLooks looks.
bool ReadPlanGoal(std::string_view text, const TLocusList& loci, const TCombiList& combis, TPlanGoal& goal,
                  std::string& message);

struct TPlannedPairing {
    size_t Male = 0;     // index into the animals
    size_t Female = 0;   // likewise
    TExactChance Share;  // of the eggs laid, those that meet the goal
    TClutchOdds Odds;    // in the clutch asked for
    std::string Kinship; // "parent and offspring", "full siblings", "half siblings", or empty
};

// Every male with every female of `animals` (animals of unknown sex take no part), best first; pairings
// of equal share in the animals' order, the male's first. `chances` is parallel to `animals`, as
// WorkOutChances gives it. An egg meets a look when at every locus the look names, the young shows what
// the look shows there (or, for a gene the look says is carried, has that very pair); an egg holding a
// lethal gene does not hatch and meets nothing. Asking the loci for relations may store default
// relations in them, as a calculation does.
std::vector<TPlannedPairing> PlanPairings(const TAnimalList& animals,
                                          const std::vector<TAnimalChances>& chances, const TPlanGoal& goal,
                                          int eggs, TLocusList& loci);

// The odds of an exact share in a clutch, as ClutchOddsOf gives them; a share whose terms outgrow 128 bits
// is taken to 100 binary places first, far finer than the tenths shown.
TClutchOdds ClutchOddsOfChance(const TExactChance& share, int eggs);
