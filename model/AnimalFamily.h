// The rules every recorded family keeps: unique names, parents that are there and of the right sex, and
// no animal among its own ancestors.
#pragma once

#include "model/Animal.h"

#include <cstddef>
#include <optional>
#include <string>

struct TFamilyProblem {
    size_t Animal = 0;   // index of the animal the problem is found at
    std::string Message; // a sentence naming that animal, for the breeder
};

// The first rule `animals` break, in list order; none when they keep every rule.
std::optional<TFamilyProblem> FindFamilyProblem(const TAnimalList& animals);
