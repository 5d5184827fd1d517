// The gene sets shipped with the program: each loads whole and sound, and well-known pairings on them give
// the shares breeders expect.
#include "storage/GeneSetFile.h"
#include "storage/ShippedGeneSets.h"

#include "calc/Calculation.h"
#include "calc/ExactCount.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <tuple>

namespace {

TGeneSet LoadShipped(const std::string& name) {
    TGeneSet set;
    EXPECT_EQ(LoadGeneSetText(ShippedGeneSetText(name).value_or(""), set, name + ".INI"), "");
    return set;
}

bool IsRelationOf(const std::string& entry) {
    const std::string relation = entry.substr(3);
    return relation.size() == 5 && relation[1] == ' ' && relation[3] == ' ' &&
           std::string("<=>").find(relation[2]) != std::string::npos &&
           std::minmax(relation[0], relation[4]) == std::minmax(entry[0], entry[1]);
}

} // namespace

TEST(ShippedGeneSets, AreFoundByNameAndEachLoadsAsASoundSet) {
    const std::vector<std::string> names = ShippedGeneSetNames();
    ASSERT_EQ(names.size(), 5u);
    EXPECT_EQ(names[0], "Serpentia");
    EXPECT_EQ(ShippedGeneSetText("ball PYTHON"), ShippedGeneSetText("Ball Python"));
    EXPECT_FALSE(ShippedGeneSetText("Corn Snake"));
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const std::string text = ShippedGeneSetText(name).value_or("");
        EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c > 0; }));
        TGeneSet set = LoadShipped(name);
        EXPECT_EQ(set.Name, name);
        // Laid out as the program writes a set, apart from the window's section; its health marks all
        // read without damage.
        const std::string saved = GeneSetFileContent(set);
        EXPECT_EQ(saved.substr(saved.find("[Statistics]")), text);

        std::map<std::string, int> locusOfCode;
        std::set<int> allelesSeen; // letter case folded: the merge of offspring lines ignores it
        for (int i = 0; i < set.LocusList.Count(); ++i) {
            const TLocus& locus = *set.LocusList[i];
            std::set<char> alleles;
            for (int j = 0; j < locus.Genes().Count(); ++j) {
                const std::string code = locus.Genes()[j]->Code();
                EXPECT_TRUE(code[0] <= code[1] && (code == "++" || locusOfCode.emplace(code, i).second))
                    << code;
                alleles.insert(code.begin(), code.end());
            }
            for (const char a : alleles) {
                for (const char b : alleles)
                    EXPECT_TRUE(locus.HasGene(std::string{a, b})) << a << b;
                EXPECT_TRUE(a == '+' ||
                            (a > '+' && IsValidAlleleID(a) && allelesSeen.insert(std::tolower(a)).second))
                    << a;
            }
            EXPECT_EQ(locus.Weights().size(), static_cast<size_t>(locus.Genes().Count()));
            for (const std::string& entry : locus.Weights())
                EXPECT_TRUE(IsRelationOf(entry)) << entry;
        }
        for (int k = 0; k < set.CombiList.Count(); ++k) {
            const std::string& code = set.CombiList[k]->Code;
            int previousLocus = -1;
            for (size_t p = 0; p < code.size(); p += 2) {
                const auto gene = locusOfCode.find(code.substr(p, 2));
                ASSERT_TRUE(gene != locusOfCode.end() && gene->second > previousLocus) << code;
                previousLocus = gene->second;
            }
            EXPECT_TRUE(!code.empty() && code.size() % 2 == 0) << code;
        }
    }
}

TEST(ShippedGeneSets, WellKnownPairingsGiveTheSharesBreedersExpect) {
    // Set, male, female, the offspring line, and its share as count of total.
    const std::tuple<const char*, const char*, const char*, const char*, int, int> cases[] = {
        {"Ball Python", "+m", "+l", "Mojave Lesser (BEL)", 1, 4},
        {"Ball Python", "+p", "+p", "Super Pastel", 1, 4},
        {"Ball Python", "+a", "+a", "Albino", 1, 4},
        {"Ball Python", "+p+s", "++++", "Bumblebee", 1, 4},
        {"Ball Python", "+p+s+i", "++++++", "Spinner Blast", 1, 8},
        {"Ball Python", "+j", "+j", "Super Leopard", 1, 4},
        {"Ball Python", "nn", "aa", "Toffino", 1, 1},
        {"Leopard Gecko", "+t+e", "+t+e", "RAPTOR", 1, 16},
        {"Leopard Gecko", "+mttee", "++ttee", "Mack Snow RAPTOR", 1, 2},
        // The albino strains are not allelic: crossed, they give normal-looking double hets.
        {"Leopard Gecko", "tt++", "++bb", "het. Tremper Albino, het. Bell Albino", 1, 1},
        {"Western Hognose", "+c", "+c", "Superconda", 1, 4},
        // Hypo and Motley are allelic: one animal carries at most two of them.
        {"Boa", "+h", "+m", "Hypo Motley", 1, 4},
        {"Boa", "cc", "ss", "Paradigm", 1, 1},
        {"Boa", "+h+jaa", "++++aa", "Junglow", 1, 4},
        {"Boa", "+haann", "+haann", "Super Moonglow", 1, 4},
    };
    TCalcOptions options;
    options.CombiIndex = 1;
    options.PossibleHetsIndex = 1;
    for (const auto& [setName, male, female, name, count, total] : cases) {
        SCOPED_TRACE(std::string(setName) + ": " + male + " x " + female);
        TGeneSet set = LoadShipped(setName);
        const TCalcResult result = RunCalculation(male, female, options, set.LocusList, set.CombiList);
        int found = 0;
        for (size_t i = 0; i < result.OffspringLineCount(); ++i) {
            const TOffspringLine line = result.OffspringLine(i);
            if (line.Name.substr(0, line.Name.find_last_not_of(' ') + 1) != name)
                continue;
            ++found;
            EXPECT_TRUE(line.Count * total == count * line.Total)
                << DecimalText(line.Count) << "/" << DecimalText(line.Total);
        }
        EXPECT_EQ(found, 1) << name;
    }
}
