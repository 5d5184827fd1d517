#include "model/AnimalFamily.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TAnimal Animal(const std::string& name, TSex sex, const std::string& sire = "", const std::string& dam = "") {
    TAnimal animal;
    animal.Name = name;
    animal.Sex = sex;
    animal.Sire = sire;
    animal.Dam = dam;
    return animal;
}

std::string ProblemOf(const TAnimalList& animals) {
    const auto problem = FindFamilyProblem(animals);
    return problem ? std::to_string(problem->Animal) + " " + problem->Message : "none";
}

} // namespace

TEST(FamilyRules, EveryRuleIsKeptAndTheFirstBrokenOneNamesItsAnimal) {
    const TSex m = TSex::Male, f = TSex::Female, u = TSex::Unknown;
    // A looped family that keeps every rule: a sire mated to his daughter.
    EXPECT_EQ(ProblemOf({Animal("Sire", m), Animal("Dam", f), Animal("Daughter", f, "sire", "DAM"),
                         Animal("Son", u, "Sire", "Daughter")}),
              "none");
    EXPECT_EQ(ProblemOf({Animal("Bob", m), Animal("", f)}), "1 Animal 2 has no name.");
    EXPECT_EQ(ProblemOf({Animal("Bob", m), Animal("Amy", f), Animal("BOB", f)}),
              "2 The name \"BOB\" is given to more than one animal.");
    EXPECT_EQ(ProblemOf({Animal("Bob", m), Animal("Kit", u, "Rex", "")}),
              "1 The sire \"Rex\" of \"Kit\" is not among the animals.");
    EXPECT_EQ(ProblemOf({Animal("Bob", u), Animal("Kit", u, "Bob", "")}),
              "1 The sire \"Bob\" of \"Kit\" is not a male.");
    EXPECT_EQ(ProblemOf({Animal("Amy", m), Animal("Kit", u, "", "Amy")}),
              "1 The dam \"Amy\" of \"Kit\" is not a female.");
    EXPECT_EQ(ProblemOf({Animal("Amy", f), Animal("Kit", u, "", "Ann")}),
              "1 The dam \"Ann\" of \"Kit\" is not among the animals.");
    EXPECT_EQ(ProblemOf({Animal("Bob", m, "Bob", "")}), "0 \"Bob\" is among its own ancestors.");
    // Only the animals on the loop are their own ancestors; the first of them in the list is named.
    EXPECT_EQ(ProblemOf({Animal("Kit", u, "B", "A"), Animal("Amy", f), Animal("A", f, "C", "Amy"),
                         Animal("B", m), Animal("C", m, "D", ""), Animal("D", m, "C", "A")}),
              "2 \"A\" is among its own ancestors.");

    // A million animals in one line of descent, closed into a loop by its first: no recursion.
    TAnimalList line;
    for (int i = 0; i < 1'000'000; ++i)
        line.push_back(Animal(std::string("A").append(std::to_string(i)), m,
                              std::string("A").append(std::to_string(i + 1))));
    line.back().Sire.clear();
    EXPECT_EQ(ProblemOf(line), "none");
    line.back().Sire = "A0";
    EXPECT_EQ(ProblemOf(line), "0 \"A0\" is among its own ancestors.");
}
