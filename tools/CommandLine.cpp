#include "tools/CommandLine.h"

#include "model/PossibleHet.h"
#include "model/Text.h"
#include "storage/GeneSetFile.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <climits>
#include <utility>

const char* const Usage =
    "Usage: zygora-calc [--gene-set FILE] [--male CODES] [--female CODES]\n"
    "                   [--male-possible LIST] [--female-possible LIST]\n"
    "                   [--male-morph TEXT] [--female-morph TEXT]\n"
    "                   [--ratio-index N] [--combi-index N] [--pheno-index N] [--possible-index N]\n"
    "                   [--decimal-separator C] [--clutch N] [--grid | --weights | --json]\n"
    "                   [--default-gene-set] [--list-gene-sets] [--shipped-gene-set NAME]\n"
    "                   [--help] [--version]\n"
    "       zygora-calc [--gene-set FILE] --animals FILE (--chances NAME | --plan GOAL [--clutch N])\n"
    "                   [--json] [--decimal-separator C]\n"
    "\n"
    "Predicts the offspring of a pairing as the Calculate button of Zygora does.\n"
    "  --gene-set FILE        the gene-set file to load (default: the built-in Serpentia set)\n"
    "  --male, --female CODES the parents' selection strings, used as typed (default: the file's)\n"
    "  --male-possible, --female-possible LIST\n"
    "                         the genes of that parent's selection string that are only possible\n"
    "                         hets, with their chances in percent, e.g. +a:66,+e:50\n"
    "                         (66 and 33 are two and one thirds; default: the file's)\n"
    "  --male-morph, --female-morph TEXT\n"
    "                         the parent described in words, in place of its codes and\n"
    "                         possible hets: \"Pastel Spider het Clown\", \"Bumblebee 66% poss\n"
    "                         het Piebald\" (names of the gene set in any letter case; het,\n"
    "                         poss het or ph = 50%, NN% poss het)\n"
    "  --ratio-index N        0 Ratio, 1 Percentage\n"
    "  --combi-index N        0 Seperate genes, 1 Combi\n"
    "  --pheno-index N        0 Genotype, 1 Phenotype\n"
    "  --possible-index N     0 Show Poss., 1 No poss. hets\n"
    "                         (indexes below 0 choose nothing, past the last choose the last;\n"
    "                          default: the file's)\n"
    "  --decimal-separator C  the separator of percentages (default: the locale's)\n"
    "  --clutch N             after the report, each offspring line's odds in a clutch of N eggs\n"
    "                         (1 to 99): how many to expect, and the chance of at least one\n"
    "  --grid                 print the Punnett grid, cells separated by TABs\n"
    "  --weights              print every weight entry after the run: locus index, TAB, entry\n"
    "  --json                 print the report and the offspring lines, each with its exact\n"
    "                         share, as one JSON object\n"
    "  --default-gene-set     print the built-in gene set and exit\n"
    "  --list-gene-sets       print the names of the gene sets Zygora ships with and exit\n"
    "  --shipped-gene-set NAME\n"
    "                         print the shipped gene set NAME (any letter case) and exit\n"
    "  --animals FILE         the breeder's animals: a CSV file of the header\n"
    "                         name,sex,morph,sire,dam (morph in words as --male-morph takes them)\n"
    "  --chances NAME         print the chance that the animal NAME carries each gene hidden\n"
    "                         behind its look, worked out from its recorded family\n"
    "  --plan GOAL            print every pairing of a male and a female of the animals, best\n"
    "                         first, by the share of eggs that meet GOAL (\"Clown\", \"any of\n"
    "                         Pastel Clown, Clown\"), with the odds in a clutch of --clutch N eggs\n"
    "                         (default: the gene set's clutch size)\n";

namespace {

// A whole decimal number, given to the option as its canonical text; beyond the range of int it is
// clamped, which the choices clamp further anyway.
const CLI::Validator WholeNumber(
    [](std::string& text) -> std::string {
        long long value = 0;
        const char* first = text.data();
        const char* last = text.data() + text.size();
        if (first != last && *first == '+')
            ++first;
        const auto [end, error] = std::from_chars(first, last, value);
        if (first == last || end != last || (error != std::errc() && error != std::errc::result_out_of_range))
            return "needs a whole number, not \"" + text + "\"";
        if (error == std::errc::result_out_of_range)
            value = text.starts_with('-') ? LLONG_MIN : LLONG_MAX;
        text = std::to_string(std::clamp<long long>(value, INT_MIN, INT_MAX));
        return {};
    },
    "N");

// The number of eggs, named as typed when it is out of range: a clamped number would name what nobody typed.
const CLI::Validator EggCount(
    [](std::string& text) -> std::string {
        std::string_view digits = text;
        if (digits.starts_with('+'))
            digits.remove_prefix(1);
        if (const std::optional<int> eggs = ReadBoundedNumber(digits, MinClutchSize, MaxClutchSize)) {
            text = std::to_string(*eggs);
            return {};
        }
        return "needs a whole number of eggs from " + std::to_string(MinClutchSize) + " to " +
               std::to_string(MaxClutchSize) + ", not \"" + text + "\"";
    },
    "N");

const CLI::Validator OneCharacter(
    [](const std::string& text) -> std::string {
        return CharacterCount(text) == 1
                   ? ""
                   : "the decimal separator must be one character, not \"" + text + "\"";
    },
    "C");

const CLI::Validator PossibleHetList(
    [](const std::string& text) -> std::string {
        return ReadPossibleHets(text).Dropped == 0
                   ? ""
                   : "needs entries like +a:66, each gene once with a chance from 1 to 99, not \"" + text +
                         "\"";
    },
    "LIST");

// CLI11 reads "--male=" as the option without its value and takes the next word instead; an empty value
// after '=' is a value all the same. The words come last first, as CLI11 reads them.
std::vector<std::string> WordsForParsing(const std::vector<std::string>& arguments) {
    std::vector<std::string> words;
    for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument) {
        if (argument->starts_with("--") && argument->find('=') == argument->size() - 1) {
            words.emplace_back();
            words.push_back(argument->substr(0, argument->size() - 1));
        } else {
            words.push_back(*argument);
        }
    }
    return words;
}

} // namespace

std::string ReadCommandLine(const std::vector<std::string>& arguments, TCommandLine& commandLine) {
    CLI::App app;
    app.set_help_flag();
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_flag("--help,-h", commandLine.Help);
    app.add_flag("--version", commandLine.Version);
    app.add_flag("--default-gene-set", commandLine.DefaultGeneSet);
    app.add_flag("--list-gene-sets", commandLine.ListGeneSets);
    app.add_option("--shipped-gene-set", commandLine.ShippedGeneSet);
    app.add_option("--gene-set", commandLine.GeneSet);
    CLI::Option* male = app.add_option("--male", commandLine.Male);
    CLI::Option* female = app.add_option("--female", commandLine.Female);
    CLI::Option* malePossible =
        app.add_option("--male-possible", commandLine.MalePossible)->check(PossibleHetList);
    CLI::Option* femalePossible =
        app.add_option("--female-possible", commandLine.FemalePossible)->check(PossibleHetList);
    app.add_option("--male-morph", commandLine.MaleMorph)->excludes(male)->excludes(malePossible);
    app.add_option("--female-morph", commandLine.FemaleMorph)->excludes(female)->excludes(femalePossible);
    app.add_option("--ratio-index", commandLine.RatioIndex)->transform(WholeNumber);
    app.add_option("--combi-index", commandLine.CombiIndex)->transform(WholeNumber);
    app.add_option("--pheno-index", commandLine.PhenotypeIndex)->transform(WholeNumber);
    app.add_option("--possible-index", commandLine.PossibleHetsIndex)->transform(WholeNumber);
    app.add_option("--decimal-separator", commandLine.DecimalSeparator)->check(OneCharacter);
    app.add_option("--clutch", commandLine.Clutch)->transform(EggCount);
    CLI::Option* animals = app.add_option("--animals", commandLine.Animals);
    CLI::Option* chances = app.add_option("--chances", commandLine.Chances)->needs(animals);
    app.add_option("--plan", commandLine.Plan)->needs(animals)->excludes(chances);
    CLI::Option_group* outputs = app.add_option_group("output");
    const std::pair<const char*, TOutput> outputFlags[] = {
        {"--grid", TOutput::Grid}, {"--weights", TOutput::Weights}, {"--json", TOutput::Json}};
    for (const auto& [name, output] : outputFlags)
        outputs->add_flag_callback(name, [&commandLine, output = output] { commandLine.Output = output; })
            ->disable_flag_override();
    outputs->require_option(0, 1);
    try {
        std::vector<std::string> words = WordsForParsing(arguments);
        app.parse(words);
    } catch (const CLI::ParseError& error) {
        return error.what();
    }
    if (commandLine.Animals && !commandLine.Chances && !commandLine.Plan)
        return "--animals needs --chances NAME or --plan GOAL";
    if (commandLine.Animals &&
        (commandLine.Output == TOutput::Grid || commandLine.Output == TOutput::Weights))
        return "--animals prints chances or a plan, as text or --json: no --grid or --weights";
    return {};
}
