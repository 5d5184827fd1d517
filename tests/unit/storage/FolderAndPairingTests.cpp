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
    std::vector<std::string> names = ListGeneSets(folder.Path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Boas", "Boas.Ini", "Pythons", "Serpentia", "x"}));

    std::filesystem::rename(folder.File("GenericZygora.INI"), folder.File("genericzygora.ini"));
    names = ListGeneSets(folder.Path());
    EXPECT_NE(std::find(names.begin(), names.end(), "genericzygora"), names.end());
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

    EXPECT_FALSE(PairingFromLines({}).has_value());
    EXPECT_FALSE(PairingFromLines({"aa", "bb", "cc"}).has_value());
    const auto pairing = PairingFromLines({"aa", ""});
    ASSERT_TRUE(pairing.has_value());
    EXPECT_EQ(pairing->Male, "aa");
    EXPECT_EQ(pairing->Female, "");
}

TEST(PairingFile, SavedAndReadBackWithTheSystemsReasonOnFailure) {
    TTempFolder folder;
    std::string message;
    ASSERT_TRUE(SavePairing(folder.File("p.zyg"), {"aa++", "+aee"}, message));
    EXPECT_EQ(folder.Read("p.zyg"), "aa++\r\n+aee\r\n");
    ASSERT_TRUE(SavePairing(folder.File("p.zyg"), {"", ""}, message));
    EXPECT_EQ(folder.Read("p.zyg"), "\r\n\r\n");
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadPairingLines(folder.File("p.zyg"), lines, message));
    EXPECT_EQ(lines, (std::vector<std::string>{"", ""}));

    EXPECT_FALSE(ReadPairingLines(folder.File("none.zyg"), lines, message));
    EXPECT_EQ(message, "Cannot open file \"" + folder.File("none.zyg") + "\". No such file or directory");
    EXPECT_FALSE(SavePairing(folder.File("no/dir.zyg"), {"aa", "bb"}, message));
    EXPECT_EQ(message, "Cannot create file \"" + folder.File("no/dir.zyg") + "\". No such file or directory");
}
