// A deliberately plain offspring calculation for checking the fast one: every step worked as the
// breeder's rules state it, every cell of the grid a string, one possible-het item per cell, every
// question walked through the gene set each time it is asked, every lookup a linear search. Only the names
// of genes and combinations, the joining of two gametes and the arranging and condensing of a line's pairs
// come from the fast calculation, which takes no shortcut there.
#pragma once

#include "calc/Calculation.h"

#include <string>
#include <vector>

struct TLiteralResult {
    std::vector<std::string> Report;
    std::vector<std::string> MaleGametes;
    std::vector<std::string> FemaleGametes;
    std::vector<std::vector<std::string>> Cells; // [column - 1][row - 1]
};

TLiteralResult LiteralCalculation(const std::string& male, const std::string& female,
                                  const TCalcOptions& options, TLocusList& loci, const TCombiList& combis);
