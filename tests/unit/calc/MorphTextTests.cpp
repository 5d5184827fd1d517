// Animals described in words as breeders write them, read into codes and possible hets.
#include "GeneSets.h"

#include "calc/MorphText.h"
#include "storage/ShippedGeneSets.h"

#include <gtest/gtest.h>

namespace {

// The selection with its possible hets ("+p+s ... | +d:66"), or the message of what was not understood.
std::string Read(const TGeneSet& set, const std::string& text) {
    const TMorphReading reading = ReadMorph(text, set.LocusList, set.CombiList);
    return reading.Understood() ? reading.Selection + "|" + PossibleHetsText(reading.PossibleHets)
                                : reading.Message();
}

} // namespace

TEST(MorphText, NamesQualifiersAndCombinationsInAnyCaseAndSpelling) {
    TGeneSet balls;
    LoadGeneSetText(*ShippedGeneSetText("Ball Python"), balls, "Ball Python.INI");
    const auto selection = [&balls](std::initializer_list<std::pair<std::string, std::string>> genes) {
        std::string pairs(2 * static_cast<size_t>(balls.LocusList.Count()), '+');
        for (const auto& [locusName, code] : genes)
            for (int l = 0; l < balls.LocusList.Count(); ++l)
                if (balls.LocusList[l]->Name == locusName)
                    pairs.replace(2 * static_cast<size_t>(l), 2, code);
        return pairs;
    };
    EXPECT_EQ(Read(balls, "Pastel Spider het Clown"),
              selection({{"Pastel", "+p"}, {"Spider", "+s"}, {"Clown", "+k"}}) + "|");
    EXPECT_EQ(Read(balls, "bumblebee 66% POSS. HET piebald"),
              selection({{"Pastel", "+p"}, {"Spider", "+s"}, {"Piebald", "+d"}}) + "|+d:66");
    EXPECT_EQ(Read(balls, "super pastel, ph Clown poss het Piebald"),
              selection({{"Pastel", "pp"}, {"Clown", "+k"}, {"Piebald", "+d"}}) + "|+d:50,+k:50");
    EXPECT_EQ(Read(balls, "Normal 100% het Clown 33% het piebald"),
              selection({{"Clown", "+k"}, {"Piebald", "+d"}}) + "|+d:33");

    // A set naming the carrier "het. Amel" and the visual "Amelanistic".
    const TGeneSet corn = Serpentia();
    EXPECT_EQ(Read(corn, "het Amel poss het anery"), "+a+b" + std::string(16, '+') + "|+b:50");
    EXPECT_EQ(Read(corn, "Blizzard"), Read(corn, "amelanistic CHARCOAL"));
    EXPECT_EQ(Read(corn, "Pastel het fog"),
              "These words name no gene or combination of the gene set: \"Pastel\", \"fog\"");
    EXPECT_EQ(Read(corn, "Amelanistic het Amel"),
              "\"Amelanistic\" and \"het Amel\" cannot all be at the locus Amel/Ultra of one animal");
    EXPECT_EQ(Read(corn, "poss het Amel het Amel"),
              "\"Amel\" and \"het Amel\" cannot all be at the locus Amel/Ultra of one animal");
    EXPECT_EQ(Read(corn, "het"), "These words name no gene or combination of the gene set: \"het\"");
}
