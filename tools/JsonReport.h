// The report of zygora-calc --json, written item by item as the offspring lines are read, so that its
// memory does not grow with the number of lines.
#pragma once

#include "calc/Calculation.h"
#include "tools/OutputStream.h"

#include <optional>
#include <string>

// Every text as UTF-8 by the rule the window reads it with, each string on its own: a decimal separator
// typed as one byte of Windows-1252 reads as that character.
// A line's health note and clutch odds, and the eggs that do not hatch, are there only when the pairing
// has them and the odds were asked for.
void WriteJsonReport(const TCalcResult& result, std::optional<int> clutch, const std::string& separator,
                     TOutputStream& out);
