#include "tools/JsonReport.h"

#include "calc/ClutchOdds.h"
#include "model/Text.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>

// Most names are plain ASCII, the same in either reading, and need no escape: they are written as they
// stand. Any other goes through the JSON library, so that quotes, control characters and non-ASCII letters
// come out as they always have. Every text is UTF-8 by then; should one ever slip through, a replacement
// character is a far smaller harm than a run that ends without its answer.
void WriteJsonText(std::string_view text, TOutputStream& out) {
    // Every report line passes here: a table lookup per byte.
    static constexpr auto PlainBytes = [] {
        std::array<bool, 256> plain{};
        for (int byte = 0x20; byte < 0x80; ++byte)
            plain[static_cast<size_t>(byte)] = byte != '"' && byte != '\\';
        return plain;
    }();
    const bool plain = std::all_of(text.begin(), text.end(),
                                   [](char c) { return PlainBytes[static_cast<unsigned char>(c)]; });
    if (plain)
        out << "\"" << text << "\"";
    else
        out << nlohmann::json(Utf8Of(text)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

namespace {

// A count, or a part of a share, as a JSON number; the rare exact number beyond 64 bits (many possible
// hets of odd chances) as its decimal text, since JSON readers hold no larger whole numbers.
void WriteCount(TCount count, TOutputStream& out) {
    if (count <= std::numeric_limits<uint64_t>::max()) {
        char digits[20];
        out << std::string_view(
            digits, std::to_chars(digits, digits + sizeof digits, static_cast<uint64_t>(count)).ptr - digits);
    } else
        out << "\"" << DecimalText(count) << "\"";
}

// "{"numerator":1,"denominator":4": a share without its closing brace, for the unhatched eggs add
// their genes.
void WriteShare(const TFraction& share, TOutputStream& out) {
    out << "{\"numerator\":";
    WriteCount(share.Numerator, out);
    out << ",\"denominator\":";
    WriteCount(share.Denominator, out);
}

void WriteOffspringLine(const TOffspringLine& line, std::optional<int> clutch, const std::string& separator,
                        TOutputStream& out) {
    out << "{\"line\":";
    WriteJsonText(line.Line, out);
    out << ",\"count\":";
    WriteCount(line.Count, out);
    out << ",\"total\":";
    WriteCount(line.Total, out);
    out << ",\"share\":";
    WriteShare(line.Share(), out);
    out << "},\"name\":";
    WriteJsonText(line.Name, out);
    out << ",\"possibleHets\":";
    WriteJsonText(line.PossibleText, out);
    if (!line.HealthNote.empty()) {
        out << ",\"health\":";
        WriteJsonText(line.HealthNote, out);
    }
    if (clutch) {
        const TClutchOdds odds = ClutchOddsOf(line.EggShare(), *clutch);
        out << ",\"clutch\":{\"eggs\":" << std::to_string(*clutch) << ",\"expected\":";
        WriteJsonText(ExpectedText(odds, separator), out);
        out << ",\"atLeastOne\":";
        WriteJsonText(ChanceText(odds, separator), out);
        out << "}";
    }
    out << "}";
}

} // namespace

TJsonReportWriter::TJsonReportWriter(TOutputStream& out, std::optional<int> clutch, std::string separator)
    : FOut(out), FClutch(clutch), FSeparator(std::move(separator)),
      FEntries([this](std::string_view block) { FSpool.Append(block); }) {}

void TJsonReportWriter::WriteHeading(const std::vector<std::string>& lines) {
    FOut << "{\"report\":[";
    WriteReportLines(lines);
}

void TJsonReportWriter::WriteOffspring(const TOffspringLine& line, const std::string& reported) {
    FOut << ",";
    WriteJsonText(reported, FOut);
    FEntries << (FOffspringWritten++ ? "," : "");
    WriteOffspringLine(line, FClutch, FSeparator, FEntries);
}

void TJsonReportWriter::WriteClosing(const std::vector<std::string>& lines) {
    WriteReportLines(lines);
    FOut << "]";
}

void TJsonReportWriter::WriteReportLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        FOut << (FReportWritten++ ? "," : "");
        WriteJsonText(line, FOut);
    }
}

void TJsonReportWriter::Finish(const TCalcResult& result) {
    FOut << ",\"offspring\":[";
    FEntries.Flush();
    FSpool.CopyTo(FOut);
    FOut << "]";
    const TFraction unhatched = result.UnhatchedShare();
    if (unhatched.Numerator != 0) {
        FOut << ",\"unhatched\":";
        WriteShare(unhatched, FOut);
        FOut << ",\"lethal\":[";
        for (size_t i = 0; i < result.LethalGeneNames().size(); ++i) {
            FOut << (i ? "," : "");
            WriteJsonText(result.LethalGeneNames()[i], FOut);
        }
        FOut << "]}";
    }
    FOut << "}\n";
}
