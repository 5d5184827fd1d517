#include "storage/AnimalCsv.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

const std::string Header = "name,sex,morph,sire,dam\r\n";

std::string Message(const std::string& text) {
    TAnimalList animals{{"left over", TSex::Male, "", "", "", "", ""}};
    std::string message;
    EXPECT_FALSE(ReadAnimalCsv(text, animals, message)) << text;
    EXPECT_TRUE(animals.empty());
    return message;
}

} // namespace

TEST(AnimalCsv, RoundTripAndEveryRefusalNamesItsRow) {
    const TAnimalList animals{
        {"Rex, the \"big\" one", TSex::Male, "Pastel het Clown", "", "", "", ""},
        {"Bélla", TSex::Female, "66% poss het Clown", "", "", "", ""},
        {"Kid\r\ntwo lines", TSex::Unknown, "", "Rex, the \"big\" one", "Bélla", "", ""}};
    const std::string text = AnimalCsvText(animals);
    EXPECT_EQ(text, Header + "\"Rex, the \"\"big\"\" one\",male,Pastel het Clown,,\r\n"
                             "Bélla,female,66% poss het Clown,,\r\n"
                             "\"Kid\r\ntwo lines\",unknown,,\"Rex, the \"\"big\"\" one\",Bélla\r\n");
    TTempFolder folder;
    TAnimalList read;
    std::string message;
    ASSERT_TRUE(SaveAnimalCsv(folder.File("animals.csv"), animals, message)) << message;
    ASSERT_TRUE(LoadAnimalCsv(folder.File("animals.csv"), read, message)) << message;
    EXPECT_EQ(read, animals);
    // LF line ends, a spreadsheet's byte-order mark, blank lines, any letter case of the sex.
    ASSERT_TRUE(ReadAnimalCsv("\xEF\xBB\xBFname,sex,morph,sire,dam\n\nRex,MALE,,,\n\nKid,Unknown,,Rex,\n",
                              read, message))
        << message;
    EXPECT_EQ(read, (TAnimalList{{"Rex", TSex::Male, "", "", "", "", ""},
                                 {"Kid", TSex::Unknown, "", "Rex", "", "", ""}}));
    EXPECT_FALSE(LoadAnimalCsv(folder.File("missing.csv"), read, message));
    EXPECT_TRUE(message.starts_with("Cannot open file \"" + folder.File("missing.csv") + "\"")) << message;

    const std::string rex = "Rex,male,,,\r\n";
    for (const auto& [csv, expected] : std::vector<std::pair<std::string, std::string>>{
             {"", "The header must read \"name,sex,morph,sire,dam\"."},
             {"name,sex,morph,sire\r\n" + rex, "The header must read \"name,sex,morph,sire,dam\"."},
             {"Name,Sex,Morph,Sire,Dam\r\n", "The header must read \"name,sex,morph,sire,dam\"."},
             {Header + rex + "Bella,female,Clown,\r\n",
              "Row 2: 4 fields, where every row has 5: name,sex,morph,sire,dam."},
             {Header + rex + "Bella,female,Clown,,,\r\n",
              "Row 2: More than 5 fields, where every row has 5: name,sex,morph,sire,dam."},
             {Header + rex + "Bella,femme,,,\r\n",
              "Row 2: The sex \"femme\" is none of male, female or unknown."},
             {Header + rex + "Bella,female,Cl\xF6wn,,\r\n", "Row 2: The text is not UTF-8."},
             {Header + rex + "Bella,female,\"Clown,,\r\nKid,male,,,\r\n",
              "Row 2: A quoted field is not closed."},
             {Header + "Bella,female,\"Clown\"x,,\r\n", "Row 1: Text follows the closing quote of a field."},
             {Header + rex + "Bella,female,,Nobody,\r\n",
              "Row 2: The sire \"Nobody\" of \"Bella\" is not among the animals."},
             {Header + rex + "Bella,female,,,Rex\r\n",
              "Row 2: The dam \"Rex\" of \"Bella\" is not a female."},
             {Header + rex + "Bella,female,,,\r\nrex,male,,,\r\n",
              "Row 3: The name \"rex\" is given to more than one animal."},
             {Header + "Bella,female,,Rex,\r\nRex,male,,,Bella\r\n",
              "Row 1: \"Bella\" is among its own ancestors."},
         })
        EXPECT_EQ(Message(csv), expected) << csv;

    // Young of animals kept already name them as parents; a kept name is not given again.
    const TAnimalList kept{{"Rex", TSex::Male, "", "", "", "", ""},
                           {"Dot", TSex::Female, "", "", "", "", ""}};
    ASSERT_TRUE(ReadAnimalCsv(Header + "Kid,male,,Rex,Dot\r\n", read, message, kept)) << message;
    EXPECT_EQ(read.size(), 1u);
    EXPECT_FALSE(ReadAnimalCsv(Header + "Kid,male,,Rex,Dot\r\nDOT,female,,,\r\n", read, message, kept));
    EXPECT_EQ(message, "Row 2: The name \"DOT\" is given to more than one animal.");

    // At the bound every animal is read; a million rows stop one past it.
    std::string many = Header;
    for (size_t i = 0; i < MaxCsvAnimals; ++i)
        many.append("a").append(std::to_string(i)).append(",unknown,,,\n");
    ASSERT_TRUE(ReadAnimalCsv(many, read, message)) << message;
    EXPECT_EQ(read.size(), MaxCsvAnimals);
    for (size_t i = MaxCsvAnimals; i < 1000000; ++i)
        many.append("a").append(std::to_string(i)).append(",unknown,,,\n");
    EXPECT_EQ(Message(many), "Row 100001: The file holds more than 100000 animals.");
}
