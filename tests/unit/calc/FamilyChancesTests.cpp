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
    TAnimalList family{Animal("Sire", m, "het Amel"),        Animal("Dam", f, "het Amel"),
                       Animal("Holdback", m, "", "Sire", "Dam"), Animal("Albino", f, "Amelanistic"),
                       Animal("Plain", f, "Normal"),          Animal("Daughter", f, "", "Holdback", "Plain")};
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
    const TAnimalList loop{Animal("S", m, "het Amel"), Animal("D", f, "het ultra"), Animal("P", m, "", "S", "D"),
                           Animal("U", f, "Ultra"),    Animal("A", f, "Amelanistic"),
                           Animal("B1", f, "Ultra", "P", "U"), Animal("B2", f, "Amelanistic", "P", "A")};
    EXPECT_EQ(WorkOutChances(loop, corn.LocusList, corn.CombiList).Problem,
              "The records of \"B2\", \"P\" and \"A\" cannot all be true for Amelanistic, Ultra.");
    EXPECT_EQ(WorkOutChances({Animal("S", m, "het fog")}, corn.LocusList, corn.CombiList).Problem,
              "\"S\": These words name no gene or combination of the gene set: \"fog\"");
    EXPECT_EQ(WorkOutChances({Animal("S", m, ""), Animal("s", f, "")}, corn.LocusList, corn.CombiList).Problem,
              "The name \"s\" is given to more than one animal.");
}
