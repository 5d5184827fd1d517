#include "storage/IniFile.h"

#include <gtest/gtest.h>

#include <string>

TEST(IniReading, SectionsAndKeysIgnoreCaseAndTheFirstEqualsSplits) {
    const TIniFile ini("[weight]\r\n+a=+ > a\r\nKEY = a=b:c \r\n[Locus]\r\n0=Amel/Ultra\r\n");
    EXPECT_EQ(ini.ReadString("WEIGHT", "+A", ""), "+ > a");
    EXPECT_EQ(ini.ReadString("Weight", "key", ""), "a=b:c");
    EXPECT_EQ(ini.ReadString("LOCUS", "0", "NEW"), "Amel/Ultra");
    EXPECT_EQ(ini.ReadString("LOCUS", "1", "NEW"), "NEW");
    EXPECT_EQ(ini.ReadString("Gene", "0", "none"), "none");
    EXPECT_FALSE(ini.ReadValue("Locus", "1").has_value());
}

TEST(IniReading, MixedLineEndsAndDuplicatesAreReadAsTheFirstOccurrence) {
    const TIniFile mixed("[A]\nx=1\ry=2\r\n[a]\nx=3\nz=4\n[B]\r\nno equals sign\r\n;c=5\r\nx=6\r\nx=7");
    EXPECT_EQ(mixed.ReadInteger("a", "x", 0), 1);
    EXPECT_EQ(mixed.ReadInteger("A", "y", 0), 2);
    EXPECT_EQ(mixed.ReadInteger("A", "z", 0), 0);
    EXPECT_EQ(mixed.ReadInteger("B", "x", 0), 6);
    EXPECT_FALSE(mixed.ReadValue("B", ";c").has_value());
}

TEST(IniReading, ValuesAreCutAndIntegersMustBeWholeNumbers) {
    const std::string longValue(5000, 'x');
    const TIniFile ini("[S]\nlong=" + longValue +
                       "\na=12\nb=12abc\nc= -5 \nd=99999999999\ne=\nf=+7\ng=1.5\n");
    EXPECT_EQ(ini.ReadString("S", "long", "").size(), TIniFile::MaxValueLength);
    EXPECT_EQ(ini.ReadInteger("S", "a", 0), 12);
    EXPECT_EQ(ini.ReadInteger("S", "b", 3), 3);
    EXPECT_EQ(ini.ReadInteger("S", "c", 0), -5);
    EXPECT_EQ(ini.ReadInteger("S", "d", 3), 3);
    EXPECT_EQ(ini.ReadInteger("S", "e", 3), 3);
    EXPECT_EQ(ini.ReadInteger("S", "f", 3), 7);
    EXPECT_EQ(ini.ReadInteger("S", "g", 3), 3);
    EXPECT_EQ(ini.ReadInteger("S", "missing", -1), -1);
}

TEST(IniWriting, KeysStayWhereTheyStandAndNewOnesGoToTheEnd) {
    TIniFile ini("; kept comment\r\n[Config]\r\nLeft=1\r\n  Top = 2\r\n[Statistics]\r\nIniFile=a\r\n");
    ini.WriteString("config", "LEFT", "10");
    ini.WriteString("Config", "Width", "30");
    ini.WriteString("Weight", "++", "+ = +");
    ini.WriteString("Statistics", "IniFile", "Boas");
    ini.WriteString("weight", "++", "x = x");
    ini.WriteString("Weight", "bad\r\nkey", "two\nlines");
    EXPECT_EQ(ini.Content(),
              "; kept comment\r\n[Config]\r\nLeft=10\r\n  Top = 2\r\nWidth=30\r\n"
              "[Statistics]\r\nIniFile=Boas\r\n[Weight]\r\n++=x = x\r\nbad  key=two lines\r\n");
}

TEST(IniWriting, TextThatStartsLikeAByteOrderMarkReadsBackAsWritten) {
    // Files saved with a UTF-8 mark whose text then starts like another mark.
    for (const char* start : {"\xEF\xBB\xBF\xFE\xFF", "\xEF\xBB\xBF\xFF\xFE", "\xEF\xBB\xBF\xEF\xBB\xBF",
                              "\xEF\xBB\xBF\xFE\xFFk=v\r\n"}) {
        TIniFile ini(std::string(start) + "Config]\r\nFemale=+a\r\n[Statistics]\r\nIniFile=Old\r\n");
        ini.WriteString("Statistics", "IniFile", "Boas");
        const TIniFile again(ini.Content());
        EXPECT_EQ(again.ReadString("Statistics", "IniFile", ""), "Boas");
        EXPECT_EQ(again.Content(), ini.Content());
    }
}
