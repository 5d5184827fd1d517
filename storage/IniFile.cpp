#include "storage/IniFile.h"

#include "model/Text.h"
#include "storage/FileIO.h"

#include <charconv>

namespace {

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Line breaks inside a key or value would split it into lines of their own.
std::string OneLine(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\r' || c == '\n')
            c = ' ';
    return out;
}

// A UTF-16 text (as some editors save INI files) read as 8-bit characters; anything beyond becomes '?'.
std::string FromUtf16(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto hi = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
        const auto lo = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
        out.push_back(hi == 0 ? static_cast<char>(lo) : '?');
    }
    return out;
}

std::string Decode(std::string_view content) {
    if (content.starts_with("\xFF\xFE"))
        return FromUtf16(content.substr(2), false);
    if (content.starts_with("\xFE\xFF"))
        return FromUtf16(content.substr(2), true);
    if (content.starts_with("\xEF\xBB\xBF"))
        return std::string(content.substr(3));
    return std::string(content);
}

} // namespace

TIniFile::TIniFile(std::string_view content) {
    const std::string text = Decode(content);
    FEncoding = EncodingOf(text);
    ForEachLine(text, [this](std::string_view line) { AddLine(line); });
}

void TIniFile::AddLine(std::string_view line) {
    if (FSections.empty())
        FSections.push_back(TSection{"", false, {}, {}});
    const std::string_view trimmed = Trim(line);
    const size_t close = trimmed.find(']');
    if (trimmed.starts_with('[') && close != std::string_view::npos) {
        TSection section;
        section.Name = std::string(Trim(trimmed.substr(1, close - 1)));
        FSectionIndex.emplace(LowerCase(section.Name), FSections.size());
        FSections.push_back(std::move(section));
        return;
    }
    TSection& section = FSections.back();
    TLine entry;
    const size_t equals = trimmed.find('=');
    if (trimmed.starts_with(';') || equals == std::string_view::npos) {
        entry.Text = std::string(line);
    } else {
        entry.IsEntry = true;
        entry.Key = std::string(Trim(trimmed.substr(0, equals)));
        entry.Value = std::string(Trim(trimmed.substr(equals + 1)));
        if (line != entry.Key + "=" + entry.Value)
            entry.Text = std::string(line);
        if (section.HasHeader)
            section.KeyIndex.emplace(LowerCase(entry.Key), section.Lines.size());
    }
    section.Lines.push_back(std::move(entry));
}

const TIniFile::TSection* TIniFile::FindSection(std::string_view name) const {
    const auto found = FSectionIndex.find(LowerCase(Trim(name)));
    return found == FSectionIndex.end() ? nullptr : &FSections[found->second];
}

std::optional<std::string> TIniFile::ReadValue(std::string_view section, std::string_view key) const {
    const TSection* found = FindSection(section);
    if (found == nullptr)
        return std::nullopt;
    const auto line = found->KeyIndex.find(LowerCase(Trim(key)));
    if (line == found->KeyIndex.end())
        return std::nullopt;
    return found->Lines[line->second].Value.substr(0, MaxValueLength);
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback) const {
    std::optional<std::string> value = ReadValue(section, key);
    return value ? std::move(*value) : std::string(fallback);
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
    const std::optional<std::string> value = ReadValue(section, key);
    if (!value || value->empty())
        return fallback;
    std::string_view digits = *value;
    if (digits.starts_with('+'))
        digits.remove_prefix(1);
    int result = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), result);
    if (error != std::errc() || end != digits.data() + digits.size())
        return fallback;
    return result;
}

std::vector<std::pair<std::string, std::string>> TIniFile::ReadSection(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> entries;
    const TSection* found = FindSection(section);
    if (found == nullptr)
        return entries;
    for (size_t i = 0; i < found->Lines.size(); ++i) {
        const TLine& line = found->Lines[i];
        if (line.IsEntry && found->KeyIndex.at(LowerCase(line.Key)) == i)
            entries.emplace_back(line.Key, line.Value.substr(0, MaxValueLength));
    }
    return entries;
}

TIniFile::TSection& TIniFile::SectionForWriting(std::string_view name) {
    const std::string clean = OneLine(Trim(name));
    const auto found = FSectionIndex.find(LowerCase(clean));
    if (found != FSectionIndex.end())
        return FSections[found->second];
    FSectionIndex.emplace(LowerCase(clean), FSections.size());
    FSections.push_back(TSection{clean, true, {}, {}});
    return FSections.back();
}

void TIniFile::WriteString(std::string_view sectionName, std::string_view key, std::string_view value) {
    TSection& section = SectionForWriting(sectionName);
    const std::string cleanKey = OneLine(Trim(key));
    const std::string cleanValue = OneLine(value);
    const auto found = section.KeyIndex.find(LowerCase(cleanKey));
    if (found != section.KeyIndex.end()) {
        TLine& line = section.Lines[found->second];
        line.Value = cleanValue;
        line.Text.clear();
        return;
    }
    section.KeyIndex.emplace(LowerCase(cleanKey), section.Lines.size());
    section.Lines.push_back(TLine{{}, true, cleanKey, cleanValue});
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

std::string TIniFile::Content() const {
    std::string out;
    for (const TSection& section : FSections) {
        if (section.HasHeader)
            out += "[" + section.Name + "]\r\n";
        for (const TLine& line : section.Lines)
            out += (line.IsEntry && line.Text.empty() ? line.Key + "=" + line.Value : line.Text) + "\r\n";
    }
    // Text that starts like a byte-order mark would be read back as another encoding, or without those
    // bytes; a UTF-8 mark before it keeps it as it is.
    if (out.starts_with("\xFF\xFE") || out.starts_with("\xFE\xFF") || out.starts_with("\xEF\xBB\xBF"))
        out.insert(0, "\xEF\xBB\xBF");
    return out;
}
