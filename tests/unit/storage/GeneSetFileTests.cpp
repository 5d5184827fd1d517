#include "storage/GeneSetFile.h"

#include "TempFolder.h"
#include "fuzz/GeneSetImage.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

TLocus* AddLocus(TGeneSet& set, const std::string& name,
                 const std::vector<std::pair<std::string, std::string>>& genes,
                 const std::vector<std::string>& weights) {
    TLocus* locus = set.LocusList.Add(std::make_unique<TLocus>(name));
    for (const auto& [code, geneName] : genes)
        locus->Genes().Add(std::make_unique<TGene>(code[0], code[1], geneName));
    locus->Weights() = weights;
    return locus;
}

// File text written with plain line ends, as the file holds it: every line ended by CR LF.
std::string Crlf(std::string_view text) {
    std::string out;
    for (const char c : text)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

} // namespace

TEST(GeneSetSaving, WritesEverySectionInOrderAndEachWeightKeyOnce) {
    TGeneSet set;
    set.Left = 83;
    set.Top = -20;
    set.Width = 914;
    set.Height = 700;
    set.Female = "aa++";
    set.Male = "+a+b";
    set.PairingFile = "/home/breeder/pair.zyg";
    // A gene the parent's string does not hold is no possible het of it and is not written.
    set.MalePossible = {{"+a", 66}, {"+b", 50}};
    set.FemalePossible = {{"+a", 33}};
    AddLocus(set, "Amel", {{"++", "Normal"}, {"+a", "het. Amel"}, {"aa", "Amelanistic"}},
             {"++:+ = +", "+a:+ > a", "aa:a = a"});
    AddLocus(set, "Anery", {{"bb", "Anerythristic"}, {"++", "Normal"}},
             {"bb:b = b", "++:+ > +", "+b:+ > b and more"});

    // The sections after the window's one are laid out as the shipped sets are, which prove that layout.
    const std::string content = GeneSetFileContent(set);
    EXPECT_EQ(content.substr(0, content.find("[Statistics]")),
              Crlf("[Config]\nLeft=83\nTop=-20\nWidth=914\nHeight=700\nFemale=aa++\nMale=+a+b\n"
                   "CurrentGeneSet=/home/breeder/pair.zyg\nMalePossible=+a:66,+b:50\n"));
    // A pair two loci relate is written once, the later locus's relation cut to five characters.
    EXPECT_TRUE(content.ends_with(Crlf("[Weight]\n++=+ > +\n+a=+ > a\naa=a = a\nbb=b = b\n+b=+ > b\n")))
        << content;
    TGeneSet loaded;
    EXPECT_EQ(LoadGeneSetText(content, loaded, "x"), "");
    EXPECT_EQ(loaded.MalePossible, set.MalePossible);
    EXPECT_TRUE(loaded.FemalePossible.empty());
}

TEST(GeneSetLoading, MissingKeysTakeTheirDefaults) {
    TGeneSet set;
    set.Male = "stale";
    AddLocus(set, "stale", {}, {});
    EXPECT_EQ(LoadGeneSetText("", set, "x"), "");
    EXPECT_EQ(set.LocusList.Count(), 0);
    EXPECT_EQ(set.Name, "serpentia");
    EXPECT_EQ(set.Male, "");

    const std::string file = Crlf(R"([statistics]
LocusCount=3
CombiCount=2
RatioIndex=2
PossibleHetsIndex=-1
IniFile=
Locus0GeneCount=2
Locus1GeneCount=3
[locus]
0=Amel
2=Third
[combi]
0=ddff
1=aaee:Bliz:zard
[GENE]
0-0=aa:Amel
0-1=+a
1-0=x
1-5=zz:ignored
[weight]
aa=a = a
+a=a > +
xy=x > y
x?=too long relation
[config]
Left=5
Male=aa
CurrentGeneSet=/p.zyg
)");
    EXPECT_EQ(LoadGeneSetText(file, set, "x"), "");
    // The window's keys, the four choices kept as read, the set's name, no possible hets, the clutch; then
    // loci, genes, relations and combinations.
    std::string image;
    for (const std::string& item : GeneSetImage(set))
        image += item + "|";
    EXPECT_EQ(image, "5|0|0|0||aa|/p.zyg|2|0|0|-1||||12|"
                     "locus Amel|gene aa:Amel|gene +a:|weight aa:a = a|weight +a:a > +|"
                     "locus NEW|gene x?:|gene ??:|gene ??:|weight x?:too l|"
                     "locus Third|combi :ddff|combi aaee:Bliz:zard|");
    EXPECT_EQ(set.CombiList[1]->Code, "aaee");
    // The window clamps stored choices to its items, one past the last included.
    EXPECT_EQ(ChoiceItem(set.RatioIndex, 2), 1);
    EXPECT_EQ(ChoiceItem(set.PossibleHetsIndex, 2), -1);
    EXPECT_EQ(ChoiceItem(set.PhenotypeIndex, 2), 0);

    // The relation of no gene is gone after the next save.
    EXPECT_EQ(GeneSetFileContent(set).find("xy="), std::string::npos);
}

TEST(GeneSetLoading, DamagedCountsAreBoundedAndNamedInTheMessage) {
    // Ten loci of 10000 genes are the most a file may hold; a count or a gene more is damage, and what
    // follows a damaged count is still read.
    std::string counts =
        "[Statistics]\nLocusCount=12\nCombiCount=10001\nLocus10GeneCount=-1\nLocus11GeneCount=1\n";
    for (int i = 0; i < 10; ++i)
        counts += "Locus" + std::to_string(i) + "GeneCount=10000\n";
    TGeneSet set;
    std::string message = LoadGeneSetText(counts + "[Gene]\n9-9999=aa:Amel\n", set, "/apps/Boas.INI");
    EXPECT_EQ(message,
              "The gene-set file \"/apps/Boas.INI\" is damaged and was read only in part: CombiCount=10001 "
              "is out of range; Locus10GeneCount=-1 is out of range; Locus11GeneCount goes beyond 100000 "
              "genes in all.");
    EXPECT_EQ(set.CombiList.Count(), 0);
    ASSERT_EQ(set.LocusList.Count(), 12);
    ASSERT_EQ(set.LocusList[9]->Genes().Count(), 10000);
    EXPECT_EQ(set.LocusList[9]->Genes()[9999]->Name, "Amel");
    EXPECT_EQ(set.LocusList[10]->Genes().Count() + set.LocusList[11]->Genes().Count(), 0);

    message = LoadGeneSetText(
        Crlf("[Config]\nMale=+a+b\nMalePossible=+a:66,+e:50,+b:0,junk\nFemalePossible=+b:5\n"), set, "f");
    EXPECT_EQ(message,
              "The gene-set file \"f\" is damaged and was read only in part: MalePossible: 3 possible "
              "hets of the male left out (each must be a gene of the male's selection string, with a "
              "chance from 1 to 99); FemalePossible: 1 possible het of the female left out (each must "
              "be a gene of the female's selection string, with a chance from 1 to 99).");
    EXPECT_EQ(set.MalePossible, (std::vector<TPossibleHet>{{"+a", 66}}));
    EXPECT_TRUE(set.FemalePossible.empty());
}

// Failing saves are proven for every save at every step in SaveFaultTests.
TEST(GeneSetFiles, SavedWholeAndUpdatedKeyByKey) {
    TTempFolder folder;
    const std::string path = folder.File("Boas.INI");
    folder.Write("Boas.INI", "[Old]\r\nstale=1\r\n");
    TGeneSet set;
    AddLocus(set, "Amel", {{"aa", "Amelanistic"}}, {});
    std::string message;
    ASSERT_TRUE(SaveGeneSet(path, set, message));
    EXPECT_EQ(folder.Read("Boas.INI"), GeneSetFileContent(set));

    folder.Write("GenericZygora.INI",
                 "[Statistics]\r\nLocusCount=0\r\nIniFile=serpentia\r\n[Extra]\r\nx=1\r\n");
    ASSERT_TRUE(WriteFileKey(folder.File("GenericZygora.INI"), "STATISTICS", "IniFile", "Boas", message));
    EXPECT_EQ(folder.Read("GenericZygora.INI"),
              "[Statistics]\r\nLocusCount=0\r\nIniFile=Boas\r\n[Extra]\r\nx=1\r\n");

    // Files read whole, and files that cannot be read, are proven in HostileGeneSetFiles.
    EXPECT_EQ(LoadGeneSet(folder.File("missing.INI"), set).Kind, TGeneSetLoad::TKind::Missing);
}

TEST(GeneSetFiles, HealthMarksAndClutchSizeReadBackExactlyAndHostileOnesAreNamed) {
    TGeneSet set;
    TLocus* spider =
        AddLocus(set, "Spider", {{"++", "Normal"}, {"+s", "Spider"}, {"ss", "Super Spider"}}, {});
    spider->Genes()[0]->Lethal = true;
    spider->Genes()[0]->HealthNote = "x";
    spider->Genes()[1]->HealthNote = "wobble: mild";
    spider->Genes()[2]->Lethal = true;
    set.ClutchSize = MaxClutchSize;
    const std::string content = GeneSetFileContent(set);
    EXPECT_NE(content.find("Locus0GeneCount=3\r\nClutchSize=99\r\n[LOCUS]"), std::string::npos) << content;
    EXPECT_TRUE(content.ends_with("[Health]\r\n0-0=Lethal:x\r\n0-1=Note:wobble: mild\r\n0-2=Lethal\r\n"));
    TGeneSet loaded;
    EXPECT_EQ(LoadGeneSetText(content, loaded, "x"), "");
    EXPECT_EQ(GeneSetFileContent(loaded), content);

    const std::string message = LoadGeneSetText(
        Crlf("[Statistics]\nLocusCount=1\nLocus0GeneCount=3\nClutchSize=100\n[Health]\n0-0=NOTE: fine\n"
             "0-1=Sick:x\n0-2=Note:\n3-0=Lethal\n01-1=Lethal\n0--1=Lethal\n0--100000=Note:x\n-1-0=Lethal\n"
             "0-+1=Lethal\n0-3=Lethal\n1-0=Lethal\n0-1 x=Lethal\n0-99999999999=Lethal\n"),
        loaded, "B.INI");
    EXPECT_EQ(message,
              "The gene-set file \"B.INI\" is damaged and was read only in part: ClutchSize=100 is out "
              "of range; the health mark 0-1=Sick:x is not understood; the health mark 0-2=Note: is "
              "not understood (and 10 more).");
    const TGeneList& genes = loaded.LocusList[0]->Genes();
    EXPECT_EQ(genes[0]->HealthNote, "fine");
    EXPECT_FALSE(genes[0]->Lethal || genes[1]->HasHealthMark() || genes[2]->HasHealthMark());
    EXPECT_EQ(loaded.ClutchSize, DefaultClutchSize);
}
