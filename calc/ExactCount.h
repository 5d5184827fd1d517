// Exact counts of offspring. A pairing with possible hets weighs every Punnett cell by the chances of
// its parents, and the weighted sums outgrow 64 bits: up to 12 possible hets of weight 200 each
// besides 2^14 plain cells come to about 2^106.
#pragma once

#include <string>

__extension__ using TCount = unsigned __int128;

// A share in lowest terms.
struct TFraction {
    TCount Numerator = 0;
    TCount Denominator = 1;
};

TCount GreatestCommonDivisor(TCount a, TCount b);
TFraction Reduced(TCount numerator, TCount denominator);
// Decimal digits, as std::to_string writes smaller numbers.
std::string DecimalText(TCount n);
