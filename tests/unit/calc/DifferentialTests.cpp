// The fast calculation against the literal one on random gene sets, pairings and choices; with possible
// hets, against the sum over every parent pair they stand for.
#include "GeneSets.h"
#include "LiteralCalculation.h"
#include "fuzz/RandomPairing.h"

#include "calc/Calculation.h"
#include "calc/GenotypeText.h"
#include "calc/LocusProduct.h"
#include "calc/PunnettGrid.h"
#include "model/Text.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

class TSeededChoices : public TChoices {
public:
    explicit TSeededChoices(unsigned seed) : FRandom(seed) {}
    int Below(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(FRandom); }

private:
    std::mt19937 FRandom;
};

// Counting in small blocks and with sparse counters gives the same offspring as the usual way.
void CompareWaysOfCounting(TPunnettGrid& grid, TAlleleQuestions& questions) {
    TResultList usual(questions), blocked(questions);
    grid.AskCellQuestions(questions, usual);
    ASSERT_TRUE(grid.CollectCells(usual, MaxOffspringLines));
    ASSERT_TRUE(grid.CollectCells(blocked, MaxOffspringLines, TCellCountTuning{1, 0}));
    EXPECT_EQ(blocked.Lines, usual.Lines);
    EXPECT_TRUE(blocked.Counts == usual.Counts && blocked.Cells == usual.Cells);
}

// A sink that writes the report it is handed as the result would hold it.
class TWrittenReport : public TReportSink {
public:
    std::vector<std::string> Lines;
    std::vector<std::string> Offspring; // each line's parts

    void WriteHeading(const std::vector<std::string>& lines) override { Append(lines); }
    void WriteOffspring(const TOffspringLine& line, const std::string& reported) override {
        Lines.push_back(reported);
        Offspring.push_back(PartsOf(line));
    }
    void WriteClosing(const std::vector<std::string>& lines) override { Append(lines); }

    static std::string PartsOf(const TOffspringLine& line) {
        return line.Line + "|" + DecimalText(line.Count) + "/" + DecimalText(line.Total) + "/" +
               DecimalText(line.Eggs) + "|" + line.Name + "|" + line.PossibleText + "|" + line.HealthNote;
    }

private:
    void Append(const std::vector<std::string>& lines) {
        Lines.insert(Lines.end(), lines.begin(), lines.end());
    }
};

// Handed to a sink, the report and its lines are those the result holds otherwise.
void CompareWrittenReport(const TGeneSetRecipe& recipe, const std::string& male, const std::string& female,
                          const TCalcOptions& options, const TCalcResult& held) {
    TLocusList loci;
    TCombiList combis;
    Build(recipe, loci, combis);
    TWrittenReport written;
    const TCalcResult result = RunCalculation(male, female, options, loci, combis, {}, {}, &written);
    ASSERT_FALSE(result.Refused());
    EXPECT_EQ(written.Lines, held.ReportLines());
    ASSERT_EQ(written.Offspring.size(), held.OffspringLineCount());
    for (size_t i = 0; i < held.OffspringLineCount(); ++i)
        EXPECT_EQ(written.Offspring[i], TWrittenReport::PartsOf(held.OffspringLine(i)));
}

void CompareOneCase(TRandomPairing& cases) {
    const TGeneSetRecipe recipe = cases.GeneSet();
    int hets = 0;
    std::string male = cases.Parent(recipe, hets);
    std::string female = cases.Parent(recipe, hets);
    if (cases.OneIn(2))
        ReduceSelections(male, female);
    const TCalcOptions options = cases.Options();

    TLocusList fastLoci, literalLoci;
    TCombiList fastCombis, literalCombis;
    Build(recipe, fastLoci, fastCombis);
    Build(recipe, literalLoci, literalCombis);
    const TCalcResult fast = RunCalculation(male, female, options, fastLoci, fastCombis);
    const TLiteralResult literal = LiteralCalculation(male, female, options, literalLoci, literalCombis);

    ASSERT_FALSE(fast.Refused()) << fast.RefusalMessage();
    EXPECT_EQ(fast.ReportLines(), literal.Report);
    for (const std::string& line : fast.ReportLines())
        EXPECT_EQ(line.find('#'), std::string::npos) << line;
    EXPECT_EQ(WeightEntries(fastLoci), WeightEntries(literalLoci));
    CompareWrittenReport(recipe, male, female, options, fast);
    std::vector<std::string> maleGametes, femaleGametes;
    for (uint64_t r = 1; r <= fast.MaleGameteCount(); ++r)
        maleGametes.push_back(fast.MaleGamete(r));
    for (uint64_t c = 1; c <= fast.FemaleGameteCount(); ++c)
        femaleGametes.push_back(fast.FemaleGamete(c));
    ASSERT_EQ(maleGametes, literal.MaleGametes);
    ASSERT_EQ(femaleGametes, literal.FemaleGametes);
    for (size_t c = 0; c < literal.Cells.size(); ++c)
        for (size_t r = 0; r < literal.Cells[c].size(); ++r)
            ASSERT_EQ(fast.CellText(c + 1, r + 1), literal.Cells[c][r]) << "cell " << c + 1 << "," << r + 1;

    TLocusList loci;
    TCombiList combis;
    Build(recipe, loci, combis);
    TAlleleQuestions questions(loci);
    TPunnettGrid grid(male, female);
    CompareWaysOfCounting(grid, questions);
}

const std::string OddAlleles = "ABCaZ09?#* ~\xE9\xC4\xE4\xFF";

// The cases of seeds 1 to `last`, up to the first that fails.
void CompareCases(unsigned last, void (*compare)(TRandomPairing&), const std::string& odd = OddAlleles,
                  TPairingSize size = {}) {
    for (unsigned seed = 1; seed <= last; ++seed) {
        TSeededChoices choices(seed);
        TRandomPairing cases(choices, odd, size);
        SCOPED_TRACE("seed " + std::to_string(seed));
        compare(cases);
        if (testing::Test::HasFailure())
            return;
    }
}

} // namespace

TEST(FastAgainstLiteral, RandomGeneSetsPairingsAndChoices) {
    CompareCases(800, CompareOneCase);
}

// Gametes of different lengths: a cell of one pair turned lower byte first asks nothing until it is
// collected, after the pairs of the longer cells have been asked; the relations stored with the set follow
// that order.
TEST(FastAgainstLiteral, CellsOfOnePairAreAskedWhenCollected) {
    TGeneSetRecipe recipe;
    recipe.Genes = {{{"++", "Normal"}, {"+j", "Het j"}, {"+y", "Het y"}, {"jy", "J over y"}}};
    recipe.Weights = {{}};
    TLocusList fastLoci, literalLoci;
    TCombiList fastCombis, literalCombis;
    Build(recipe, fastLoci, fastCombis);
    Build(recipe, literalLoci, literalCombis);
    const TCalcResult fast = RunCalculation("jy", "+zCy", {}, fastLoci, fastCombis);
    const TLiteralResult literal = LiteralCalculation("jy", "+zCy", {}, literalLoci, literalCombis);
    EXPECT_EQ(fast.ReportLines(), literal.Report);
    EXPECT_EQ(WeightEntries(fastLoci), WeightEntries(literalLoci));
}

// Pairings of many loci, with no allele that keeps lines from being listed locus by locus: column after
// column of the grid, the columns that hold no new line passed over.
TEST(FastAgainstLiteral, LargerPairingsListedLocusByLocus) {
    const std::string odd = "?!";
    const TPairingSize size{6, 9, 10, true};
    CompareCases(60, CompareOneCase, odd, size);
    int listedByLoci = 0;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        TSeededChoices choices(seed);
        TRandomPairing cases(choices, odd, size);
        const TGeneSetRecipe recipe = cases.GeneSet();
        int hets = 0;
        const std::string male = cases.Parent(recipe, hets);
        const std::string female = cases.Parent(recipe, hets);
        TLocusList loci;
        TCombiList combis;
        Build(recipe, loci, combis);
        TAlleleQuestions questions(loci);
        TPunnettGrid grid(male, female);
        TResultList list(questions);
        grid.AskCellQuestions(questions, list);
        TNaming naming(questions, loci, combis);
        listedByLoci += TLocusProduct(grid, questions, naming, {}).Applies() && hets >= 8;
    }
    EXPECT_GE(listedByLoci, 8);
}

namespace {

// A line by its pairs in any order, as lines of the same animal merge.
std::multiset<std::string> PairsOf(const std::string& line) {
    std::multiset<std::string> pairs;
    for (size_t i = 0; i < line.size(); i += 2)
        pairs.insert(line.substr(i, 2));
    return pairs;
}

// The items of a list, blanks around them and empty ones left out, in any order.
std::string SortedItems(const std::string& list) {
    std::multiset<std::string> items;
    for (size_t begin = 0; begin < list.size();) {
        const size_t end = std::min(list.find(',', begin), list.size());
        const std::string item = list.substr(begin, end - begin);
        const size_t first = item.find_first_not_of(' ');
        if (first != std::string::npos)
            items.insert(item.substr(first, item.find_last_not_of(' ') - first + 1));
        begin = end + 1;
    }
    std::string text;
    for (const std::string& item : items)
        text += item + "|";
    return text;
}

// A line as the report lists it, whatever its place among the others: the grid meets a line's pairs, its
// names and its possible hets in another order when the parents change places.
std::string LineText(const TOffspringLine& line) {
    // Shown and carried names stand apart by two blanks.
    std::string names = line.Name;
    for (size_t at = names.find("  "); at != std::string::npos; at = names.find("  ", at))
        names.replace(at, 2, ",");
    std::string pairs;
    for (const std::string& pair : PairsOf(line.Line))
        pairs += pair;
    const std::string& hets = line.PossibleText;
    return pairs + "|" + SortedItems(names) + line.HealthNote + "|" + DecimalText(line.Count) + "/" +
           DecimalText(line.Total) + "/" + DecimalText(line.Eggs) + "|" +
           SortedItems(hets.empty() ? hets : hets.substr(1, hets.size() - 3));
}

// Swapping the parents, their possible hets with them, swaps the report's parent lines and gives the same
// offspring.
void CompareSwappedParents(const TGeneSetRecipe& recipe, const std::string& male, const std::string& female,
                           const TPairingPossibleHets& possible, const TCalcOptions& options) {
    TLocusList loci, swappedLoci;
    TCombiList combis, swappedCombis;
    Build(recipe, loci, combis);
    Build(recipe, swappedLoci, swappedCombis);
    const TCalcResult result = RunCalculation(male, female, options, loci, combis, possible);
    const TCalcResult swapped =
        RunCalculation(female, male, options, swappedLoci, swappedCombis, {possible.Female, possible.Male});
    ASSERT_EQ(result.Refused(), swapped.Refused());
    if (result.Refused())
        return;
    EXPECT_EQ(result.ReportLines()[0].substr(9), swapped.ReportLines()[1].substr(9));
    EXPECT_EQ(result.ReportLines()[1].substr(9), swapped.ReportLines()[0].substr(9));
    const auto linesOf = [](const TCalcResult& calculated) {
        std::multiset<std::string> lines;
        for (size_t i = 0; i < calculated.OffspringLineCount(); ++i)
            lines.insert(LineText(calculated.OffspringLine(i)));
        return lines;
    };
    EXPECT_TRUE(linesOf(result) == linesOf(swapped)) << male << " x " << female;
}

void CompareMixture(TRandomPairing& cases) {
    const TGeneSetRecipe recipe = cases.GeneSet();
    int hets = 0;
    const std::string male = cases.Parent(recipe, hets);
    const std::string female = cases.Parent(recipe, hets);
    // Letters of both cases merge lines into the text of whichever came first.
    for (const char c : male + female)
        if (c != LowerCaseWindows1252(c) &&
            (male + female).find(LowerCaseWindows1252(c)) != std::string::npos)
            return;
    const TPairingPossibleHets possible{cases.PossibleHets(male), cases.PossibleHets(female)};
    TCalcOptions options = cases.Options();
    CompareSwappedParents(recipe, male, female, possible, options);
    options.PossibleHetsIndex = 1;

    TLocusList loci, mixtureLoci;
    TCombiList combis, mixtureCombis;
    Build(recipe, loci, combis);
    Build(recipe, mixtureLoci, mixtureCombis);
    const TCalcResult mixture = RunCalculation(male, female, options, mixtureLoci, mixtureCombis, possible);
    ASSERT_FALSE(mixture.Refused()) << mixture.RefusalMessage();
    std::map<std::multiset<std::string>, TCount> mixed, summed;
    for (size_t i = 0; i < mixture.OffspringLineCount(); ++i)
        mixed[PairsOf(mixture.OffspringLine(i).Line)] += mixture.OffspringLine(i).Count;

    // Every parent pair the possible hets stand for, the one het at all of them first, weighed by its
    // chance out of the product of the chances' denominators.
    TAlleleQuestions questions(loci);
    TPunnettGrid grid(male, female);
    grid.WeighGametes(TGameteWeights(grid.Male(), possible.Male, questions),
                      TGameteWeights(grid.Female(), possible.Female, questions));
    std::vector<std::pair<bool, TPossibleHet>> taken; // (of the male, possible het)
    for (const bool ofMale : {true, false})
        for (const TPossibleHet& het : (ofMale ? grid.MaleWeights() : grid.FemaleWeights()).Taken())
            taken.emplace_back(ofMale, het);
    TCount hetTotal = 0;
    for (uint32_t dropped = 0; dropped < (1u << taken.size()); ++dropped) {
        std::string pairMale = male;
        std::string pairFemale = female;
        TCount weight = 1;
        for (size_t i = 0; i < taken.size(); ++i) {
            const auto& [ofMale, het] = taken[i];
            const TChance chance = ChanceOf(het.Percent);
            const bool isKept = ((dropped >> i) & 1) == 0;
            weight *= static_cast<TCount>(isKept ? chance.Numerator : chance.Denominator - chance.Numerator);
            if (!isKept)
                (ofMale ? pairMale : pairFemale).replace((ofMale ? male : female).find(het.Code), 2, "++");
        }
        const TCalcResult pair = RunCalculation(pairMale, pairFemale, options, loci, combis);
        if (hetTotal == 0) {
            hetTotal = pair.OffspringLineCount() ? pair.OffspringLine(0).Eggs : 1;
            // Lines, their order and names, and the relations stored are those of the het pair.
            EXPECT_EQ(WeightEntries(mixtureLoci), WeightEntries(loci));
            ASSERT_EQ(mixture.OffspringLineCount(), pair.OffspringLineCount());
            for (size_t i = 0; i < pair.OffspringLineCount(); ++i)
                EXPECT_EQ(mixture.OffspringLine(i).Line + "|" + mixture.OffspringLine(i).Name,
                          pair.OffspringLine(i).Line + "|" + pair.OffspringLine(i).Name);
        }
        for (size_t i = 0; i < pair.OffspringLineCount(); ++i)
            summed[PairsOf(pair.OffspringLine(i).Line)] +=
                weight * pair.OffspringLine(i).Count * (hetTotal / pair.OffspringLine(i).Eggs);
    }
    // Both over the same denominator: the het pair's cells times the chances' denominators.
    EXPECT_TRUE(mixed == summed);

    CompareWaysOfCounting(grid, questions);
}

} // namespace

TEST(MixtureAgainstParentPairs, RandomGeneSetsPairingsAndPossibleHets) {
    CompareCases(1500, CompareMixture);
}
