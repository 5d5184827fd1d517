// The odds of one kind of offspring in a clutch: how many such animals to expect, and the chance of at
// least one.
#pragma once

#include "calc/ExactCount.h"

#include <string>
#include <string_view>

struct TClutchOdds {
    int ExpectedTenths = 0; // share x eggs, in tenths, rounded half up
    int ChancePerMille = 0; // 1 - (1 - share)^eggs, in tenths of a percent, rounded half up
    bool Certain = false;   // the share is 1: every egg
    bool Possible = false;  // the share is above 0
};

// The odds of a share (0 to 1) in a clutch of `eggs` eggs (1 or more). Exact in integers while the
// share's denominator to the power of `eggs` fits in 128 bits, which is where a chance can fall exactly
// halfway between two tenths. Beyond, the chance is taken in long double through logarithms; its error,
// some 1e-12 of a tenth of a percent, could round the other way only a chance lying that close to
// halfway.
TClutchOdds ClutchOddsOf(TFraction share, int eggs);

// "3.0", with the given decimal separator.
std::string ExpectedText(const TClutchOdds& odds, std::string_view separator = ".");
// "96.8%". "100%" only for a share of 1 and "0.0%" only for a share of 0: a chance that would round to
// either without being it reads ">99.9%" or "<0.1%".
std::string ChanceText(const TClutchOdds& odds, std::string_view separator = ".");
