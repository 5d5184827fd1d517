// Gene-set files a breeder may bring from anywhere: huge, with endless lines, with NUL bytes, other
// line ends and encodings, broken keys and sections. Each loads, with defaults where the file says
// nothing usable, and a damaged count is named in a message.
#include "storage/DefaultGeneSet.h"
#include "storage/GeneSetFile.h"
#include "storage/IniFile.h"

#include "TempFolder.h"
#include "fuzz/GeneSetImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::vector<std::string> ImageOfText(const std::string& text) {
    TGeneSet set;
    EXPECT_EQ(LoadGeneSetText(text, set, "Test.INI"), "");
    return GeneSetImage(set);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string Utf16(const std::string& text, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : text)
        out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return out;
}

} // namespace

TEST(HostileGeneSetFiles, HugeFilesAndEndlessLinesLoadWithinBounds) {
    TTempFolder folder;
    // 50 MB of keys no reader asks for, with the set's own keys before and after them.
    std::string huge = "[Statistics]\r\nLocusCount=1\r\nLocus0GeneCount=2\r\n[Gene]\r\n0-0=aa:Amel\r\n";
    const std::string junk = "=" + std::string(60, 'j') + "\r\n";
    for (int i = 0; huge.size() < (size_t(50) << 20); ++i)
        huge += "junk" + std::to_string(i) + junk;
    huge += "0-1=+a:het. Amel\r\n";
    folder.Write("Huge.INI", huge);
    TGeneSet set;
    EXPECT_EQ(LoadGeneSet(folder.File("Huge.INI"), set).Kind, TGeneSetLoad::TKind::Read);
    ASSERT_EQ(set.LocusList.Count(), 1);
    EXPECT_EQ(set.LocusList[0]->Genes()[1]->Name, "het. Amel");

    // Lines of a megabyte: names are cut to what a value holds, a megabyte key is just a key.
    const std::string megabyte(size_t(1) << 20, 'M');
    LoadGeneSetText("[Statistics]\r\nLocusCount=1\r\n" + megabyte + "=1\r\n[LOCUS]\r\n0=" + megabyte + "\r\n",
                    set, "Long.INI");
    ASSERT_EQ(set.LocusList.Count(), 1);
    EXPECT_EQ(set.LocusList[0]->Name, std::string(2047, 'M'));

    // Past 256 MB a file is no gene set; it is refused with a message instead of read into memory, and
    // the set in memory stays as it was.
    {
        std::ofstream sparse(folder.File("Giant.INI"), std::ios::binary);
        sparse.seekp((std::streamoff(300) << 20) - 1);
        sparse.put('\n');
    }
    const TGeneSetLoad giant = LoadGeneSet(folder.File("Giant.INI"), set);
    EXPECT_EQ(giant.Kind, TGeneSetLoad::TKind::Unreadable);
    EXPECT_EQ(giant.Message, "Cannot open file \"" + folder.File("Giant.INI") + "\". The file is too large");
    EXPECT_EQ(set.LocusList.Count(), 1);
}

TEST(HostileGeneSetFiles, OtherLineEndsEncodingsAndJunkLinesGiveTheSameSet) {
    const std::string text = DefaultGeneSetText();
    const std::vector<std::string> serpentia = ImageOfText(text);
    ASSERT_EQ(std::count_if(serpentia.begin(), serpentia.end(),
                            [](const std::string& item) { return item.starts_with("locus "); }),
              10);
    EXPECT_EQ(ImageOfText(Replaced(text, "\r\n", "\r")), serpentia);
    EXPECT_EQ(ImageOfText(Replaced(text, "\r\n", "\n")), serpentia);
    EXPECT_EQ(ImageOfText(Utf16(text, false)), serpentia);
    EXPECT_EQ(ImageOfText(Utf16(text, true)), serpentia);
    EXPECT_EQ(ImageOfText("\xEF\xBB\xBF" + text), serpentia);
    // Lines of NUL bytes, keys without '=' and comments are no keys.
    EXPECT_EQ(ImageOfText(Replaced(text, "]\r\n", "]\r\n\0\0\0\r\nLocusCount 99\r\n;0=Comment\r\n")),
              serpentia);
    // A second section of a name adds nothing: the first one is read.
    EXPECT_EQ(ImageOfText(text + "[LOCUS]\r\n0=Other\r\n[Statistics]\r\nLocusCount=11\r\n"), serpentia);
}

TEST(HostileGeneSetFiles, NulBytesAndBrokenNumbersInValues) {
    TGeneSet set;
    EXPECT_EQ(LoadGeneSetText(std::string("[Statistics]\r\nLocusCount=2\0\r\nCombiCount=99999999999\r\n"
                                          "Locus0GeneCount=1\r\n[LOCUS]\r\n0=Am\0el\r\n",
                                          90),
                              set, "Nul.INI"),
              "");
    // A count with a NUL byte in it is no number and reads as none; a name keeps its bytes.
    EXPECT_EQ(set.LocusList.Count(), 0);
    EXPECT_EQ(set.CombiList.Count(), 0);
    LoadGeneSetText(std::string("[Statistics]\r\nLocusCount=1\r\n[LOCUS]\r\n0=Am\0el\r\n", 46), set,
                    "Nul.INI");
    ASSERT_EQ(set.LocusList.Count(), 1);
    EXPECT_EQ(set.LocusList[0]->Name, std::string("Am\0el", 5));
    TGeneSet again;
    LoadGeneSetText(GeneSetFileContent(set), again, "Nul.INI");
    EXPECT_EQ(GeneSetImage(again), GeneSetImage(set));
}

TEST(HostileGeneSetFiles, WhatIsReadSavesAndReadsBackAsTheSameSet) {
    // A combination text without ':' as long as a value: its save puts a ':' before it, which must not
    // cost the name its last character at the next load.
    const std::string longName(TIniFile::MaxValueLength + 10, 'N');
    const std::string text =
        "[Statistics]\r\nCombiCount=2\r\n[COMBI]\r\n0=" + longName + "\r\n1=aaee:" + longName + "\r\n";
    TGeneSet first;
    LoadGeneSetText(text, first, "Long.INI");
    TGeneSet second;
    LoadGeneSetText(GeneSetFileContent(first), second, "Long.INI");
    EXPECT_EQ(GeneSetImage(second), GeneSetImage(first));
    EXPECT_EQ(second.CombiList[0]->Name.size(), TIniFile::MaxValueLength - 1);
}
