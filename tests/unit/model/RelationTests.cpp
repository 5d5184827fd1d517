#include "model/Locus.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

TLocus* AddLocus(TLocusList& set, const std::vector<std::pair<std::string, std::string>>& genes,
                 const std::vector<std::string>& weights = {}) {
    TLocus* locus = set.Add(std::make_unique<TLocus>("L"));
    for (const auto& [code, name] : genes)
        locus->Genes().Add(std::make_unique<TGene>(code[0], code[1], name));
    locus->Weights() = weights;
    return locus;
}

} // namespace

TEST(Relations, LookupStoresTheDefaultOnceUnderTheSortedPair) {
    TLocusList set;
    TLocus* locus = AddLocus(set, {{"++", "Normal"}, {"+a", "het. Amel"}, {"aa", "Amelanistic"}});
    EXPECT_EQ(locus->GetWeight("+a"), "+ > a");
    EXPECT_EQ(locus->GetWeight("a+"), "+ > a");
    EXPECT_EQ(locus->GetWeight("aa"), "a = a");
    EXPECT_EQ(locus->GetWeight("++"), "+ = +");
    EXPECT_EQ(locus->GetWeight("ua"), "a = u");
    // '*' sorts below '+', and the wild type is still the dominant one.
    EXPECT_EQ(locus->GetWeight("+*"), "* < +");
    EXPECT_EQ(locus->Weights(),
              (std::vector<std::string>{"+a:+ > a", "aa:a = a", "++:+ = +", "au:a = u", "*+:* < +"}));
    EXPECT_EQ(locus->IndexOfWeight("au"), 3);
    EXPECT_EQ(locus->IndexOfWeight("ua"), -1);
}

TEST(Relations, StoredRelationIsReadBackAsStoredEvenWhenMalformed) {
    TLocusList set;
    TLocus* locus = AddLocus(set, {}, {"+a:+ > a", "ab:junk-relation", "cd:"});
    EXPECT_EQ(locus->GetWeight("a+"), "+ > a");
    EXPECT_EQ(locus->GetWeight("ba"), "junk-");
    EXPECT_EQ(locus->GetWeight("cd"), "");
    EXPECT_EQ(locus->Weights().size(), 3u);
}

TEST(Relations, LastLocusHoldingAPairDecidesAndNothingIsCreated) {
    TLocusList set;
    AddLocus(set, {}, {"++:+ = +", "ij:i > j"});
    AddLocus(set, {}, {"ji:nope", "ij:j > i"});
    EXPECT_EQ(set.FindWeight("ji"), "j > i");
    EXPECT_EQ(set.FindWeight("++"), "+ = +");
    EXPECT_EQ(set.FindWeight("+q"), "");
    EXPECT_EQ(set[0]->Weights().size(), 2u);
    EXPECT_EQ(set[1]->Weights().size(), 2u);
}

TEST(Relations, EditorStoresUnderSortedKeyAndDescribesWithAlleleNames) {
    TLocusList set;
    TLocus* locus = AddLocus(set, {{"++", "Normal"}, {"aa", "Amelanistic"}, {"uu", "Ultra"}}, {"au:a = u"});
    EXPECT_TRUE(locus->StoreRelation("u > a"));
    EXPECT_EQ(locus->Weights(), (std::vector<std::string>{"au:u > a"}));
    EXPECT_EQ(locus->GetWeight("au"), "u > a");
    EXPECT_EQ(set.DescribeWeight("u > a"), "Ultra is dominant to Amelanistic");

    EXPECT_TRUE(locus->StoreRelation("a > +"));
    EXPECT_EQ(locus->Weights().back(), "+a:a > +");
    EXPECT_FALSE(locus->StoreRelation("a >"));
    EXPECT_EQ(locus->Weights().size(), 2u);

    EXPECT_EQ(set.DescribeWeight("+ > a"), "Normal is dominant to Amelanistic");
    EXPECT_EQ(set.DescribeWeight("a < u"), "Amelanistic is recessive to Ultra");
    EXPECT_EQ(set.DescribeWeight("a = u"), "Amelanistic is co-dominant to Ultra");
    EXPECT_EQ(set.DescribeWeight("+ > z"), "Normal is dominant to ");
    EXPECT_EQ(set.DescribeWeight("a ~ u"), "");
    EXPECT_EQ(set.DescribeWeight("a > u "), "");
}

TEST(Relations, PartnerAlleleSkipsWildTypeAndSelfPairs) {
    TLocusList set;
    TLocus* locus = AddLocus(set, {}, {"++:+ = +", "ii:i = i", "+i:+ > i", "ij:i > j"});
    EXPECT_EQ(locus->PartnerAllele("+j"), "i");
    EXPECT_EQ(locus->PartnerAllele("+i"), "j");
    EXPECT_EQ(locus->PartnerAllele("+k"), "");
    EXPECT_EQ(locus->PartnerAllele("+"), "");
}
