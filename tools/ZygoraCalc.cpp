// zygora-calc: the offspring calculation on the command line, for breeders' scripts and for checking the
// engine.
#include "calc/Calculation.h"
#include "calc/MorphText.h"
#include "calc/SelectionCheck.h"
#include "storage/DefaultGeneSet.h"
#include "storage/GeneSetFile.h"
#include "storage/ShippedGeneSets.h"
#include "tools/AnimalCommands.h"
#include "tools/BackgroundSink.h"
#include "tools/CommandLine.h"
#include "tools/JsonReport.h"
#include "tools/OutputStream.h"
#include "tools/TextReport.h"

#include <clocale>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

std::string LocaleDecimalSeparator() {
    const char* point = std::localeconv()->decimal_point;
    return point && point[0] ? point : ".";
}

// Prints the shipped set `name` as its file holds it; an unknown name is a usage error that names the sets
// there are.
int PrintShippedGeneSet(const std::string& name, TOutputStream& out) {
    if (const std::optional<std::string> text = ShippedGeneSetText(name)) {
        out << *text;
        return 0;
    }
    std::string names;
    for (const std::string& shipped : ShippedGeneSetNames())
        names += (names.empty() ? "" : ", ") + shipped;
    std::fprintf(stderr, "zygora-calc: no gene set named \"%s\" is shipped; the shipped sets are %s\n",
                 name.c_str(), names.c_str());
    return ExitUsage;
}

// Loads the gene set the options name; false with the message printed when the file is not there or
// unreadable.
bool LoadGeneSetOf(const TCommandLine& commandLine, TGeneSet& set) {
    if (!commandLine.GeneSet) {
        LoadGeneSetText(DefaultGeneSetText(), set, std::string(DefaultGeneSetName) + ".INI");
        return true;
    }
    const std::string& path = *commandLine.GeneSet;
    const TGeneSetLoad load = LoadGeneSet(path, set);
    switch (load.Kind) {
    case TGeneSetLoad::TKind::Missing:
        std::fprintf(stderr, "zygora-calc: the gene-set file \"%s\" does not exist\n", path.c_str());
        return false;
    case TGeneSetLoad::TKind::Unreadable:
        std::fprintf(stderr, "zygora-calc: the gene-set file \"%s\" cannot be read: %s\n", path.c_str(),
                     load.Reason.c_str());
        return false;
    case TGeneSetLoad::TKind::Damaged:
        // A damaged file is read as far as it goes, as the window reads it; the breeder is told.
        std::fprintf(stderr, "zygora-calc: %s\n", load.Message.c_str());
        break;
    case TGeneSetLoad::TKind::Read:
        break;
    }
    return true;
}

// A parent's possible hets: the option's list when given, else the file's. A gene of the option's list
// that the parent's selection string does not hold is a usage error, told in `problem`.
std::vector<TPossibleHet> PossibleHetsOf(const std::optional<std::string>& option,
                                         const std::vector<TPossibleHet>& fromFile,
                                         const std::string& selection, const std::string& parent,
                                         std::string& problem) {
    if (!option)
        return fromFile;
    const std::vector<TPossibleHet> hets = ReadPossibleHets(*option).Hets;
    for (const TPossibleHet& het : hets)
        if (problem.empty() && !SelectionHasGene(selection, het.Code))
            problem = "--" + parent + "-possible: " + het.Code + " is not a gene of the " + parent +
                      "'s selection string \"" + selection + "\"";
    return hets;
}

// A parent described in words takes the place of its codes and possible hets; words the set does not know
// are a usage error that names them.
bool ReadMorphOption(const std::optional<std::string>& option, const char* name, const TGeneSet& set,
                     std::string& selection, std::vector<TPossibleHet>& possible) {
    if (!option)
        return true;
    const TMorphReading reading = ReadMorph(*option, set.LocusList, set.CombiList);
    if (!reading.Understood()) {
        std::fprintf(stderr, "zygora-calc: %s: %s\n", name, reading.Message().c_str());
        return false;
    }
    selection = reading.Selection;
    possible = reading.PossibleHets;
    return true;
}

void WriteGrid(const TCalcResult& result, TOutputStream& out) {
    for (uint64_t row = 0; row <= result.MaleGameteCount(); ++row) {
        for (uint64_t column = 0; column <= result.FemaleGameteCount(); ++column)
            out << (column ? "\t" : "") << result.CellText(column, row);
        out << "\n";
    }
}

void WriteWeights(const TLocusList& loci, TOutputStream& out) {
    for (int i = 0; i < loci.Count(); ++i)
        for (const std::string& entry : loci[i]->Weights())
            out << std::to_string(i) << "\t" << entry << "\n";
}

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    const std::string localeSeparator = LocaleDecimalSeparator();
    std::setlocale(LC_NUMERIC, "C");

    TCommandLine commandLine;
    const std::string problem = ReadCommandLine(std::vector<std::string>(argv + 1, argv + argc), commandLine);
    if (!problem.empty()) {
        std::fprintf(stderr, "zygora-calc: %s\n%s", problem.c_str(), Usage);
        return ExitUsage;
    }
    TOutputStream out;
    if (commandLine.Help) {
        out << Usage;
        return 0;
    }
    if (commandLine.Version) {
        out << "zygora-calc " << ZYGORA_VERSION << "\n";
        return 0;
    }
    if (commandLine.DefaultGeneSet) {
        out << DefaultGeneSetText();
        return 0;
    }
    if (commandLine.ListGeneSets) {
        for (const std::string& name : ShippedGeneSetNames())
            out << name << "\n";
        return 0;
    }
    if (commandLine.ShippedGeneSet)
        return PrintShippedGeneSet(*commandLine.ShippedGeneSet, out);

    TGeneSet set;
    if (!LoadGeneSetOf(commandLine, set))
        return ExitFailure;
    TCalcOptions options;
    options.RatioIndex = ChoiceItem(commandLine.RatioIndex.value_or(set.RatioIndex), 2);
    options.CombiIndex = ChoiceItem(commandLine.CombiIndex.value_or(set.CombiIndex), 2);
    options.PhenotypeIndex = ChoiceItem(commandLine.PhenotypeIndex.value_or(set.PhenotypeIndex), 2);
    options.PossibleHetsIndex = ChoiceItem(commandLine.PossibleHetsIndex.value_or(set.PossibleHetsIndex), 2);
    options.DecimalSeparator = commandLine.DecimalSeparator.value_or(localeSeparator);
    if (commandLine.Animals)
        return RunAnimalCommand(commandLine, set, options.DecimalSeparator, out);

    std::string male = commandLine.Male.value_or(set.Male);
    std::string female = commandLine.Female.value_or(set.Female);
    std::string wrongGene;
    TPairingPossibleHets possibleHets{
        PossibleHetsOf(commandLine.MalePossible, set.MalePossible, male, "male", wrongGene),
        PossibleHetsOf(commandLine.FemalePossible, set.FemalePossible, female, "female", wrongGene)};
    if (!wrongGene.empty()) {
        std::fprintf(stderr, "zygora-calc: %s\n%s", wrongGene.c_str(), Usage);
        return ExitUsage;
    }
    if (!ReadMorphOption(commandLine.MaleMorph, "--male-morph", set, male, possibleHets.Male) ||
        !ReadMorphOption(commandLine.FemaleMorph, "--female-morph", set, female, possibleHets.Female))
        return ExitUsage;
    // Words give every locus; as in the window, loci where both parents are normal take no part.
    if (commandLine.MaleMorph || commandLine.FemaleMorph)
        ReduceSelections(male, female);
    if (const std::string notGenes = SelectionProblem(male, female, set.LocusList); !notGenes.empty()) {
        std::fprintf(stderr, "zygora-calc: %s\n", notGenes.c_str());
        return ExitUsage;
    }

    // The report is written as the calculation lists it; the grid and the weights need none of it.
    TTextReportWriter text(out, commandLine.Clutch, options.DecimalSeparator);
    TJsonReportWriter json(out, commandLine.Clutch, options.DecimalSeparator);
    TUnwrittenReport unwritten;
    // Writing the JSON takes about as long as naming the lines: the two are done side by side.
    std::optional<TBackgroundSink> jsonAlongside;
    TReportSink* sink = &unwritten;
    if (commandLine.Output == TOutput::Report)
        sink = &text;
    else if (commandLine.Output == TOutput::Json)
        sink = &jsonAlongside.emplace(json);
    const TCalcResult result =
        RunCalculation(male, female, options, set.LocusList, set.CombiList, possibleHets, {}, sink);
    if (result.Refused()) {
        std::fprintf(stderr, "zygora-calc: %s\n", result.RefusalMessage().c_str());
        return ExitFailure;
    }
    switch (commandLine.Output) {
    case TOutput::Report:
        break;
    case TOutput::Grid:
        WriteGrid(result, out);
        break;
    case TOutput::Weights:
        WriteWeights(set.LocusList, out);
        break;
    case TOutput::Json:
        json.Finish(result);
        break;
    }
    return 0;
}
