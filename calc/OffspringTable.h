// The offspring as the clutch view lists them, a row per offspring line and the eggs that do not hatch
// last, and that table as text for spreadsheets.
#pragma once

#include "calc/Calculation.h"

#include <string>
#include <vector>

// Rows 0 to OffspringLineCount() - 1 are the offspring lines; one more row stands for the eggs that do not
// hatch, when some do not.
size_t OffspringRowCount(const TCalcResult& result);
bool IsUnhatchedRow(const TCalcResult& result, size_t row);
// "Pastel Spider (50% poss. het. Albino)", or "Do not hatch: Super Spider".
std::string OffspringRowName(const TCalcResult& result, size_t row);
// The share the row's column gives: of the hatchlings, for the eggs that do not hatch of all eggs.
TFraction OffspringRowShare(const TCalcResult& result, size_t row);
// Its share of the eggs laid, which the odds in a clutch are taken from.
TFraction OffspringRowEggShare(const TCalcResult& result, size_t row);

// A header row, then the rows asked for: name, exact share ("3/16"), percentage, expected in a clutch of
// `eggs`, chance of at least one, health note. Fields are parted by `delimiter` and quoted as RFC 4180
// quotes them where they hold it, a quote or a line break; lines end in CR LF; every text is UTF-8.
std::string OffspringTableText(const TCalcResult& result, const std::vector<size_t>& rows, int eggs,
                               const std::string& decimalSeparator, char delimiter);
