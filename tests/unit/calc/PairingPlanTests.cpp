// The planner against shares counted by hand on a small family.
#include "GeneSets.h"

#include "calc/PairingPlan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Clown recessive, Pastel and Spider co-dominant, Super Spider dies in the egg; Bumblebee is Pastel Spider.
TGeneSet Pythons() {
    return SmallGeneSet({{"++:Normal", "+c:het. Clown", "cc:Clown"},
                         {"++:Normal", "+p:Pastel", "pp:Super Pastel"},
                         {"++:Normal", "+s:Spider", "ss:Super Spider"}},
                        {"+p=+ = p", "+s=+ = s"}, {"+p+s:Bumblebee"}, {"2-2=Lethal"});
}

// An animal's chances at the three loci; a locus left out is surely "++".
TAnimalChances Chances(std::vector<TPairChance> clown, std::vector<TPairChance> pastel = {{"++", 1}},
                       std::vector<TPairChance> spider = {{"++", 1}}) {
    return {"", {clown, pastel, spider}, {}};
}

// The share of eggs of one male and one female meeting the goal, as text; or the goal's message.
std::string ShareOf(const std::string& goalText, const TAnimalChances& male, const TAnimalChances& female) {
    TGeneSet set = Pythons();
    TPlanGoal goal;
    std::string message;
    if (!ReadPlanGoal(goalText, set.LocusList, set.CombiList, goal, message))
        return message;
    const TAnimalList pair{{"M", TSex::Male, "", "", "", "", ""}, {"F", TSex::Female, "", "", "", "", ""}};
    const std::vector<TPlannedPairing> plan = PlanPairings(pair, {male, female}, goal, 12, set.LocusList);
    return plan.size() == 1 ? plan[0].Share.get_str() : "pairings: " + std::to_string(plan.size());
}

} // namespace

TEST(PairingPlan, SharesOfLooksUnionsAndLethalGenesCountedByHand) {
    const TAnimalChances het = Chances({{"+c", 1}});
    const TAnimalChances clown = Chances({{"cc", 1}});
    EXPECT_EQ(ShareOf("Clown", het, clown), "1/2");
    EXPECT_EQ(ShareOf("clown", het, het), "1/4");
    // A two-thirds possible het passes the gene to a third of its young.
    EXPECT_EQ(ShareOf("Clown", Chances({{"++", mpq_class(1, 3)}, {"+c", mpq_class(2, 3)}}), clown), "1/3");
    EXPECT_EQ(ShareOf("het Clown", het, Chances({{"++", 1}})), "1/2");
    // Pastel Clown meets Clown too; a Super Pastel is no Pastel.
    const TAnimalChances pastelHet = Chances({{"+c", 1}}, {{"+p", 1}});
    EXPECT_EQ(ShareOf("Clown", pastelHet, het), "1/4");
    EXPECT_EQ(ShareOf("Pastel", pastelHet, pastelHet), "1/2");
    EXPECT_EQ(ShareOf("Pastel Clown", pastelHet, het), "1/8");
    // Either look: 1 - (1/2 not Pastel) x (3/4 not Clown).
    EXPECT_EQ(ShareOf("any of Pastel, Clown", pastelHet, het), "5/8");
    EXPECT_EQ(ShareOf("ANY OF Pastel Clown, Clown", pastelHet, het), "1/4");
    EXPECT_EQ(ShareOf("Bumblebee", pastelHet, Chances({{"++", 1}}, {{"++", 1}}, {{"+s", 1}})), "1/4");
    // A quarter of Spider x Spider dies in the egg: of the eggs laid, half are Spiders, and a Clown x Clown
    // of two Spiders has three in four.
    const TAnimalChances spider = Chances({{"cc", 1}}, {{"++", 1}}, {{"+s", 1}});
    EXPECT_EQ(ShareOf("Spider", spider, spider), "1/2");
    EXPECT_EQ(ShareOf("Clown", spider, spider), "3/4");
    EXPECT_EQ(ShareOf("any of Spider, Clown", spider, spider), "3/4");

    EXPECT_EQ(ShareOf("Clowm", het, het),
              "The goal \"Clowm\": These words name no gene or combination of the gene set: \"Clowm\"");
    EXPECT_EQ(ShareOf("any of Pastel, 66% poss het Clown", het, het),
              "The goal \" 66% poss het Clown\" names a possible het; a goal names what the young show or "
              "surely carry.");
    EXPECT_EQ(ShareOf("Normal", het, het), "The goal \"Normal\" names no gene.");
    EXPECT_EQ(ShareOf("any of ,", het, het), "The goal names no look.");
}

TEST(PairingPlan, RanksEveryMaleWithEveryFemaleAndNamesCloseRelatives) {
    TGeneSet set = Pythons();
    const TAnimalList animals{
        {"Rex", TSex::Male, "", "", "", "", ""},         {"Bella", TSex::Female, "", "", "", "", ""},
        {"Max", TSex::Male, "", "Rex", "Bella", "", ""}, {"Ann", TSex::Female, "", "Rex", "Bella", "", ""},
        {"Cleo", TSex::Female, "", "Rex", "", "", ""},   {"Nemo", TSex::Unknown, "", "", "", "", ""}};
    const std::vector<TAnimalChances> chances{Chances({{"+c", 1}}), Chances({{"cc", 1}}),
                                              Chances({{"cc", 1}}), Chances({{"+c", 1}}),
                                              Chances({{"++", 1}}), Chances({{"cc", 1}})};
    TPlanGoal goal;
    std::string message;
    ASSERT_TRUE(ReadPlanGoal("Clown", set.LocusList, set.CombiList, goal, message));
    std::vector<std::string> ranked;
    for (const TPlannedPairing& p : PlanPairings(animals, chances, goal, 12, set.LocusList))
        ranked.push_back(animals[p.Male].Name + " x " + animals[p.Female].Name + " " + p.Share.get_str() +
                         " " + ExpectedText(p.Odds) + " " + ChanceText(p.Odds) + " " + p.Kinship);
    EXPECT_EQ(ranked,
              (std::vector<std::string>{
                  "Max x Bella 1 12.0 100% parent and offspring", "Rex x Bella 1/2 6.0 >99.9% ",
                  "Max x Ann 1/2 6.0 >99.9% full siblings", "Rex x Ann 1/4 3.0 96.8% parent and offspring",
                  "Rex x Cleo 0 0.0 0.0% parent and offspring", "Max x Cleo 0 0.0 0.0% half siblings"}));

    // Shares whose terms outgrow 128 bits give the odds all the same.
    const mpq_class tiny(mpz_class(1), mpz_class(3) * mpz_class("1" + std::string(60, '0')));
    EXPECT_EQ(ChanceText(ClutchOddsOfChance(mpq_class(1, 2) + tiny, 1)), "50.0%");
    EXPECT_EQ(ChanceText(ClutchOddsOfChance(1 - tiny, 1)), ">99.9%");
    EXPECT_EQ(ExpectedText(ClutchOddsOfChance(mpq_class(1, 4) - tiny, 12)), "3.0");
}
