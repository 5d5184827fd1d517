// 8-bit text read as Unicode, and letter case, as every layer reads them.
#include "model/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

TEST(Text, Utf8WhereTheWholeTextIsWellFormedElseWindows1252) {
    const std::string utf8 =
        "Caf\xC3\xA9 \xE2\x82\xAC \xED\x9F\xBF\xEE\x80\x80\xE0\xA0\x80\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
    EXPECT_EQ(Utf8Of(utf8), utf8); // with U+D7FF, U+E000, U+0800, U+10000, U+10FFFF, next to what is refused
    EXPECT_EQ(Utf8Of("Caf\xE9 \x80 \x93x\x94 \x81"),
              "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D \xC2\x81");
    // Shaped like UTF-8 but refused: a surrogate, overlong forms, lead bytes C0, C1 and F5, a code point
    // above U+10FFFF, a sequence cut short. Each turns the whole text into Windows-1252.
    for (const std::string bytes : {"\xED\xA0\x80", "\xC0\xAF", "\xC1\xBF", "\xE0\x9F\xBF",
                                    "\xF0\x8F\xBF\xBF", "\xF5\x80\x80\x80", "\xF4\x90\x80\x80", "\xE2\x82"}) {
        EXPECT_FALSE(IsUtf8(bytes));
        EXPECT_EQ(Utf8Of("\xC3\xA9" + bytes).substr(0, 4), "\xC3\x83\xC2\xA9");
    }
    EXPECT_EQ(CharacterCount("\xD9\xAB"), 1u);
    EXPECT_EQ(CharacterCount("\xD9\xAB."), 2u);
    EXPECT_EQ(CharacterCount("\xE9"), 1u);
}

TEST(Text, LetterCaseOfNamesAndOfWindows1252Letters) {
    EXPECT_TRUE(SameTextIgnoringCase("Serpentia.INI", "sERPENTIA.ini"));
    EXPECT_FALSE(SameTextIgnoringCase("\xC4", "\xE4")); // names fold A to Z only
    EXPECT_FALSE(SameTextIgnoringCase("ab", "abc"));
    // Both ends of every range that folds, and the bytes just outside them.
    const std::vector<std::pair<unsigned char, unsigned char>> folded = {
        {'A', 'a'},   {'Z', 'z'},   {0xC0, 0xE0}, {0xD6, 0xF6}, {0xD8, 0xF8},
        {0xDE, 0xFE}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};
    for (const auto& [upper, lower] : folded)
        EXPECT_EQ(LowerCaseWindows1252(static_cast<char>(upper)), static_cast<char>(lower)) << int(upper);
    for (const char kept : std::string("@[a\xBF\xD7\xDF\x89\x8B\x8D\x9A\x9E\xE4"))
        EXPECT_EQ(LowerCaseWindows1252(kept), kept) << int(static_cast<unsigned char>(kept));
    EXPECT_TRUE(AlleleLess('z', '\x80')); // bytes above 127 sort last
}
