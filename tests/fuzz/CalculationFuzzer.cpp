// Fuzz target: the whole calculation on a small random gene set, two random selection strings and
// possible hets. Small enough that one input runs in milliseconds; every report must keep the rules below.
#include "calc/Calculation.h"
#include "calc/Gametes.h"

#include "FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

// Allele characters of sound gene sets and of damaged ones: '#' and '?' mean something to the
// calculation, a blank or NUL byte can come from a damaged file.
constexpr char Alleles[] = {'+', 'a', 'b', 'c', 'A', '#', '?', ' ', '\0', '\xE9', '=', ':'};
constexpr int MaxLoci = 4;
constexpr int MaxGenes = 6;
constexpr int MaxWeights = 4;
constexpr int MaxCombis = 3;
constexpr int MaxPairs = 6; // per parent: at most 12 heterozygous loci in all, 4096 cells

char PickAllele(FuzzedDataProvider& in) {
    return Alleles[in.ConsumeIntegralInRange<size_t>(0, sizeof Alleles - 1)];
}

std::string Pair(FuzzedDataProvider& in) {
    return {PickAllele(in), PickAllele(in)};
}

// Names of any bytes but '#', which must then never reach the report.
std::string PickName(FuzzedDataProvider& in) {
    std::string name = in.ConsumeRandomLengthString(8);
    for (char& c : name)
        if (c == '#')
            c = '_';
    return name;
}

// A well-formed relation, or the text of a damaged file or a half-typed editor.
std::string PickRelation(FuzzedDataProvider& in) {
    if (in.ConsumeBool())
        return in.ConsumeRandomLengthString(7);
    constexpr char Operators[] = {'<', '>', '=', 'x'};
    return std::string{PickAllele(in), ' ', Operators[in.ConsumeIntegralInRange<size_t>(0, 3)], ' ',
                       PickAllele(in)};
}

void BuildGeneSet(FuzzedDataProvider& in, TLocusList& loci, TCombiList& combis) {
    const int locusCount = in.ConsumeIntegralInRange(1, MaxLoci);
    for (int i = 0; i < locusCount; ++i) {
        TLocus* locus = loci.Add(std::make_unique<TLocus>(PickName(in)));
        const int genes = in.ConsumeIntegralInRange(0, MaxGenes);
        for (int j = 0; j < genes; ++j) {
            TGene* gene =
                locus->Genes().Add(std::make_unique<TGene>(PickAllele(in), PickAllele(in), PickName(in)));
            gene->Lethal = in.ConsumeIntegralInRange(0, 7) == 0;
            if (in.ConsumeIntegralInRange(0, 3) == 0)
                gene->HealthNote = PickName(in);
        }
        const int weights = in.ConsumeIntegralInRange(0, MaxWeights);
        for (int j = 0; j < weights; ++j)
            locus->Weights().push_back(Pair(in) + ":" + PickRelation(in));
    }
    const int combiCount = in.ConsumeIntegralInRange(0, MaxCombis);
    for (int i = 0; i < combiCount; ++i) {
        std::string code;
        for (int pairs = in.ConsumeIntegralInRange(1, 3); pairs > 0; --pairs)
            code += Pair(in);
        combis.Add(std::make_unique<TCombi>(code, PickName(in)));
    }
}

// A selection as the selectors build it (gene codes of the set) mixed with typed pairs and stray bytes.
std::string PickSelection(FuzzedDataProvider& in, const TLocusList& loci) {
    std::string selection;
    const int pairs = in.ConsumeIntegralInRange(0, MaxPairs);
    for (int i = 0; i < pairs; ++i) {
        const TLocus& locus = *loci[in.ConsumeIntegralInRange(0, loci.Count() - 1)];
        if (!locus.Genes().Empty() && in.ConsumeBool())
            selection += locus.Genes()[in.ConsumeIntegralInRange(0, locus.Genes().Count() - 1)]->Code();
        else
            selection += Pair(in);
    }
    if (in.ConsumeIntegralInRange(0, 7) == 0)
        selection += PickAllele(in);
    return selection;
}

// Possible hets as the selectors give them (a pair of the selection) mixed with any pair and any chance.
std::vector<TPossibleHet> PickPossibleHets(FuzzedDataProvider& in, const std::string& selection) {
    std::vector<TPossibleHet> hets;
    for (int count = in.ConsumeIntegralInRange(0, 3); count > 0; --count) {
        const size_t at = 2 * in.ConsumeIntegralInRange<size_t>(0, selection.size() / 2);
        hets.push_back(
            {in.ConsumeBool() ? selection.substr(at, 2) : Pair(in), in.ConsumeIntegralInRange(-1, 101)});
    }
    return hets;
}

// Carriers of `count` different alleles, none of which the gene sets and selections of this target hold.
std::string Carriers(int count) {
    std::string pairs;
    for (int i = 0; i < count; ++i)
        pairs += std::string{'+', static_cast<char>('d' + i)};
    return pairs;
}

// The share at the start of an offspring line in percentage mode, "12.50%" or "12,50%".
double PercentageOf(const std::string& line, const std::string& separator) {
    const size_t end = line.find('%');
    FUZZ_CHECK(end != std::string::npos);
    std::string digits = line.substr(0, end);
    const size_t point = digits.find(separator);
    FUZZ_CHECK(point != std::string::npos);
    digits.replace(point, separator.size(), ".");
    double value = -1;
    const auto [last, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    FUZZ_CHECK(error == std::errc() && last == digits.data() + digits.size());
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    TLocusList loci;
    TCombiList combis;
    BuildGeneSet(in, loci, combis);
    TCalcOptions options;
    options.RatioIndex = in.ConsumeIntegralInRange(-1, 2);
    options.CombiIndex = in.ConsumeIntegralInRange(-1, 2);
    options.PhenotypeIndex = in.ConsumeIntegralInRange(-1, 2);
    options.PossibleHetsIndex = in.ConsumeIntegralInRange(-1, 2);
    options.DecimalSeparator = in.ConsumeBool() ? "." : "\xD9\xAB";
    std::string male = PickSelection(in, loci);
    std::string female = PickSelection(in, loci);
    // Now and then both parents carry so many different loci that the pairing must be refused (one more
    // than half the limit each, and one more again for a stray byte before them that shifts the pairs);
    // a refusal comes before any cell is worked, so these inputs stay fast too.
    if (in.ConsumeIntegralInRange(0, 15) == 0) {
        male += Carriers(in.ConsumeIntegralInRange(MaxHeterozygousLoci / 2 + 2, MaxKeptLoci + 10));
        female += Carriers(in.ConsumeIntegralInRange(MaxHeterozygousLoci / 2 + 2, MaxKeptLoci + 10));
    }
    if (in.ConsumeBool())
        ReduceSelections(male, female);
    const TPairingPossibleHets possible{PickPossibleHets(in, male), PickPossibleHets(in, female)};

    std::vector<size_t> weightsBefore;
    for (int i = 0; i < loci.Count(); ++i)
        weightsBefore.push_back(loci[i]->Weights().size());
    const TCalcResult result = RunCalculation(male, female, options, loci, combis, possible);
    if (result.Refused()) {
        FUZZ_CHECK(result.ReportLines().empty());
        for (int i = 0; i < loci.Count(); ++i)
            FUZZ_CHECK(loci[i]->Weights().size() == weightsBefore[static_cast<size_t>(i)]);
        return 0;
    }

    for (const std::string& line : result.ReportLines())
        FUZZ_CHECK(line.find('#') == std::string::npos);
    // Cells weighed by possible hets weigh more than one cell in all. Offspring with a lethal gene are
    // eggs that do not hatch: no line, and the report names the genes.
    const TCount cells = result.MaleGameteCount() * result.FemaleGameteCount();
    const TCount eggs = result.OffspringLineCount() ? result.OffspringLine(0).Eggs : cells;
    const TCount total = result.OffspringLineCount() ? result.OffspringLine(0).Total : 0;
    const bool weighed = eggs != cells;
    TCount counted = 0;
    for (size_t i = 0; i < result.OffspringLineCount(); ++i) {
        const TOffspringLine line = result.OffspringLine(i);
        FUZZ_CHECK(line.Count > 0);
        FUZZ_CHECK(line.Total == total && line.Eggs == eggs);
        counted += line.Count;
        const std::string& reported = result.OffspringReportLine(i);
        if (options.RatioIndex != 0)
            FUZZ_CHECK(PercentageOf(reported, options.DecimalSeparator) <= 100.0);
        else if (!weighed)
            FUZZ_CHECK(reported.starts_with(DecimalText(line.Count) + "/" + DecimalText(total) + " "));
    }
    FUZZ_CHECK(counted == total);
    TCount lethalCells = 0;
    for (uint64_t row = 0; row <= result.MaleGameteCount(); ++row)
        for (uint64_t column = 0; column <= result.FemaleGameteCount(); ++column) {
            result.CellText(column, row);
            lethalCells += result.CellLethal(column, row) ? 1 : 0;
        }
    const TFraction unhatched = result.UnhatchedShare();
    FUZZ_CHECK((unhatched.Numerator == 0) == result.LethalGeneNames().empty());
    FUZZ_CHECK((unhatched.Numerator == 0) == (lethalCells == 0));
    const TFraction expected = Reduced(weighed ? eggs - total : lethalCells, weighed ? eggs : cells);
    FUZZ_CHECK(cells == 0 ||
               (unhatched.Numerator == expected.Numerator && unhatched.Denominator == expected.Denominator));
    FUZZ_CHECK(result.ReportLines().size() ==
               6 + result.OffspringLineCount() + (unhatched.Numerator == 0 ? 0 : 1));
    return 0;
}
