#include "tools/TextReport.h"

#include "calc/ClutchOdds.h"

#include <utility>

TTextReportWriter::TTextReportWriter(TOutputStream& out, std::optional<int> clutch, std::string separator)
    : FOut(out), FClutch(clutch), FSeparator(std::move(separator)),
      FClutchLines([this](std::string_view block) { FSpool.Append(block); }) {}

void TTextReportWriter::WriteHeading(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        FOut << line << "\n";
}

// The odds of a line in a clutch, of the eggs laid, so that eggs that do not hatch count as the clutch's
// too: "Amelanistic: 3.0 expected, 96.8% at least one in a clutch of 12".
void TTextReportWriter::WriteOffspring(const TOffspringLine& line, const std::string& reported) {
    FOut << reported << "\n";
    if (!FClutch)
        return;
    const TClutchOdds odds = ClutchOddsOf(line.EggShare(), *FClutch);
    FClutchLines << std::string_view(line.Name).substr(0, line.Name.find_last_not_of(' ') + 1) << ": "
                 << ExpectedText(odds, FSeparator) << " expected, " << ChanceText(odds, FSeparator)
                 << " at least one in a clutch of " << std::to_string(*FClutch) << "\n";
}

void TTextReportWriter::WriteClosing(const std::vector<std::string>& lines) {
    WriteHeading(lines);
    FClutchLines.Flush();
    FSpool.CopyTo(FOut);
}
