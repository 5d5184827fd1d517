// The weight entries a calculation stores, and pairings too large to calculate.
#include "GeneSets.h"

#include "calc/Calculation.h"

#include <gtest/gtest.h>

#include <atomic>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

const std::vector<std::string> TwoMutantLocus = {"++:Normal", "+a:het. A", "aa:Amel",
                                                 "+b:het. B", "bb:Bee",    "ab:AmelBee"};

} // namespace

TEST(StoredRelations, DefaultsAreStoredInTheOrderTheyAreFirstAskedAndOnlyOnce) {
    TGeneSet set = SmallGeneSet({TwoMutantLocus});
    RunCalculation("+a", "+b", {}, set.LocusList, set.CombiList);
    // The parents' names ask first, then the cell a/b of the grid.
    EXPECT_EQ(WeightEntries(set.LocusList),
              (std::vector<std::string>{"0\t+a:+ > a", "0\t+b:+ > b", "0\tab:a = b"}));
    RunCalculation("+a", "+b", {}, set.LocusList, set.CombiList);
    EXPECT_EQ(WeightEntries(set.LocusList).size(), 3u);
    // Checking a possible het asks nothing before the parents' names do.
    TGeneSet possible = SmallGeneSet({TwoMutantLocus});
    RunCalculation("+a", "+b", {}, possible.LocusList, possible.CombiList, {{}, {{"+b", 50}}});
    EXPECT_EQ(WeightEntries(possible.LocusList), WeightEntries(set.LocusList));
}

TEST(TooLarge, ParentBeyondTheEnumerationIsRefused) {
    TGeneSet set = Serpentia();
    std::string normal;
    for (int i = 0; i < 31; ++i)
        normal += "++";
    const TCalcResult result = RunCalculation(normal, normal, {}, set.LocusList, set.CombiList);
    ASSERT_TRUE(result.Refused());
    EXPECT_NE(result.RefusalMessage().find("more than 30 loci"), std::string::npos)
        << result.RefusalMessage();
    EXPECT_FALSE(
        RunCalculation(normal.substr(2), normal.substr(2), {}, set.LocusList, set.CombiList).Refused());
}

TEST(TooLarge, TooManyHeterozygousLociAreRefusedNamingTheirNumberAndTheLimit) {
    TGeneSet set = Serpentia();
    std::string male;
    std::string female;
    for (int i = 0; i <= MaxHeterozygousLoci; ++i)
        (i % 2 ? male : female) += std::string{'+', static_cast<char>('A' + i)};
    const TCalcResult result = RunCalculation(male, female, {}, set.LocusList, set.CombiList);
    ASSERT_TRUE(result.Refused());
    const std::string limit = std::to_string(MaxHeterozygousLoci);
    EXPECT_NE(result.RefusalMessage().find("at " + std::to_string(MaxHeterozygousLoci + 1) +
                                           " loci together, and the limit is " + limit),
              std::string::npos)
        << result.RefusalMessage();
}

TEST(TooLarge, MoreThanTwelvePossibleHetsAreRefused) {
    TGeneSet set = Serpentia();
    const std::string carriers = "+a+b+c+d+e+f+g";
    TPairingPossibleHets possible{ReadPossibleHets("+a:50,+b:50,+c:50,+d:50,+e:50,+f:50,+g:50").Hets,
                                  ReadPossibleHets("+a:33,+b:66,+c:33,+d:66,+e:10").Hets};
    EXPECT_FALSE(RunCalculation(carriers, carriers, {}, set.LocusList, set.CombiList, possible).Refused());
    possible.Female.push_back({"+g", 66});
    const TCalcResult result = RunCalculation(carriers, carriers, {}, set.LocusList, set.CombiList, possible);
    ASSERT_TRUE(result.Refused());
    EXPECT_EQ(result.RefusalMessage(),
              "Too large to calculate: the male and the female have 13 possible hets "
              "together, and the limit is 12 possible hets.");
}

namespace {

// Loci of four co-dominant alleles; the parents carry two different ones at each, so that every cell
// of such a locus differs. Each gene's name ends in `nameTail`.
TGeneSet CoDominantLoci(int count, std::string& male, std::string& female, const std::string& nameTail = "") {
    std::vector<std::vector<std::string>> loci;
    for (int l = 0; l < count; ++l) {
        const char first = static_cast<char>('0' + 4 * l); // '0' to '[': no letter case to fold
        std::vector<std::string> genes = {"++:Normal"};
        for (char x = first; x < first + 4; ++x)
            for (char y = x; y < first + 4; ++y)
                genes.push_back(std::string{x, y} + ":" + x + y + nameTail);
        loci.push_back(genes);
        male += std::string{first, static_cast<char>(first + 1)};
        female += std::string{static_cast<char>(first + 2), static_cast<char>(first + 3)};
    }
    return SmallGeneSet(loci);
}

} // namespace

TEST(TooLarge, TooManyDifferentOffspringAreRefusedAndStoreNothing) {
    // Where every cell is counted (the male has one locus more, so the loci cannot be listed one by
    // one), eleven such loci have more genotypes than are ever held; ten more than their possible hets may
    // take.
    for (const auto& [count, reason] :
         {std::pair{11, "more than 1048576 different offspring"},
          std::pair{10,
                    "the possible hets of this pairing's 1048576 different offspring genotypes would take "
                    "about 420 MB of memory, and the limit is 256 MB."}}) {
        std::string male;
        std::string female;
        TGeneSet set = CoDominantLoci(count, male, female);
        male += "++";
        const TCalcResult result = RunCalculation(male, female, {}, set.LocusList, set.CombiList);
        ASSERT_TRUE(result.Refused());
        EXPECT_NE(result.RefusalMessage().find(reason), std::string::npos) << result.RefusalMessage();
        EXPECT_TRUE(WeightEntries(set.LocusList).empty());
    }
}

TEST(TooLarge, ReportsPastTheirBoundInLinesOrInBytesAreRefused) {
    // 2^19 genotypes are listed, 2^20 are too many lines, 8^4 lines of long names too many bytes.
    std::string male = "+z";
    std::string female = "++";
    TGeneSet set = CoDominantLoci(9, male, female);
    set.LocusList[0]->Genes().Add(std::make_unique<TGene>('+', 'z', "het. Zed"));
    set.LocusList[0]->Genes().Add(std::make_unique<TGene>('z', 'z', "Zed"));
    const TCalcOptions genotypes{0, 0, 0, 1, "."};
    EXPECT_EQ(RunCalculation(male, female, genotypes, set.LocusList, set.CombiList).OffspringLineCount(),
              size_t(1) << 19);
    for (const auto& [count, tail, message] :
         {std::tuple{10, std::string(),
                     "1048576 offspring lines (about 51 MB of report); the limit is 1000000 lines / 128 MB."},
          std::tuple{8, std::string(400, '.'), "65536 offspring lines (about 203 MB of report)"}}) {
        std::string longMale;
        std::string longFemale;
        TGeneSet longSet = CoDominantLoci(count, longMale, longFemale, tail);
        const TCalcResult result =
            RunCalculation(longMale, longFemale, genotypes, longSet.LocusList, longSet.CombiList);
        EXPECT_NE(result.RefusalMessage().find(std::string("this pairing would list ") + message),
                  std::string::npos)
            << result.RefusalMessage();
        EXPECT_TRUE(WeightEntries(longSet.LocusList).empty());
    }
}

TEST(Cancelling, ACancelledRunIsRefusedAtEveryStepAndStoresNothing) {
    // Counted cell by cell (the male has one locus more), a run is cancelled as counting the cells,
    // working out the possible hets and naming the lines begin; listed locus by locus, as naming begins.
    for (const auto& [extraLocus, steps] :
         {std::pair{"++", std::vector<int>{0, 60, 80}}, std::pair{"", std::vector<int>{80}}}) {
        std::string male;
        std::string female;
        const TGeneSet set = CoDominantLoci(4, male, female);
        male += extraLocus;
        for (const int step : steps) {
            TGeneSet cancelled = set;
            std::atomic<bool> cancel = false;
            std::vector<int> seen;
            const TCalcControl control{&cancel, [&](int percent) {
                                           seen.push_back(percent);
                                           cancel = percent >= step;
                                       }};
            const TCalcResult result =
                RunCalculation(male, female, {}, cancelled.LocusList, cancelled.CombiList, {}, control);
            EXPECT_EQ(result.RefusalMessage(), "Calculation cancelled.");
            EXPECT_TRUE(WeightEntries(cancelled.LocusList).empty());
            EXPECT_EQ(seen.back(), step);
        }
        TGeneSet whole = set;
        std::vector<int> seen;
        const TCalcResult result = RunCalculation(male, female, {}, whole.LocusList, whole.CombiList, {},
                                                  {nullptr, [&](int percent) { seen.push_back(percent); }});
        EXPECT_FALSE(result.Refused());
        EXPECT_FALSE(WeightEntries(whole.LocusList).empty());
        EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
        EXPECT_GE(seen.back(), 80);
    }
}
