// Chances from the recorded family: the breeders' worked examples, and every animal's chance compared
// with a sum over every genotype assignment of small random families.
#include "GeneSets.h"
#include "calc/FamilyChances.h"
#include "calc/ResultList.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace {

TAnimal Animal(const std::string& name, TSex sex, const std::string& morph, const std::string& sire = "",
               const std::string& dam = "") {
    return {name, sex, morph, sire, dam, "", ""};
}

// Every hidden gene of the animal named: "het. Amelanistic 2/3".
std::string Hidden(const TFamilyChances& chances, const TAnimalList& animals, const std::string& name) {
    std::string text;
    for (size_t i = 0; i < animals.size(); ++i)
        if (animals[i].Name == name)
            for (const THiddenGeneChance& hidden : chances.Animals[i].Hidden)
                text += (text.empty() ? "" : ", ") + hidden.Name + " " + hidden.Chance.get_str();
    return chances.Problem.empty() ? text : chances.Problem;
}

} // namespace

TEST(FamilyChances, WorkedExamplesOfTheBreeders) {
    TGeneSet corn = Serpentia();
    const TSex m = TSex::Male, f = TSex::Female;
    // A normal young of het x het, tried with a visual female: four normal young leave him 1/9, and his
    // daughter by a normal female half of that.
    TAnimalList family{Animal("Sire", m, "het Amel"),
                       Animal("Dam", f, "het Amel"),
                       Animal("Holdback", m, "", "Sire", "Dam"),
                       Animal("Albino", f, "Amelanistic"),
                       Animal("Plain", f, "Normal"),
                       Animal("Daughter", f, "", "Holdback", "Plain")};
    TFamilyChances chances = WorkOutChances(family, corn.LocusList, corn.CombiList);
    EXPECT_EQ(Hidden(chances, family, "Holdback"), "het. Amelanistic 2/3");
    for (const char* young : {"Y1", "Y2", "Y3", "Y4"})
        family.push_back(Animal(young, TSex::Unknown, "", "Holdback", "Albino"));
    chances = WorkOutChances(family, corn.LocusList, corn.CombiList);
    EXPECT_EQ(Hidden(chances, family, "Holdback"), "het. Amelanistic 1/9");
    EXPECT_EQ(Hidden(chances, family, "Daughter"), "het. Amelanistic 1/18");
    EXPECT_EQ(Hidden(chances, family, "Y1"), "het. Amelanistic 1");
    EXPECT_EQ(Hidden(chances, family, "Sire"), "het. Amelanistic 1");
    ASSERT_EQ(chances.Animals[2].Loci[0].size(), 2u);
    EXPECT_EQ(chances.Animals[2].Loci[0][0].Pair + chances.Animals[2].Loci[0][0].Chance.get_str(), "++8/9");
    // A parent not recorded gives what its young shows beyond the recorded parent: an albino young of a
    // possible het female alone proves her het.
    const TAnimalList oneParent{Animal("Mother", f, "50% poss het Amel"),
                                Animal("Albino", f, "Amelanistic", "", "Mother")};
    EXPECT_EQ(Hidden(WorkOutChances(oneParent, corn.LocusList, corn.CombiList), oneParent, "Mother"),
              "het. Amelanistic 1");
    // The same from a stated 66% possible het, and as a test pairing would foretell it.
    family[2] = Animal("Holdback", m, "66% poss het Amel");
    EXPECT_EQ(Hidden(WorkOutChances(family, corn.LocusList, corn.CombiList), family, "Holdback"),
              "het. Amelanistic 1/9");
    const TExactChance share = VisualShareOfTestPairing("+a", "aa", corn.LocusList);
    EXPECT_EQ(share, TExactChance(1, 2));
    const TTestPairing settled = SettleByTestPairing(TExactChance(2, 3), share, 4);
    EXPECT_EQ(settled.VisualIfCarrier.get_str() + " " + settled.CarrierIfNone.get_str(), "15/16 1/9");
    EXPECT_EQ(VisualShareOfTestPairing("+a", "++", corn.LocusList), 0);
    // One visual young from a partner that cannot give the gene alone proves him.
    family.push_back(Animal("Het", f, "het Amel"));
    family.push_back(Animal("Visual", f, "Amelanistic", "Holdback", "Het"));
    EXPECT_EQ(Hidden(WorkOutChances(family, corn.LocusList, corn.CombiList), family, "Holdback"),
              "het. Amelanistic 1");

    // Records that cannot all be true name the animals and the genes, locally or only around a loop.
    const TAnimalList twoVisuals{Animal("Sire", m, "Amelanistic"), Animal("Dam", f, "Amelanistic"),
                                 Animal("Kid", f, "", "Sire", "Dam")};
    EXPECT_EQ(WorkOutChances(twoVisuals, corn.LocusList, corn.CombiList).Problem,
              "The records of \"Kid\", \"Sire\" and \"Dam\" cannot all be true for Amelanistic.");
    const TAnimalList loop{Animal("S", m, "het Amel"),
                           Animal("D", f, "het ultra"),
                           Animal("P", m, "", "S", "D"),
                           Animal("U", f, "Ultra"),
                           Animal("A", f, "Amelanistic"),
                           Animal("B1", f, "Ultra", "P", "U"),
                           Animal("B2", f, "Amelanistic", "P", "A")};
    EXPECT_EQ(WorkOutChances(loop, corn.LocusList, corn.CombiList).Problem,
              "The records of \"B2\", \"P\" and \"A\" cannot all be true for Amelanistic, Ultra.");
    EXPECT_EQ(WorkOutChances({Animal("S", m, "het fog")}, corn.LocusList, corn.CombiList).Problem,
              "\"S\": These words name no gene or combination of the gene set: \"fog\"");
    EXPECT_EQ(
        WorkOutChances({Animal("S", m, ""), Animal("s", f, "")}, corn.LocusList, corn.CombiList).Problem,
        "The name \"s\" is given to more than one animal.");
}

// Random families of 4 to 9 animals, their genotypes drawn by Mendel's rule, recorded as breeders would
// (looks, some hets, founders' possible hets), loops among them; every animal's chance of every pair
// against the sum over every genotype assignment the looks allow.
TEST(FamilyChances, EqualSumsOverEveryGenotypeAssignment) {
    TGeneSet set =
        SmallGeneSet({{"++:Normal", "+r:het. Red", "rr:Red", "+d:Dot", "dd:Super Dot", "+c:Cin",
                       "cc:Super Cin", "dr:Red Dot", "cr:Red Cin", "cd:Dot Cin"},
                      {"++:Normal", "+p:het. Pied", "pp:Pied"},
                      {"++:Normal", "+x:het. Xan", "xx:Xan", "+y:het. Yel", "yy:Yel", "xy:Xanyel"}},
                     {"+d=d > +", "+c=+ = c", "dr=d > r"});
    TLocusList& loci = set.LocusList;
    TAlleleQuestions questions(loci);
    TResultList looks(questions);
    std::mt19937 random(26);
    auto pick = [&](size_t count) { return static_cast<size_t>(random() % count); };
    for (int round = 0; round < 150; ++round) {
        const size_t count = 4 + pick(6);
        TAnimalList animals;
        std::vector<std::vector<std::string>> stated(count), genotype(count);
        std::vector<std::vector<TExactChance>> possible(count);
        std::vector<size_t> sire(count, count), dam(count, count);
        for (size_t i = 0; i < count; ++i) {
            TAnimal animal{"A" + std::to_string(i), pick(2) ? TSex::Male : TSex::Female, "", "", "", "", ""};
            std::vector<size_t> males, females;
            for (size_t j = 0; j < i; ++j)
                (animals[j].Sex == TSex::Male ? males : females).push_back(j);
            if (!males.empty() && pick(4) != 0)
                sire[i] = males[pick(males.size())];
            if (!females.empty() && pick(4) != 0)
                dam[i] = females[pick(females.size())];
            animal.Sire = sire[i] < count ? animals[sire[i]].Name : "";
            animal.Dam = dam[i] < count ? animals[dam[i]].Name : "";
            const bool founder = sire[i] == count && dam[i] == count;
            for (int l = 0; l < loci.Count(); ++l) {
                const TGeneList& genes = loci[l]->Genes();
                auto allele = [&](size_t parent) {
                    return parent == count ? '+' : genotype[parent][l][pick(2)];
                };
                std::string pair = founder ? genes[static_cast<int>(pick(genes.Count()))]->Code()
                                           : SortPair(std::string{allele(sire[i]), allele(dam[i])});
                genotype[i].push_back(pair);
                std::string words = pair == "++" ? "" : loci.FindGeneName(pair);
                const bool hidden = questions.IsHet(pair);
                if (hidden && pair[0] == '+')
                    words = "het " + loci.AlleleName(pair[1]);
                if (!founder && hidden && pick(3) != 0)
                    pair = "++", words.clear();
                possible[i].push_back(0);
                const char mutant = genes[1 + static_cast<int>(pick(genes.Count() - 1))]->Code()[1];
                const std::string carrier{'+', mutant};
                if ((pair == "++" || (founder && pair == carrier)) && questions.IsHet(carrier) &&
                    pick(3) == 0) {
                    const int percent = std::array{25, 33, 50, 66, 75}[pick(5)];
                    const TChance chance = ChanceOf(percent);
                    words = std::to_string(percent) + "% poss het " + loci.AlleleName(mutant);
                    possible[i].back() = founder ? TExactChance(chance.Numerator, chance.Denominator) : 0;
                    possible[i].back().canonicalize();
                    pair = founder ? carrier : pair;
                }
                stated[i].push_back(pair);
                animal.Morph += words + " ";
            }
            animals.push_back(animal);
        }
        const TFamilyChances chances = WorkOutChances(animals, loci, set.CombiList);
        ASSERT_EQ(chances.Problem, "") << round;
        for (int l = 0; l < loci.Count(); ++l) {
            std::vector<std::string> pairs;
            for (int g = 0; g < loci[l]->Genes().Count(); ++g)
                pairs.push_back(loci[l]->Genes()[g]->Code());
            std::vector<std::vector<std::string>> allowed(count);
            for (size_t i = 0; i < count; ++i) {
                const std::string look = looks.PhenotypeOf(possible[i][l] != 0 ? "++" : stated[i][l]);
                for (const std::string& pair : pairs)
                    if (looks.PhenotypeOf(pair) == look &&
                        (possible[i][l] != 0 || !questions.IsHet(stated[i][l]) || pair == stated[i][l]))
                        allowed[i].push_back(pair);
            }
            std::vector<std::map<std::string, TExactChance>> sums(count);
            std::vector<size_t> at(count, 0);
            for (bool more = true; more;) {
                TExactChance weight = 1;
                // A parent not recorded beside a recorded one is what its young is said to be.
                auto passes = [&](size_t young, size_t parent, int k) {
                    return parent != count ? allowed[parent][at[parent]][k]
                                           : (possible[young][l] != 0 ? "++" : stated[young][l])[k];
                };
                for (size_t i = 0; i < count; ++i) {
                    const std::string& pair = allowed[i][at[i]];
                    if (sire[i] == count && dam[i] == count) {
                        const TExactChance p = possible[i][l];
                        if (p == 0 || pair != "++")
                            weight *= pair == stated[i][l] ? TExactChance(p == 0 ? 1 : p) : TExactChance(0);
                        else
                            weight *= 1 - p;
                        continue;
                    }
                    int ways = 0;
                    for (int a = 0; a < 2; ++a)
                        for (int b = 0; b < 2; ++b)
                            ways +=
                                SortPair(std::string{passes(i, sire[i], a), passes(i, dam[i], b)}) == pair;
                    weight *= TExactChance(ways) / 4;
                }
                for (size_t i = 0; i < count && weight != 0; ++i)
                    sums[i][allowed[i][at[i]]] += weight;
                more = false;
                for (size_t i = 0; i < count && !more; ++i)
                    more = ++at[i] < allowed[i].size() || (at[i] = 0, false);
            }
            for (size_t i = 0; i < count; ++i) {
                TExactChance total = 0;
                for (const auto& [pair, sum] : sums[i])
                    total += sum;
                std::map<std::string, TExactChance> expected, found;
                for (const auto& [pair, sum] : sums[i])
                    if (sum != 0)
                        expected[pair] = sum / total;
                for (const TPairChance& pair : chances.Animals[i].Loci[l])
                    found[pair.Pair] = pair.Chance;
                EXPECT_EQ(found, expected) << "round " << round << " animal " << i << " locus " << l;
            }
        }
    }
}
