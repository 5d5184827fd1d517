#include "storage/FileIO.h"
#include "storage/GeneSetFolder.h"
#include "storage/PairingFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

TEST(GeneSetFolder, ListsEveryIniButTheMainSettingsFile) {
    TTempFolder folder;
    for (const char* name : {"Serpentia.INI", "Boas.ini", "GenericZygora.INI", "notes.txt", "Boas.Ini.INI",
                             "x.iNi", "ini", ".ini"})
        folder.Write(name, "");
    std::filesystem::create_directory(folder.File("Pythons.INI"));
    EXPECT_EQ(ListGeneSets(folder.Path()),
              (std::vector<std::string>{"Boas", "Boas.Ini", "Pythons", "Serpentia", "x"}));

    // A name that differs only in letter case is the same file, never a second set.
    std::filesystem::rename(folder.File("GenericZygora.INI"), folder.File("genericzygora.ini"));
    folder.Write("serpentia.ini", "");
    folder.Write("BOAS.INI", "");
    EXPECT_EQ(ListGeneSets(folder.Path()),
              (std::vector<std::string>{"BOAS", "Boas.Ini", "Pythons", "Serpentia", "x"}));
    EXPECT_TRUE(ListGeneSets(folder.File("no-such-folder")).empty());
}

TEST(GeneSetFolder, NamesResolveIgnoringCaseAndPreferTheExactName) {
    TTempFolder folder;
    folder.Write("Serpentia.INI", "");
    folder.Write("genericzygora.ini", "");
    EXPECT_EQ(GeneSetPath(folder.Path(), "serpentia"), folder.File("Serpentia.INI"));
    EXPECT_EQ(GeneSetPath(folder.Path() + "/", "SERPENTIA"), folder.File("Serpentia.INI"));
    EXPECT_EQ(GeneSetPath(folder.Path(), "Boas"), folder.File("Boas.INI"));
    EXPECT_EQ(MainSettingsPath(folder.Path()), folder.File("genericzygora.ini"));
    folder.Write("serpentia.INI", "");
    EXPECT_EQ(GeneSetPath(folder.Path(), "serpentia"), folder.File("serpentia.INI"));
    EXPECT_EQ(GeneSetPath(folder.Path(), ""), folder.File(".INI"));

    for (const char* bad :
         {"", ".", "..", "../Boas", "sub/Boas", "..\\Boas", "tab\there", "bell\x07", "del\x7F"})
        EXPECT_FALSE(IsValidGeneSetName(bad)) << bad;
    for (const char* good : {"Boas", "Green Tree Pythons", "Boas.Ini", "...", "caf\xC3\xA9", "a:b*c?"})
        EXPECT_TRUE(IsValidGeneSetName(good)) << good;
}

TEST(PairingFile, TwoLinesWithAnyLineEnd) {
    EXPECT_EQ(SplitLines("aa++\r\n+aee\r\n"), (std::vector<std::string>{"aa++", "+aee"}));
    EXPECT_EQ(SplitLines("aa++\n+aee"), (std::vector<std::string>{"aa++", "+aee"}));
    EXPECT_EQ(SplitLines("aa++\r+aee\r"), (std::vector<std::string>{"aa++", "+aee"}));
    EXPECT_EQ(SplitLines("\r\n\r\n"), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(SplitLines("a\n\rb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(SplitLines("").empty());

    std::string damage;
    EXPECT_FALSE(PairingFromLines({}, damage).has_value());
    EXPECT_FALSE(PairingFromLines({"aa", "bb", "cc"}, damage).has_value());
    EXPECT_FALSE(PairingFromLines({"aa", "bb", "", "", ""}, damage).has_value());
    const auto pairing = PairingFromLines({"aa", ""}, damage);
    ASSERT_TRUE(pairing.has_value());
    EXPECT_EQ(pairing->Male, "aa");
    EXPECT_EQ(pairing->Female, "");
    EXPECT_EQ(damage, "");

    // A gene the parent's string does not hold (+e, in the male only across two loci) is no possible het
    // of it, nor is a gene listed twice or a chance out of range.
    const auto possible = PairingFromLines({"+aa+e+", "+e", "+a:66,+e:50,+a:33,a+:5", "+e:100"}, damage);
    ASSERT_TRUE(possible.has_value());
    EXPECT_EQ(possible->MalePossible, (std::vector<TPossibleHet>{{"+a", 66}}));
    EXPECT_TRUE(possible->FemalePossible.empty());
    // The rest of the message is the gene-set file's, which its test reads whole.
    EXPECT_EQ(damage.substr(0, 91), "The pairing file is damaged and was read only in part: 3 possible hets "
                                    "of the male left out");
    EXPECT_NE(damage.find("; 1 possible het of the female left out"), std::string::npos) << damage;
    PairingFromLines({"+a", "", "+a:66", ""}, damage);
    EXPECT_EQ(damage, ""); // a whole file says nothing of the one read before
}

TEST(PairingFile, SavedAndReadBackWithTheSystemsReasonOnFailure) {
    TTempFolder folder;
    std::string message;
    ASSERT_TRUE(SavePairing(folder.File("p.zyg"), {"aa++", "+aee"}, message));
    EXPECT_EQ(folder.Read("p.zyg"), "aa++\r\n+aee\r\n");
    // Possible hets make four lines; the other parent's list may be empty.
    const TPairing possible{"+a++", "+aee", {}, {{"+a", 66}}};
    ASSERT_TRUE(SavePairing(folder.File("p.zyg"), possible, message));
    EXPECT_EQ(folder.Read("p.zyg"), "+a++\r\n+aee\r\n\r\n+a:66\r\n");

    ASSERT_TRUE(SavePairing(folder.File("p.zyg"), {"", ""}, message));
    EXPECT_EQ(folder.Read("p.zyg"), "\r\n\r\n");

    // A pairing file is read up to 16 MB, and refused one byte past it.
    std::vector<std::string> lines;
    const std::string sixteenMegabytes(size_t(16) << 20, '\n');
    folder.Write("big.zyg", sixteenMegabytes);
    EXPECT_TRUE(ReadPairingLines(folder.File("big.zyg"), lines, message));
    EXPECT_EQ(lines.size(), size_t(16) << 20);
    folder.Write("big.zyg", sixteenMegabytes + "\n");
    EXPECT_FALSE(ReadPairingLines(folder.File("big.zyg"), lines, message));
    EXPECT_EQ(message.rfind("Cannot open file \"" + folder.File("big.zyg") + "\". ", 0), 0u) << message;

    EXPECT_FALSE(ReadPairingLines(folder.File("none.zyg"), lines, message));
    EXPECT_EQ(message, "Cannot open file \"" + folder.File("none.zyg") + "\". No such file or directory");
}
