// Text as every layer reads it: 8-bit strings as Unicode, the byte order of alleles, letter case.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// True when the whole text is well-formed UTF-8: no overlong forms, no surrogates, no lead bytes C0, C1 or
// F5 to FF, nothing above U+10FFFF.
bool IsUtf8(std::string_view text);

// The text as UTF-8: unchanged where the whole text is UTF-8, else every byte read as Windows-1252, the
// code page of files written on Windows.
std::string Utf8Of(std::string_view text);

// How a gene set's file writes its texts: UTF-8 where the whole file is UTF-8, else Windows-1252. A set
// keeps one encoding, so that every text of it reads by the same rule as the others beside it.
enum class TTextEncoding { Utf8, Windows1252 };
TTextEncoding EncodingOf(std::string_view fileText);

// UTF-8 text as `encoding` writes it; nothing when the text is not UTF-8 or Windows-1252 has no byte for
// one of its characters.
std::optional<std::string> EncodedText(std::string_view utf8, TTextEncoding encoding);

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

// A number a file gives as an index or a count: decimal digits only (no sign, no blank), from `low` to
// `high`; nothing for any other text, so that a damaged file can never point outside what it holds.
std::optional<int> ReadBoundedNumber(std::string_view text, int low, int high);
