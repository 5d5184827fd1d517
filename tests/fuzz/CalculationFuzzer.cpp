// Fuzz target: the whole calculation on a small random gene set, two random parents and possible hets.
// Small enough that one input runs in milliseconds; every report must keep the rules below.
#include "calc/Calculation.h"
#include "calc/Gametes.h"

#include "FuzzCheck.h"
#include "RandomPairing.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

class TFuzzChoices : public TChoices {
public:
    explicit TFuzzChoices(FuzzedDataProvider& in) : FIn(in) {}
    int Below(int n) override { return FIn.ConsumeIntegralInRange(0, n - 1); }

private:
    FuzzedDataProvider& FIn;
};

// Carriers of `count` different alleles, none of which the gene sets and selections of this target hold.
std::string Carriers(int count) {
    std::string pairs;
    for (int i = 0; i < count; ++i)
        pairs += std::string{'+', static_cast<char>(0xA0 + i)};
    return pairs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    TFuzzChoices choices(in);
    // Beside the usual alleles, a blank or NUL byte of a damaged file and a byte above 127.
    TRandomPairing cases(choices, std::string("ABa#?* =:\xE9\0", 11));
    const TGeneSetRecipe recipe = cases.GeneSet();
    TLocusList loci;
    TCombiList combis;
    Build(recipe, loci, combis);
    // Genes that die in the egg, and notes of any bytes but '#', which must then never reach the report.
    for (int i = 0; i < loci.Count(); ++i)
        for (int j = 0; j < loci[i]->Genes().Count(); ++j) {
            TGene& gene = *loci[i]->Genes()[j];
            gene.Lethal = cases.OneIn(8);
            if (cases.OneIn(4))
                for (const char c : in.ConsumeRandomLengthString(8))
                    gene.HealthNote += c == '#' ? '_' : c;
        }
    const TCalcOptions options = cases.Options();
    int hets = 0;
    std::string male = cases.Parent(recipe, hets);
    std::string female = cases.Parent(recipe, hets);
    // Now and then both parents carry more different loci than the grid can be walked for (one more than
    // half the limit each, and one more again for a stray byte before them that shifts the pairs): the
    // lines are then listed locus by locus, or refused for their number before any cell is worked.
    if (in.ConsumeIntegralInRange(0, 15) == 0) {
        male += Carriers(in.ConsumeIntegralInRange(MaxHeterozygousLoci / 2 + 2, MaxKeptLoci + 10));
        female += Carriers(in.ConsumeIntegralInRange(MaxHeterozygousLoci / 2 + 2, MaxKeptLoci + 10));
    }
    if (in.ConsumeBool())
        ReduceSelections(male, female);
    const TPairingPossibleHets possible{cases.PossibleHets(male), cases.PossibleHets(female)};

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
        if (options.RatioIndex == 0 && !weighed)
            FUZZ_CHECK(reported.starts_with(DecimalText(line.Count) + "/" + DecimalText(total) + " "));
    }
    FUZZ_CHECK(counted == total);
    // Every cell where the grid is small; of a grid of a billion cells, as the window shows it, the
    // corner in view.
    const bool everyCell = cells <= (TCount(1) << 16);
    const auto inView = [&](uint64_t gametes) {
        return everyCell ? gametes : std::min<uint64_t>(gametes, 40);
    };
    TCount lethalCells = 0;
    for (uint64_t row = 0; row <= inView(result.MaleGameteCount()); ++row)
        for (uint64_t column = 0; column <= inView(result.FemaleGameteCount()); ++column) {
            result.CellText(column, row);
            lethalCells += result.CellLethal(column, row) ? 1 : 0;
        }
    const TFraction unhatched = result.UnhatchedShare();
    FUZZ_CHECK((unhatched.Numerator == 0) == result.LethalGeneNames().empty());
    if (everyCell) {
        FUZZ_CHECK((unhatched.Numerator == 0) == (lethalCells == 0));
        const TFraction expected = Reduced(weighed ? eggs - total : lethalCells, weighed ? eggs : cells);
        FUZZ_CHECK(cells == 0 || (unhatched.Numerator == expected.Numerator &&
                                  unhatched.Denominator == expected.Denominator));
    }
    FUZZ_CHECK(result.ReportLines().size() ==
               6 + result.OffspringLineCount() + (unhatched.Numerator == 0 ? 0 : 1));
    return 0;
}
