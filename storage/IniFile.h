// Our INI profile reader and writer: sections and keys matched ignoring letter case, CR LF lines.
#pragma once

#include "model/Text.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class TIniFile {
public:
    // Longest value a read returns; longer values are cut.
    static constexpr size_t MaxValueLength = 2047;

    TIniFile() = default;
    // Reads INI text with CR LF, LF or CR line ends; a UTF-16 text with byte-order mark is read as 8-bit
    // characters, a UTF-8 byte-order mark is skipped.
    explicit TIniFile(std::string_view content);

    // The value of the key in the first section of that name, cut to MaxValueLength; nothing when missing.
    std::optional<std::string> ReadValue(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // A missing value, or one that is not a whole number in range, gives `fallback`.
    int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
    // Every key of the first section of that name with its value as ReadValue gives it, in file order; a
    // key met again is left out, since reading it finds the first.
    std::vector<std::pair<std::string, std::string>> ReadSection(std::string_view section) const;

    // Replaces the value where the key stands, or adds the key at the end of its section, or the
    // section at the end of the file.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);

    // The whole file, every line ended by CR LF.
    std::string Content() const;
    // The encoding of the text read, once a UTF-16 text is read as 8-bit characters.
    TTextEncoding Encoding() const { return FEncoding; }

private:
    struct TLine {
        std::string Text; // the line as it stands in the file, when it is not plain key=value
        bool IsEntry = false;
        std::string Key;
        std::string Value;
    };
    struct TSection {
        std::string Name;
        bool HasHeader = true;
        std::vector<TLine> Lines;
        std::unordered_map<std::string, size_t> KeyIndex; // lower-case key -> first line with it
    };

    void AddLine(std::string_view line);
    const TSection* FindSection(std::string_view name) const;
    TSection& SectionForWriting(std::string_view name);

    TTextEncoding FEncoding = TTextEncoding::Utf8;
    std::vector<TSection> FSections;                       // the first one holds lines before any header
    std::unordered_map<std::string, size_t> FSectionIndex; // lower-case name -> first section of that name
};
