// Text as every layer reads it: 8-bit strings as Unicode, the byte order of alleles, letter case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// True when the whole text is well-formed UTF-8: no overlong forms, no surrogates, no lead bytes C0, C1 or
// F5 to FF, nothing above U+10FFFF.
bool IsUtf8(std::string_view text);

// The text as UTF-8: unchanged where the whole text is UTF-8, else every byte read as Windows-1252, the
// code page of files written on Windows.
std::string Utf8Of(std::string_view text);

// The characters of the text as Utf8Of reads it.
size_t CharacterCount(std::string_view text);

// Byte order of allele characters: '#' < '+' < digits < upper case < lower case, bytes above 127 last.
inline bool AlleleLess(char a, char b) {
    return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
}

// A to Z as a to z, every other byte as it is: names, keys and codes compared without regard to case.
char LowerCaseAscii(char c);
std::string LowerCase(std::string_view text);
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

// The lower-case letter of a Windows-1252 upper-case letter, as a Western Windows locale compares text:
// A to Z, À to Þ (but not ×), Š, Œ, Ž and Ÿ; every other byte as it is.
char LowerCaseWindows1252(char c);
