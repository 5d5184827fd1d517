#include "calc/OffspringTable.h"

#include "calc/ClutchOdds.h"
#include "model/Text.h"

namespace {

std::string Field(const std::string& text, char delimiter) {
    const std::string utf8 = Utf8Of(text);
    if (utf8.find_first_of(std::string{delimiter, '"', '\r', '\n'}) == std::string::npos)
        return utf8;
    std::string quoted = "\"";
    for (const char c : utf8)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string Row(const std::vector<std::string>& fields, char delimiter) {
    std::string row;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            row += delimiter;
        row += Field(fields[i], delimiter);
    }
    row += "\r\n";
    return row;
}

} // namespace

size_t OffspringRowCount(const TCalcResult& result) {
    return result.OffspringLineCount() + (result.UnhatchedShare().Numerator != 0 ? 1 : 0);
}

bool IsUnhatchedRow(const TCalcResult& result, size_t row) {
    return row == result.OffspringLineCount();
}

std::string OffspringRowName(const TCalcResult& result, size_t row) {
    if (IsUnhatchedRow(result, row))
        return result.UnhatchedName();
    const TOffspringLine line = result.OffspringLine(row);
    const std::string name = line.Name + line.PossibleText;
    return name.substr(0, name.find_last_not_of(' ') + 1);
}

TFraction OffspringRowShare(const TCalcResult& result, size_t row) {
    return IsUnhatchedRow(result, row) ? result.UnhatchedShare() : result.OffspringLine(row).Share();
}

TFraction OffspringRowEggShare(const TCalcResult& result, size_t row) {
    return IsUnhatchedRow(result, row) ? result.UnhatchedShare() : result.OffspringLine(row).EggShare();
}

std::string OffspringTableText(const TCalcResult& result, const std::vector<size_t>& rows, int eggs,
                               const std::string& decimalSeparator, char delimiter) {
    const std::string clutch = " in a clutch of " + std::to_string(eggs);
    std::string text =
        Row({"Offspring", "Share", "Percentage", "Expected" + clutch, "At least one" + clutch, "Health"},
            delimiter);
    for (const size_t row : rows) {
        const TFraction share = OffspringRowShare(result, row);
        const TClutchOdds odds = ClutchOddsOf(OffspringRowEggShare(result, row), eggs);
        text += Row({OffspringRowName(result, row),
                     DecimalText(share.Numerator) + "/" + DecimalText(share.Denominator),
                     PercentageText(share.Numerator, share.Denominator, decimalSeparator),
                     ExpectedText(odds, decimalSeparator), ChanceText(odds, decimalSeparator),
                     IsUnhatchedRow(result, row) ? std::string() : result.OffspringLine(row).HealthNote},
                    delimiter);
    }
    return text;
}
