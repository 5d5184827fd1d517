// Selection strings as a breeder may type them into the Male and Female fields: odd lengths, letters of
// both cases, far too many loci, possible hets that are none.
#include "GeneSets.h"

#include "calc/Calculation.h"
#include "calc/GenotypeText.h"
#include "calc/SelectionCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

TEST(HostileSelections, OddLengthsAndLettersOfBothCases) {
    // (Odd lengths, hashes, blanks and bytes above 127 typed into the fields are among the random pairings
    // checked against the literal calculation.)
    TGeneSet set = Serpentia();
    // Lines merge ignoring the case of Windows-1252 letters as a Western Windows locale compares them:
    // +Ä and +ä are one line, as are +Š and +š, +Ÿ and +ÿ; × and ÷ are no letters.
    for (const auto& [upper, lower, lines] : std::vector<std::tuple<char, char, size_t>>{
             {'\xC4', '\xE4', 2}, {'\x8A', '\x9A', 2}, {'\x9F', '\xFF', 2}, {'\xD7', '\xF7', 3}})
        EXPECT_EQ(RunCalculation({'+', upper}, {'+', lower}, {0, 0, 0, 1}, set.LocusList, set.CombiList)
                      .OffspringLineCount(),
                  lines)
            << int(static_cast<unsigned char>(upper));
}

TEST(HostileSelections, SixtyFourLociThatAreFewerThanTheyLookAreCalculated) {
    TGeneSet set = Serpentia();
    const std::string normal(128, '+');
    // The window drops the loci where both parents are normal, and a pair typed again is one locus.
    std::string male = normal;
    std::string female = normal;
    ReduceSelections(male, female);
    EXPECT_EQ(RunCalculation(male, female, {}, set.LocusList, set.CombiList).OffspringLineCount(), 0u);
    std::string repeated;
    for (int i = 0; i < 64; ++i)
        repeated += i % 2 ? "+a" : "+e";
    const TCalcResult twoLoci = RunCalculation(repeated, repeated, {}, set.LocusList, set.CombiList);
    ASSERT_FALSE(twoLoci.Refused());
    EXPECT_EQ(twoLoci.MaleGameteCount(), 4u);
    // Lines of more pairs than the usual few dozen are compared as sets of pairs all the same.
    std::string pairs;
    for (char c = '0'; c < '0' + 65; ++c)
        pairs += std::string{'+', c};
    EXPECT_TRUE(SamePairSet(pairs, pairs.substr(2) + pairs.substr(0, 2), false));
    EXPECT_FALSE(SamePairSet(pairs, pairs.substr(2) + "++", false));
}

TEST(HostileSelections, PossibleHetsThatAreNoneArePassedOver) {
    const auto offspring = [](TGeneSet& set, const std::string& male,
                              const std::vector<TPossibleHet>& possible) {
        const TCalcResult result =
            RunCalculation(male, male, {}, set.LocusList, set.CombiList, {possible, {}});
        return std::vector<std::string>(result.ReportLines().begin() + 2, result.ReportLines().end());
    };
    TGeneSet set = Serpentia();
    const std::vector<TPossibleHet> hostile = {
        {"+a", 66}, {"+a", 50}, {"+e", 0},   {"+e", 100}, {"+e", -1}, {"a+", 50},    {"++", 50},
        {"+", 50},  {"", 50},   {"+ee", 50}, {"+b", 50},  {"#e", 50}, {"+\xE9", 50}, {"+#", 50}};
    // A code typed twice is one locus, as it is without possible hets.
    for (const char* male : {"+a+e", "+a+e+a", "+a+e+", "+a+e+e"})
        EXPECT_EQ(offspring(set, male, hostile), offspring(set, "+a+e", {{"+a", 66}})) << male;
    // A mutant that shows over the wild type is no possible het.
    TGeneSet dominant = SmallGeneSet({{"++:Normal", "+d:Dom het", "dd:Dominant"}}, {"+d=d > +"});
    EXPECT_EQ(offspring(dominant, "+d", {{"+d", 50}}), offspring(dominant, "+d", {}));
}

TEST(HostileSelections, CodesThatAreNoGenesOfTheSetAreNamed) {
    const TGeneSet set = Serpentia();
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"a+", "au+b", ""},
        {"", "++bb", ""},
        {"Amel", "", "\"Am\" in the male's codes is no gene of this gene set."},
        {"+a", "+a+", "The female's codes end in \"+\": every gene is written as two characters."},
        {"+a", "+b", "The male's \"+a\" and the female's \"+b\" stand at the same place but are genes of "
                     "different loci."}};
    for (const auto& [male, female, problem] : cases)
        EXPECT_EQ(SelectionProblem(male, female, set.LocusList), problem) << male << " x " << female;
}
