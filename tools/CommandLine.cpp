#include "tools/CommandLine.h"

#include "model/Text.h"

#include <charconv>
#include <climits>

const char* const Usage =
    "Usage: zygora-calc [--gene-set FILE] [--male CODES] [--female CODES]\n"
    "                   [--ratio-index N] [--combi-index N] [--pheno-index N] [--possible-index N]\n"
    "                   [--decimal-separator C] [--grid | --weights | --json] [--default-gene-set]\n"
    "                   [--help] [--version]\n"
    "\n"
    "Predicts the offspring of a pairing as the Calculate button of Zygora does.\n"
    "  --gene-set FILE        the gene-set file to load (default: the built-in Serpentia set)\n"
    "  --male, --female CODES the parents' selection strings, used as typed (default: the file's)\n"
    "  --ratio-index N        0 Ratio, 1 Percentage\n"
    "  --combi-index N        0 Seperate genes, 1 Combi\n"
    "  --pheno-index N        0 Genotype, 1 Phenotype\n"
    "  --possible-index N     0 Show Poss., 1 No poss. hets\n"
    "                         (indexes below 0 choose nothing, past the last choose the last;\n"
    "                          default: the file's)\n"
    "  --decimal-separator C  the separator of percentages (default: the locale's)\n"
    "  --grid                 print the Punnett grid, cells separated by TABs\n"
    "  --weights              print every weight entry after the run: locus index, TAB, entry\n"
    "  --json                 print the report and the offspring lines as one JSON object\n"
    "  --default-gene-set     print the built-in gene set and exit\n";

namespace {

// A whole number; beyond the range of int it is clamped, which the choices clamp further anyway.
bool ReadIndex(const std::string& text, int& index) {
    long long value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || end != last || (error != std::errc() && error != std::errc::result_out_of_range))
        return false;
    if (error == std::errc::result_out_of_range)
        value = text.starts_with('-') ? LLONG_MIN : LLONG_MAX;
    index = value < INT_MIN ? INT_MIN : (value > INT_MAX ? INT_MAX : static_cast<int>(value));
    return true;
}

// The switch an option without a value turns on; none for any other option.
bool* FlagOf(const std::string& name, TCommandLine& commandLine) {
    if (name == "--help" || name == "-h")
        return &commandLine.Help;
    if (name == "--version")
        return &commandLine.Version;
    if (name == "--default-gene-set")
        return &commandLine.DefaultGeneSet;
    return nullptr;
}

} // namespace

std::string ReadCommandLine(const std::vector<std::string>& arguments, TCommandLine& commandLine) {
    int outputs = 0;
    for (size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        if (const size_t equals = name.find('='); name.starts_with("--") && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        const auto takeValue = [&]() -> std::optional<std::string> {
            if (value)
                return value;
            if (i + 1 < arguments.size())
                return arguments[++i];
            return std::nullopt;
        };
        const bool output = name == "--grid" || name == "--weights" || name == "--json";
        if (bool* flag = FlagOf(name, commandLine); flag || output) {
            if (value)
                return "the option " + name + " takes no value";
            if (flag) {
                *flag = true;
                continue;
            }
            ++outputs;
            commandLine.Output =
                name == "--grid" ? TOutput::Grid : (name == "--weights" ? TOutput::Weights : TOutput::Json);
        } else if (name == "--gene-set" || name == "--male" || name == "--female" ||
                   name == "--decimal-separator") {
            const std::optional<std::string> text = takeValue();
            if (!text)
                return "the option " + name + " needs a value";
            if (name == "--gene-set")
                commandLine.GeneSet = *text;
            else if (name == "--male")
                commandLine.Male = *text;
            else if (name == "--female")
                commandLine.Female = *text;
            else if (CharacterCount(*text) != 1)
                return "the decimal separator must be one character, not \"" + *text + "\"";
            else
                commandLine.DecimalSeparator = *text;
        } else if (name == "--ratio-index" || name == "--combi-index" || name == "--pheno-index" ||
                   name == "--possible-index") {
            const std::optional<std::string> text = takeValue();
            if (!text)
                return "the option " + name + " needs a value";
            int index = 0;
            if (!ReadIndex(*text, index))
                return "the option " + name + " needs a whole number, not \"" + *text + "\"";
            (name == "--ratio-index"   ? commandLine.RatioIndex
             : name == "--combi-index" ? commandLine.CombiIndex
             : name == "--pheno-index" ? commandLine.PhenotypeIndex
                                       : commandLine.PossibleHetsIndex) = index;
        } else {
            return "unknown option \"" + arguments[i] + "\"";
        }
    }
    if (outputs > 1)
        return "choose one of --grid, --weights and --json";
    return {};
}
