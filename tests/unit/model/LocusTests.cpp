#include "model/Locus.h"
#include "model/PossibleHet.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

TLocus* AddLocus(TLocusList& set, const std::string& name,
                 const std::vector<std::pair<std::string, std::string>>& genes,
                 const std::vector<std::string>& weights = {}) {
    TLocus* locus = set.Add(std::make_unique<TLocus>(name));
    for (const auto& [code, geneName] : genes)
        locus->Genes().Add(std::make_unique<TGene>(code[0], code[1], geneName));
    locus->Weights() = weights;
    return locus;
}

std::vector<std::string> Listing(const TLocus& locus) {
    std::vector<std::string> out;
    for (int i = 0; i < locus.Genes().Count(); ++i)
        out.push_back(locus.Genes()[i]->Code() + " " + locus.Genes()[i]->Name);
    return out;
}

// The add-gene sequence as the gene management tab runs it once the dialog returned OK.
void AddGene(TLocusList& set, TLocus& locus, char allele, const std::string& name) {
    TGene* gene = locus.AddNewGene();
    gene->Name = name;
    gene->SetAlleles(allele, allele);
    locus.CompleteNewGene(*gene, set);
}

} // namespace

TEST(LocusCompletion, NewAlleleGetsExactlyTheMissingPairsOnce) {
    TLocusList set;
    TLocus* locus =
        AddLocus(set, "Amel/Ultra", {{"++", "Normal"}, {"aa", "Amelanistic"}, {"+a", "het. Amelanistic"}});
    AddGene(set, *locus, 'u', "Ultra");
    EXPECT_EQ(Listing(*locus),
              (std::vector<std::string>{"++ Normal", "aa Amelanistic", "+a het. Amelanistic", "uu Ultra",
                                        "+u het. Ultra", "au AmelanisticUltra"}));
    locus->AddHeterozygotes("uu", set);
    EXPECT_EQ(locus->Genes().Count(), 6);

    TLocus empty("Empty");
    empty.AddHeterozygotes("zz", set);
    EXPECT_EQ(empty.Genes().Count(), 0);

    // In a set without a normal type, the first gene of a locus brings its carrier and the normal type.
    TLocusList bare;
    TLocus* fresh = AddLocus(bare, "New Locus", {});
    AddGene(bare, *fresh, 'b', "Anery");
    EXPECT_EQ(Listing(*fresh), (std::vector<std::string>{"bb Anery", "+b het. Anery", "++ Normal"}));
    TLocus* wild = AddLocus(bare, "Wild", {});
    TGene* first = wild->AddNewGene();
    EXPECT_EQ(first->Code() + first->Name, "++Normal");
    wild->CompleteNewGene(*first, bare);
    EXPECT_EQ(Listing(*wild), (std::vector<std::string>{"++ Normal"}));
    TGene* second = wild->AddNewGene();
    EXPECT_EQ(second->Code() + second->Name, "??New gene");
}

TEST(LocusCompletion, NamesComeFromTheWholeSetAndMayBeEmpty) {
    TLocusList set;
    TLocus* locus = AddLocus(set, "A", {{"++", "Normal"}, {"+a", "het. Amel"}, {"aa", "Amel"}});
    locus->Genes().Delete(2);
    AddGene(set, *locus, 'u', "Ultra");
    EXPECT_EQ(Listing(*locus), (std::vector<std::string>{"++ Normal", "+a het. Amel", "uu Ultra",
                                                         "+u het. Ultra", "au Ultra"}));

    // The homozygous gene of 'b' lives in another locus; an allele without one gives "het. " alone.
    AddLocus(set, "B", {{"bb", "Anery"}});
    TLocus* third = AddLocus(set, "C", {{"+b", "carrier"}, {"+q", "carrier q"}});
    AddGene(set, *third, 'c', "Cc");
    EXPECT_EQ(Listing(*third),
              (std::vector<std::string>{"+b carrier", "+q carrier q", "cc Cc", "bc AneryCc", "cq Cc"}));
    TLocus* fourth = AddLocus(set, "D", {{"++", "Normal"}});
    AddGene(set, *fourth, 'x', "");
    EXPECT_EQ(Listing(*fourth), (std::vector<std::string>{"++ Normal", "xx ", "+x het. "}));
}

TEST(LocusCompletion, PlaceholderAllelesAndByteOrderTakePart) {
    TLocusList set;
    TLocus* locus = AddLocus(set, "L", {{"??", ""}, {"aa", "Lower"}});
    AddGene(set, *locus, 'A', "Upper");
    // '?' (0x3F) < 'A' (0x41) < 'a' (0x61): pairs are built lower byte first.
    EXPECT_EQ(Listing(*locus),
              (std::vector<std::string>{"?? ", "aa Lower", "AA Upper", "?A Upper", "Aa UpperLower"}));
    EXPECT_TRUE(locus->HasGene("A?"));
    EXPECT_TRUE(locus->HasGene("aA"));
    EXPECT_FALSE(locus->HasGene("a?"));
}

TEST(GeneSetLookups, EarlierLocusWinsAndWildTypeHasNoName) {
    TLocusList set;
    AddLocus(set, "One", {{"++", "Normal"}, {"xy", "First"}});
    AddLocus(set, "Two", {{"++", "Wild"}, {"xy", "Second"}, {"xx", "Ex"}});
    EXPECT_EQ(set.FindGeneName("xy"), "First");
    EXPECT_EQ(set.FindGeneName("yx"), "");
    EXPECT_EQ(set.FindGeneName("++"), "");
    EXPECT_EQ(set.AlleleName('+'), "Normal");
    EXPECT_EQ(set.AlleleName('x'), "Ex");
    EXPECT_EQ(set.AlleleName('y'), "");
}

TEST(GeneSetLookups, AlleleInUseIsFoundInEitherCaseButNotInTheGeneAsked) {
    TLocusList set;
    AddLocus(set, "One", {{"++", "Normal"}, {"+a", "het. Amel"}, {"aa", "Amel"}});
    TLocus* two = AddLocus(set, "Two", {{"??", "New gene"}, {"3Q", "Digits"}});
    EXPECT_EQ(set.GeneCarryingAllele('a', nullptr)->Name, "Amel");
    EXPECT_EQ(set.GeneCarryingAllele('A', nullptr)->Name, "Amel");
    EXPECT_EQ(set.GeneCarryingAllele('q', nullptr)->Name, "Digits");
    EXPECT_EQ(set.GeneCarryingAllele('3', nullptr)->Name, "Digits");
    EXPECT_EQ(set.GeneCarryingAllele('?', two->Genes()[0]), nullptr);
    EXPECT_EQ(set.GeneCarryingAllele('z', nullptr), nullptr);

    for (const char ok : {'a', 'Z', '0', '+', ',', '~'})
        EXPECT_TRUE(IsValidAlleleID(ok)) << ok;
    // Below '+' a carrier's relation would be stored under a key its gene never reads back.
    for (const char bad : {' ', '\t', '\x7F', '#', '?', '=', ';', '[', ']', '\xE9', '!', '"', '$', '(', '*'})
        EXPECT_FALSE(IsValidAlleleID(bad)) << int(bad);
}

TEST(Relations, LookupStoresTheDefaultOnceUnderTheSortedPairAndReadsStoredOnesAsStored) {
    TLocusList set;
    TLocus* locus = AddLocus(set, "L", {{"++", "Normal"}, {"+a", "het. Amel"}, {"aa", "Amelanistic"}});
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

    // A stored relation is read back as stored, even when malformed.
    TLocus* stored = AddLocus(set, "S", {}, {"+a:+ > a", "ab:junk-relation", "cd:"});
    EXPECT_EQ(stored->GetWeight("ba"), "junk-");
    EXPECT_EQ(stored->GetWeight("cd"), "");
    EXPECT_EQ(stored->Weights().size(), 3u);

    // The partner of a carrier skips the wild type and self pairs.
    TLocus* partners = AddLocus(set, "P", {}, {"++:+ = +", "ii:i = i", "+i:+ > i", "ij:i > j"});
    EXPECT_EQ(partners->PartnerAllele("+j"), "i");
    EXPECT_EQ(partners->PartnerAllele("+i"), "j");
    EXPECT_EQ(partners->PartnerAllele("+k"), "");
    EXPECT_EQ(partners->PartnerAllele("+"), "");
}

TEST(Relations, LastLocusHoldingAPairDecidesAndNothingIsCreated) {
    TLocusList set;
    AddLocus(set, "L", {}, {"++:+ = +", "ij:i > j"});
    AddLocus(set, "L", {}, {"ji:nope", "ij:j > i"});
    EXPECT_EQ(set.FindWeight("ji"), "j > i");
    EXPECT_EQ(set.FindWeight("++"), "+ = +");
    EXPECT_EQ(set.FindWeight("+q"), "");
    EXPECT_EQ(set[0]->Weights().size(), 2u);
    EXPECT_EQ(set[1]->Weights().size(), 2u);
}

TEST(Relations, EditorStoresUnderSortedKeyAndDescribesWithAlleleNames) {
    TLocusList set;
    TLocus* locus =
        AddLocus(set, "L", {{"++", "Normal"}, {"aa", "Amelanistic"}, {"uu", "Ultra"}}, {"au:a = u"});
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

TEST(PossibleHets, ListTextRoundTripsAndDropsWhatIsNoPossibleHet) {
    const std::vector<TPossibleHet> hets = {{"+a", 66}, {"+e", 50}};
    EXPECT_EQ(ReadPossibleHets(PossibleHetsText(hets)).Hets, hets);
    const TPossibleHetsRead read =
        ReadPossibleHets(" +a:66 ,+e:0,+e:100,a+:5,++:5,+a:50,+b:x,+b:5x,+c,,+d:07");
    EXPECT_EQ(read.Hets, (std::vector<TPossibleHet>{{"+a", 66}, {"+d", 7}}));
    EXPECT_EQ(read.Dropped, 9);
    // A blank list is no list, not a dropped entry.
    EXPECT_EQ(ReadPossibleHets(" ").Dropped, 0);
}
