// A breeder's animal as it is recorded: its name, sex, look in words and its parents.
#pragma once

#include <string>
#include <vector>

enum class TSex { Male, Female, Unknown };

struct TAnimal {
    std::string Name;      // unique within its gene set, ignoring letter case
    TSex Sex = TSex::Unknown;
    std::string Morph;     // in words, as breeders write it: "Pastel het Clown", "66% poss het Clown"
    std::string Sire;      // the father's name within the same gene set; empty when not recorded
    std::string Dam;       // the mother's name, likewise
    std::string HatchDate; // "2025-06-30", or empty
    std::string Notes;

    bool operator==(const TAnimal&) const = default;
};

using TAnimalList = std::vector<TAnimal>;
