// The report of zygora-calc --json, written item by item as the calculation lists the offspring lines, so
// that its memory does not grow with the number of lines.
#pragma once

#include "calc/Calculation.h"
#include "tools/OutputStream.h"
#include "tools/Spool.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Every text as UTF-8 by the rule the window reads it with, each string on its own: a decimal separator
// typed as one byte of Windows-1252 reads as that character.
// A line's health note and clutch odds, and the eggs that do not hatch, are there only when the pairing
// has them and the odds were asked for.
class TJsonReportWriter : public TReportSink {
public:
    TJsonReportWriter(TOutputStream& out, std::optional<int> clutch, std::string separator);

    void WriteHeading(const std::vector<std::string>& lines) override;
    void WriteOffspring(const TOffspringLine& line, const std::string& reported) override;
    void WriteClosing(const std::vector<std::string>& lines) override;
    // After the run: the offspring, and the eggs that do not hatch.
    void Finish(const TCalcResult& result);

private:
    void WriteReportLines(const std::vector<std::string>& lines);

    TOutputStream& FOut;
    std::optional<int> FClutch;
    std::string FSeparator;
    TSpool FSpool;          // the offspring entries, written after the report
    TOutputStream FEntries; // into the spool
    size_t FReportWritten = 0;
    size_t FOffspringWritten = 0;
};

// A text as a JSON string, read as UTF-8 by the rule the window reads it with.
void WriteJsonText(std::string_view text, TOutputStream& out);
