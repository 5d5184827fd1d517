#include "model/Text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace {

// Length of the well-formed UTF-8 sequence at the start of `text`, 0 when there is none. The range of the
// second byte is what keeps out overlong forms (after E0, F0), surrogates (after ED) and code points above
// U+10FFFF (after F4).
size_t SequenceLength(std::string_view text) {
    const auto byte = [text](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    if (lead < 0x80)
        return 1;
    size_t length = 0;
    unsigned low = 0x80;
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (size_t k = 2; k < length; ++k)
        if ((byte(k) & 0xC0) != 0x80)
            return 0;
    return length;
}

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unused bytes keep their own code points.
constexpr std::uint16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendWindows1252(std::string& out, unsigned char byte) {
    const unsigned code = byte >= 0x80 && byte < 0xA0 ? Windows1252High[byte - 0x80] : byte;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The code point of the well-formed sequence of `length` bytes at the start of `text`.
unsigned CodePointOf(std::string_view text, size_t length) {
    constexpr unsigned LeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    unsigned code = static_cast<unsigned char>(text[0]) & LeadBits[length];
    for (size_t k = 1; k < length; ++k)
        code = code << 6 | (static_cast<unsigned char>(text[k]) & 0x3F);
    return code;
}

// The Windows-1252 byte of a code point, as AppendWindows1252 reads that byte back; -1 for none.
int Windows1252Byte(unsigned code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<int>(code);
    const auto found = std::find(std::begin(Windows1252High), std::end(Windows1252High), code);
    return found == std::end(Windows1252High) ? -1 : static_cast<int>(0x80 + (found - Windows1252High));
}

} // namespace

TTextEncoding EncodingOf(std::string_view fileText) {
    return IsUtf8(fileText) ? TTextEncoding::Utf8 : TTextEncoding::Windows1252;
}

std::optional<std::string> EncodedText(std::string_view utf8, TTextEncoding encoding) {
    if (!IsUtf8(utf8))
        return std::nullopt;
    if (encoding == TTextEncoding::Utf8)
        return std::string(utf8);
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        const size_t length = SequenceLength(utf8.substr(i));
        const int byte = Windows1252Byte(CodePointOf(utf8.substr(i), length));
        if (byte < 0)
            return std::nullopt;
        out += static_cast<char>(byte);
        i += length;
    }
    return out;
}

bool IsUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const size_t length = SequenceLength(text.substr(i));
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string Utf8Of(std::string_view text) {
    if (IsUtf8(text))
        return std::string(text);
    std::string out;
    out.reserve(text.size() * 2);
    for (const char c : text)
        AppendWindows1252(out, static_cast<unsigned char>(c));
    return out;
}

size_t CharacterCount(std::string_view text) {
    if (!IsUtf8(text))
        return text.size();
    return static_cast<size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

char LowerCaseAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), LowerCaseAscii);
    return out;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerCaseAscii(x) == LowerCaseAscii(y); });
}

char LowerCaseWindows1252(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return static_cast<char>(byte + 0x20);
    if (byte == 0x8A || byte == 0x8C || byte == 0x8E)
        return static_cast<char>(byte + 0x10);
    return byte == 0x9F ? static_cast<char>(0xFF) : c;
}

std::optional<int> ReadBoundedNumber(std::string_view text, int low, int high) {
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}
