// The options of zygora-calc, read from its arguments.
#pragma once

#include <optional>
#include <string>
#include <vector>

enum class TOutput { Report, Grid, Weights, Json };

struct TCommandLine {
    std::optional<std::string> GeneSet;
    std::optional<std::string> Male;
    std::optional<std::string> Female;
    // The parents' possible hets as a list "+a:66,+e:50", each entry well formed and each gene once.
    std::optional<std::string> MalePossible;
    std::optional<std::string> FemalePossible;
    // The parents described in words ("Pastel Spider het Clown"), in place of their codes and possible hets.
    std::optional<std::string> MaleMorph;
    std::optional<std::string> FemaleMorph;
    std::optional<int> RatioIndex;
    std::optional<int> CombiIndex;
    std::optional<int> PhenotypeIndex;
    std::optional<int> PossibleHetsIndex;
    std::optional<std::string> DecimalSeparator;
    std::optional<int> Clutch; // eggs per clutch for the odds of every offspring line
    // The breeder's animals as CSV, and what to tell of them: one animal's hidden genes, or the pairings
    // ranked for a goal in words.
    std::optional<std::string> Animals;
    std::optional<std::string> Chances;
    std::optional<std::string> Plan;
    TOutput Output = TOutput::Report;
    bool DefaultGeneSet = false;
    bool ListGeneSets = false;
    std::optional<std::string> ShippedGeneSet;
    bool Help = false;
    bool Version = false;
};

// Reads the arguments (without the program name). Returns the problem with them, empty when none.
std::string ReadCommandLine(const std::vector<std::string>& arguments, TCommandLine& commandLine);

extern const char* const Usage;
