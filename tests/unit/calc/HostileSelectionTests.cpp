// Selection strings as a breeder may type them into the Male and Female fields: odd lengths, '#', bytes
// above 127, far too many loci. Each gives the report the rules give, or a refusal, never a crash.
#include "GeneSets.h"
#include "LiteralCalculation.h"

#include "calc/Calculation.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

TEST(HostileSelections, HashesHighBytesAndOddLengthsGiveTheReportOfTheRules) {
    std::vector<std::pair<std::string, std::string>> pairings = {
        {"+a+", "+a"},    {"#a", "+a"},     {"a#", "#a"}, {"xz", "zz"},   {"+a+a", "aa"},
        {"a+", "+a"},     {"++++++", "++"}, {"+", "+a"},  {"aA", "Aa"},   {"+a +e", " e+a"},
        {"+a+b+c", "+a"}, {"?", ""},        {"##", "#a"}, {"a#+", "##a"}, {"#", ""}};
    // Bytes above 127.
    pairings.insert(pairings.end(), {{"\xE9\xE9", "+\xE9"},
                                     {"+\xFF\x80\x80", "\xFF\xFF+a"},
                                     {"a\xE9", "\xE9"},
                                     {"+a+e#", "aaee\xFF"},
                                     {"\x7F\x80", "\x80\x7F"},
                                     {"+\xC4", "+\xE4"}});
    for (const auto& [male, female] : pairings)
        for (const TCalcOptions& options :
             {TCalcOptions{0, 0, 0, 0, "."}, TCalcOptions{0, 1, 0, 0, "."}, TCalcOptions{1, 1, 1, 0, ","}}) {
            SCOPED_TRACE(male + " x " + female);
            TGeneSet fast = Serpentia();
            TGeneSet literal = Serpentia();
            const TCalcResult result = RunCalculation(male, female, options, fast.LocusList, fast.CombiList);
            ASSERT_FALSE(result.Refused());
            EXPECT_EQ(result.ReportLines(),
                      LiteralCalculation(male, female, options, literal.LocusList, literal.CombiList).Report);
            EXPECT_EQ(WeightEntries(fast.LocusList), WeightEntries(literal.LocusList));
            for (const std::string& line : result.ReportLines())
                EXPECT_EQ(line.find('#'), std::string::npos) << line;
        }
    // The trailing single character takes no part in the grid.
    TGeneSet set = Serpentia();
    const TCalcResult oddLength = RunCalculation("+a+", "+a", {}, set.LocusList, set.CombiList);
    EXPECT_EQ(oddLength.MaleGameteCount(), 2u);
    EXPECT_EQ(oddLength.MaleGamete(1) + oddLength.MaleGamete(2), "+a");
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
