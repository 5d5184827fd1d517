// The report of zygora-calc as text, written line by line as the calculation lists the offspring lines,
// with the clutch odds of every line after it when they are asked for.
#pragma once

#include "calc/Calculation.h"
#include "tools/OutputStream.h"
#include "tools/Spool.h"

#include <optional>
#include <string>
#include <vector>

class TTextReportWriter : public TReportSink {
public:
    TTextReportWriter(TOutputStream& out, std::optional<int> clutch, std::string separator);

    void WriteHeading(const std::vector<std::string>& lines) override;
    void WriteOffspring(const TOffspringLine& line, const std::string& reported) override;
    void WriteClosing(const std::vector<std::string>& lines) override;

private:
    TOutputStream& FOut;
    std::optional<int> FClutch;
    std::string FSeparator;
    TSpool FSpool;              // the clutch odds, written after the report
    TOutputStream FClutchLines; // into the spool
};

// Takes the offspring lines of a run that writes none of them (the grid, the weight entries).
class TUnwrittenReport : public TReportSink {
public:
    void WriteHeading(const std::vector<std::string>&) override {}
    void WriteOffspring(const TOffspringLine&, const std::string&) override {}
    void WriteClosing(const std::vector<std::string>&) override {}
};
