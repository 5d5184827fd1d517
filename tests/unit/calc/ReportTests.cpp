// Whole reports, grids and offspring lines of worked pairings on the built-in Serpentia set and on small
// sets.
#include "GeneSets.h"

#include "calc/Calculation.h"
#include "calc/ClutchOdds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string Banner = "---------------------------------------------------";

TCalcOptions Options(int ratio, int combi, int pheno, int possible, std::string separator = ".") {
    return TCalcOptions{ratio, combi, pheno, possible, separator};
}

// The offspring lines of a report: everything after the banner.
std::vector<std::string> OffspringOf(const TCalcResult& result) {
    const std::vector<std::string>& lines = result.ReportLines();
    return {lines.begin() + 6, lines.end()};
}

std::vector<std::string> Offspring(TGeneSet& set, const std::string& male, const std::string& female,
                                   const TCalcOptions& options, const TPairingPossibleHets& possible = {}) {
    return OffspringOf(RunCalculation(male, female, options, set.LocusList, set.CombiList, possible));
}

std::vector<std::string> Grid(const TCalcResult& result) {
    std::vector<std::string> rows;
    for (uint64_t r = 0; r <= result.MaleGameteCount(); ++r) {
        std::string row;
        for (uint64_t c = 0; c <= result.FemaleGameteCount(); ++c)
            row.append(c ? "|" : "").append(result.CellText(c, r));
        rows.push_back(row);
    }
    return rows;
}

} // namespace

namespace {

struct TOffspringCase {
    const char* Male;
    const char* Female;
    TCalcOptions Options;
    std::vector<std::string> Lines;
};

void ExpectOffspring(TGeneSet& set, const std::vector<TOffspringCase>& cases) {
    for (const TOffspringCase& c : cases)
        EXPECT_EQ(Offspring(set, c.Male, c.Female, c.Options), c.Lines)
            << c.Male << " x " << c.Female << " " << c.Options.RatioIndex << c.Options.CombiIndex
            << c.Options.PhenotypeIndex << c.Options.PossibleHetsIndex;
}

} // namespace

TEST(Report, SerpentiaPairingsUnderEveryChoice) {
    TGeneSet set = Serpentia();
    const TCalcResult result = RunCalculation("+a", "+a", Options(0, 0, 0, 0), set.LocusList, set.CombiList);
    EXPECT_EQ(result.ReportLines(),
              (std::vector<std::string>{"Male   = het. Amel  ", "Female = het. Amel  ", "",
                                        "Offspring predicted as: ", "", Banner,
                                        "3/4 Normal(66% poss. het. Amelanistic) ", "1/4 Amelanistic  "}));
    EXPECT_EQ(Grid(result), (std::vector<std::string>{"|+|a", "+|++|+a", "a|+a|aa"}));

    const TCalcResult combis =
        RunCalculation("+a+e", "aaee", Options(0, 1, 0, 1), set.LocusList, set.CombiList);
    EXPECT_EQ(combis.ReportLines()[0], "Male   = het. Blizzard  ");
    EXPECT_EQ(combis.ReportLines()[1], "Female = Blizzard  ");
    // The het pair a+ of the third cell goes behind ee.
    EXPECT_EQ(Grid(combis), (std::vector<std::string>{"|ae", "++|a+e+", "a+|aae+", "+e|eea+", "ae|aaee"}));

    set.CombiList.Add(std::make_unique<TCombi>("cceeffhh", "Chain"));
    ExpectOffspring(
        set,
        {{"+a", "+a", Options(0, 0, 0, 1), {"1/4 Normal", "2/4 het. Amel  ", "1/4 Amelanistic  "}},
         {"+a", "+a", Options(1, 0, 0, 1), {"25.00% Normal", "50.00% het. Amel  ", "25.00% Amelanistic  "}},
         {"+a", "+a", Options(0, 0, 1, 1), {"3/4 Normal", "1/4 Amelanistic  "}},
         {"+a", "aa", Options(0, 0, 0, 0), {"1/2 Normal(het. Amelanistic) ", "1/2 Amelanistic  "}},
         // A ratio index past "Percentage" still means percentages; no possible-het choice means none.
         {"+a", "aa", Options(2, 0, 0, -1), {"50.00% het. Amel  ", "50.00% Amelanistic  "}},
         {"+a+e",
          "+a+e",
          Options(0, 0, 0, 0),
          {"9/16 Normal(66% poss. het. Amelanistic, 66% poss. het. Charcoal) ",
           "3/16 Amelanistic  (66% poss. het. Charcoal) ", "3/16 Charcoal  (66% poss. het. Amelanistic) ",
           "1/16 Amelanistic, Charcoal  "}},
         {"+a+e",
          "+a+e",
          Options(0, 1, 1, 0),
          {"9/16 Normal", "3/16 Amelanistic  ", "3/16 Charcoal  ", "1/16 Blizzard  "}},
         {"+a+e",
          "aaee",
          Options(0, 1, 0, 1),
          {"1/4 het. Blizzard  ", "1/4 Amelanistic  het. Charcoal  ", "1/4 Charcoal  het. Amel  ",
           "1/4 Blizzard  "}},
         {"aaee", "aaee", Options(0, -1, 0, 1), {"1/1 Amelanistic, Charcoal  "}},
         {"+a",
          "+u",
          Options(0, 0, 0, 0),
          {"3/4 Normal(33% poss. het. Amelanistic, 33% poss. het. Ultra) ", "1/4 Ultramel  "}},
         {"ij", "jj", Options(0, 0, 0, 0), {"1/2 Motley  (het. Stripe) ", "1/2 Stripe  "}},
         // One phenotype is one line whatever the order of its pairs.
         {"ijkk", "iikk", Options(0, 0, 0, 0), {"2/2 Motley, Sunkissed  (50% poss. het. Stripe) "}},
         // A chain of combinations is named by its longest link.
         {"cceeffhh", "cceeffhh", Options(0, 1, 0, 1), {"1/1 Chain  "}},
         {"cceeff", "cceeff", Options(0, 1, 0, 1), {"1/1 Phantom  "}},
         {"cceeff", "cceeff", Options(0, 0, 0, 1), {"1/1 Bloodred, Charcoal, Hypomelanistic  "}}});
}

TEST(Report, PossibleHetsOfOtherRelations) {
    // d dominant to the wild type: the hidden wild type is the possible het.
    TGeneSet dominant = SmallGeneSet({{"++:Normal", "+d:Dom het", "dd:Dominant"}}, {"+d=d > +"});
    ExpectOffspring(dominant,
                    {{"+d", "+d", Options(0, 0, 0, 0), {"1/4 Normal", "3/4 Dominant  (66% poss. Normal) "}},
                     {"+d", "+d", Options(0, 0, 0, 1), {"1/4 Normal", "2/4 Dominant  ", "1/4 Dominant  "}}});
    // Neither dominance nor co-dominance with the wild type: the carrier is "het normal".
    TGeneSet odd = SmallGeneSet({{"++:Normal", "+x:het. X", "xx:Xeno"}}, {"+x=+ ? x"});
    EXPECT_EQ(Offspring(odd, "+x", "xx", Options(0, 0, 0, 0)),
              (std::vector<std::string>{"1/2 Normal(Xeno het normal) ", "1/2 Xeno  "}));
    // A gene without a name still closes its list with two blanks.
    TGeneSet nameless = SmallGeneSet({{"++:Normal", "xx:"}});
    EXPECT_EQ(Offspring(nameless, "xx", "xx", Options(0, 0, 0, 1)), (std::vector<std::string>{"1/1   "}));
}

TEST(Report, ParentsThatArePossiblyHet) {
    TGeneSet set = Serpentia();
    const TPairingPossibleHets amel66{{{"+a", 66}}, {}};
    const TCalcResult result =
        RunCalculation("+a", "+a", Options(0, 0, 0, 1), set.LocusList, set.CombiList, amel66);
    EXPECT_EQ(result.ReportLines()[0], "Male   = 66% poss. het. Amelanistic");
    EXPECT_EQ(OffspringOf(result),
              (std::vector<std::string>{"2/6 Normal", "3/6 het. Amel  ", "1/6 Amelanistic  "}));
    EXPECT_TRUE(result.OffspringLine(1).Share().Numerator == 1 &&
                result.OffspringLine(1).Share().Denominator == 2);
    EXPECT_EQ(Offspring(set, "+a", "+a", Options(1, 0, 0, 1), amel66),
              (std::vector<std::string>{"33.33% Normal", "50.00% het. Amel  ", "16.67% Amelanistic  "}));
    // Of the normal looking offspring, 3 in 5 carry a.
    EXPECT_EQ(Offspring(set, "+a", "+a", Options(0, 0, 0, 0), amel66),
              (std::vector<std::string>{"5/6 Normal(60% poss. het. Amelanistic) ", "1/6 Amelanistic  "}));
    // 29 in 100 exactly, where floating point gives 28.999...
    EXPECT_EQ(Offspring(set, "+a", "++", Options(0, 0, 0, 0), {{{"+a", 58}}, {}}),
              (std::vector<std::string>{"1/1 Normal(29% poss. het. Amelanistic) "}));
    // The parent's other genes come first, by gene names or by combinations.
    const TPairingPossibleHets anery50{{{"+b", 50}}, {}};
    EXPECT_EQ(RunCalculation("aa+bee", "aa++ee", Options(0, 0, 0, 0), set.LocusList, set.CombiList, anery50)
                  .ReportLines()[0],
              "Male   = Amelanistic, Charcoal, 50% poss. het. Anerythristic");
    EXPECT_EQ(RunCalculation("aa+bee", "aa++ee", Options(0, 1, 0, 0), set.LocusList, set.CombiList, anery50)
                  .ReportLines()[0],
              "Male   = Blizzard, 50% poss. het. Anerythristic");
}

TEST(Report, LethalGenesAndHealthNotes) {
    // Super Spider dies in the egg; a mark on Normal means nothing. Each gene has a note of its own: a
    // carrier of Amel never takes Amel's.
    TGeneSet set = SmallGeneSet(
        {{"++:Normal", "+s:Spider", "ss:Super Spider"}, {"++:Normal", "+a:het. Amel", "aa:Amel"}},
        {"+s=+ = s"}, {},
        {"0-0=Lethal", "0-1=Note:wobble", "0-2=lethal", "1-1=Note:carrier", "1-2=Note:blind"});
    const TCalcResult spiders = RunCalculation("+s", "+s", Options(0, 0, 0, 1), set.LocusList, set.CombiList);
    EXPECT_EQ(OffspringOf(spiders), (std::vector<std::string>{"1/3 Normal", "2/3 Spider   [health: wobble]",
                                                              "1/4 of the eggs do not hatch: Super Spider"}));
    const TOffspringLine spider = spiders.OffspringLine(1);
    EXPECT_EQ(spider.Name + "|" + spider.PossibleText + "|" + spider.HealthNote, "Spider  ||wobble");
    EXPECT_TRUE(spider.EggShare().Numerator == 1 && spider.EggShare().Denominator == 2);
    EXPECT_EQ(Grid(spiders)[2], "s|+s|ss");
    EXPECT_TRUE(spiders.CellLethal(2, 2) && !spiders.CellLethal(1, 2) && !spiders.CellLethal(2, 1));
    EXPECT_EQ(Offspring(set, "+s", "+s", Options(1, 0, 0, 1)).back(),
              "25.00% of the eggs do not hatch: Super Spider");
    EXPECT_EQ(Offspring(set, "ss", "ss", Options(0, 0, 0, 1)),
              (std::vector<std::string>{"No egg hatches: Super Spider"}));
    // A mark belongs to its gene whichever byte of the code a hand-edited file stores first.
    TGeneSet highFirst = SmallGeneSet({{"++:Normal", "s+:Spider"}}, {"+s=+ = s"}, {}, {"0-1=Lethal"});
    EXPECT_EQ(Offspring(highFirst, "+s", "++", Options(0, 0, 0, 1)),
              (std::vector<std::string>{"1/1 Normal", "1/2 of the eggs do not hatch: Spider"}));

    // A phenotype carries the notes of every genotype merged into it; several notes join.
    EXPECT_EQ(Offspring(set, "+s+a", "++aa", Options(0, 0, 1, 1)),
              (std::vector<std::string>{
                  "1/4 Normal [health: carrier]", "1/4 Spider   [health: wobble; carrier]",
                  "1/4 Amel   [health: blind]", "1/4 Spider, Amel   [health: wobble; blind]"}));

    // A possibly het parent: the eggs that do not hatch are exact, the rest share the hatchlings.
    set.LocusList[1]->Genes()[2]->Lethal = true;
    const TCalcResult possible =
        RunCalculation("+a", "+a", Options(0, 0, 0, 1), set.LocusList, set.CombiList, {{{"+a", 66}}, {}});
    EXPECT_EQ(OffspringOf(possible),
              (std::vector<std::string>{"2/5 Normal", "3/5 het. Amel   [health: carrier]",
                                        "1/6 of the eggs do not hatch: Amel"}));
    EXPECT_TRUE(possible.UnhatchedShare().Numerator == 1 && possible.UnhatchedShare().Denominator == 6);
    EXPECT_EQ(possible.LethalGeneNames(), (std::vector<std::string>{"Amel"}));
}

TEST(Report, ClutchOddsByHand) {
    const auto odds = [](TFraction share, int eggs) {
        const TClutchOdds clutch = ClutchOddsOf(share, eggs);
        return ExpectedText(clutch) + " " + ChanceText(clutch, ",");
    };
    EXPECT_EQ(odds({1, 4}, 12), "3.0 96,8%");
    EXPECT_EQ(odds({1, 1}, 12), "12.0 100%");
    EXPECT_EQ(odds({0, 1}, 12), "0.0 0,0%");
    EXPECT_EQ(odds({1, 2}, 12), "6.0 >99,9%");
    EXPECT_EQ(odds({1, 100000}, 12), "0.0 <0,1%");
    EXPECT_EQ(odds({1, 20}, 2), "0.1 9,8%");    // exactly 9.75% and 0.1
    EXPECT_EQ(odds({1, 1000}, 99), "0.1 9,4%"); // 0.999^99 is beyond 128 bits
    // Exact while the product fits: 3/20 of an egg over a denominator of 70 bits, where long double reads
    // 0.1.
    const TCount large = (TCount(1) << 64) + 1;
    EXPECT_EQ(odds({3 * large, 20 * large}, 1).substr(0, 4), "0.2 ");
    // A possibly het parent: Amelanistic is one egg in six; with Normal, one in two.
    TGeneSet set = Serpentia();
    const TCalcResult result =
        RunCalculation("+a", "+a", Options(0, 0, 0, 1), set.LocusList, set.CombiList, {{{"+a", 66}}, {}});
    EXPECT_EQ(odds(result.OffspringLine(2).EggShare(), 12), "2.0 88,8%");
    EXPECT_EQ(odds(result.EggShareOf({0, 2}), 3), "1.5 87,5%");
}
