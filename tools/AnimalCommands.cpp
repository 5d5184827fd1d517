#include "tools/AnimalCommands.h"

#include "calc/FamilyChances.h"
#include "calc/MorphText.h"
#include "calc/PairingPlan.h"
#include "model/Text.h"
#include "storage/AnimalCsv.h"
#include "storage/FileIO.h"
#include "tools/JsonReport.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

int Refuse(const std::string& message, int exitCode) {
    std::fprintf(stderr, "zygora-calc: %s\n", message.c_str());
    return exitCode;
}

// A whole number as JSON writes the report's counts: a number while it fits in 64 bits, else its digits
// as a string, which no JSON reader rounds.
void WriteWholeNumber(const mpz_class& n, TOutputStream& out) {
    if (n.fits_ulong_p())
        out << n.get_str();
    else
        out << "\"" << n.get_str() << "\"";
}

void WriteShare(const TExactChance& share, TOutputStream& out) {
    out << "{\"numerator\":";
    WriteWholeNumber(share.get_num(), out);
    out << ",\"denominator\":";
    WriteWholeNumber(share.get_den(), out);
    out << "}";
}

// "66.7%", "100%": one decimal, as the clutch odds give their chances.
std::string PercentText(const TExactChance& chance, const std::string& separator) {
    return ChanceText(ClutchOddsOfChance(chance, 1), separator);
}

void WriteChances(const TAnimal& animal, const TAnimalChances& chances, bool json,
                  const std::string& separator, TOutputStream& out) {
    if (!json) {
        // "66.7% poss. het. Clown"; a proven carrier is no longer only possibly one.
        for (const THiddenGeneChance& hidden : chances.Hidden)
            out << PercentText(hidden.Chance, separator) << (hidden.Chance < 1 ? " poss. " : " ")
                << hidden.Name << "\n";
        return;
    }
    out << "{\"name\":";
    WriteJsonText(animal.Name, out);
    out << ",\"possibleHets\":[";
    for (size_t i = 0; i < chances.Hidden.size(); ++i) {
        out << (i ? ",{\"name\":" : "{\"name\":");
        WriteJsonText(chances.Hidden[i].Name, out);
        out << ",\"share\":";
        WriteShare(chances.Hidden[i].Chance, out);
        out << "}";
    }
    out << "]}\n";
}

void WritePlan(const TAnimalList& animals, const std::vector<TPlannedPairing>& plan, int eggs, bool json,
               const std::string& separator, TOutputStream& out) {
    if (json)
        out << "{\"pairings\":[";
    for (size_t i = 0; i < plan.size(); ++i) {
        const TPlannedPairing& pairing = plan[i];
        const std::string expected = ExpectedText(pairing.Odds, separator);
        const std::string atLeastOne = ChanceText(pairing.Odds, separator);
        if (!json) {
            // "Rex x Bella: 50.0% of the eggs, 6.0 expected, >99.9% at least one in a clutch of 12"; the
            // exact share, whose terms a recorded family can make long, is the JSON's.
            out << animals[pairing.Male].Name << " x " << animals[pairing.Female].Name << ": "
                << PercentText(pairing.Share, separator) << " of the eggs, " << expected << " expected, "
                << atLeastOne << " at least one in a clutch of " << std::to_string(eggs)
                << (pairing.Kinship.empty() ? "" : "; " + pairing.Kinship) << "\n";
            continue;
        }
        out << (i ? ",{\"male\":" : "{\"male\":");
        WriteJsonText(animals[pairing.Male].Name, out);
        out << ",\"female\":";
        WriteJsonText(animals[pairing.Female].Name, out);
        out << ",\"share\":";
        WriteShare(pairing.Share, out);
        out << ",\"expected\":";
        WriteJsonText(expected, out);
        out << ",\"atLeastOne\":";
        WriteJsonText(atLeastOne, out);
        if (!pairing.Kinship.empty()) {
            out << ",\"kinship\":";
            WriteJsonText(pairing.Kinship, out);
        }
        out << "}";
    }
    if (json)
        out << "]}\n";
}

} // namespace

int RunAnimalCommand(const TCommandLine& commandLine, TGeneSet& set, const std::string& separator,
                     TOutputStream& out) {
    const std::string& path = *commandLine.Animals;
    // A file that cannot be read is no wrong input, as a gene-set file that cannot be read is none.
    std::string content;
    std::string reason;
    if (ReadWholeFile(path, content, reason, MaxAnimalCsvBytes) != TReadResult::Ok)
        return Refuse(CannotOpenFileMessage(path, reason), ExitFailure);
    TAnimalList animals;
    std::string message;
    if (!ReadAnimalCsv(content, animals, message))
        return Refuse(path + ": " + message, ExitUsage);
    // Rows are counted as the animals are, from 1 after the header.
    for (size_t i = 0; i < animals.size(); ++i)
        if (const TMorphReading morph = ReadMorph(animals[i].Morph, set.LocusList, set.CombiList);
            !morph.Understood())
            return Refuse(path + ": Row " + std::to_string(i + 1) + ": " + morph.Message(), ExitUsage);

    const bool json = commandLine.Output == TOutput::Json;
    if (commandLine.Chances) {
        const auto animal = std::find_if(animals.begin(), animals.end(), [&](const TAnimal& a) {
            return SameTextIgnoringCase(a.Name, *commandLine.Chances);
        });
        if (animal == animals.end())
            return Refuse("no animal named \"" + *commandLine.Chances + "\" in " + path, ExitUsage);
        const TFamilyChances family = WorkOutChances(animals, set.LocusList, set.CombiList);
        if (!family.Problem.empty())
            return Refuse(path + ": " + family.Problem, ExitUsage);
        WriteChances(*animal, family.Animals[static_cast<size_t>(animal - animals.begin())], json, separator,
                     out);
        return 0;
    }
    TPlanGoal goal;
    if (!ReadPlanGoal(*commandLine.Plan, set.LocusList, set.CombiList, goal, message))
        return Refuse("--plan: " + message, ExitUsage);
    const TFamilyChances family = WorkOutChances(animals, set.LocusList, set.CombiList);
    if (!family.Problem.empty())
        return Refuse(path + ": " + family.Problem, ExitUsage);
    const int eggs = commandLine.Clutch.value_or(set.ClutchSize);
    WritePlan(animals, PlanPairings(animals, family.Animals, goal, eggs, set.LocusList), eggs, json,
              separator, out);
    return 0;
}
