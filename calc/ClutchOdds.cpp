#include "calc/ClutchOdds.h"

#include <cmath>

namespace {

constexpr TCount MaxCount = ~TCount(0);

// base^exponent, or false when it goes beyond `limit`.
bool PowerWithin(TCount base, int exponent, TCount limit, TCount& power) {
    power = 1;
    for (int i = 0; i < exponent; ++i) {
        if (base != 0 && power > limit / base)
            return false;
        power *= base;
    }
    return true;
}

// round(1000 x (1 - (1 - p/q)^eggs)), half up.
int ChancePerMille(TCount p, TCount q, int eggs) {
    // (2000 (B - A) + B) / 2B with A = (q - p)^eggs and B = q^eggs, while that fits.
    TCount missAll = 0;
    TCount all = 0;
    if (PowerWithin(q, eggs, MaxCount / 2001, all) && PowerWithin(q - p, eggs, all, missAll))
        return static_cast<int>((2000 * (all - missAll) + all) / (2 * all));
    const long double logMiss =
        std::log(static_cast<long double>(q - p)) - std::log(static_cast<long double>(q));
    const long double chance = -std::expm1(static_cast<long double>(eggs) * logMiss);
    return static_cast<int>(std::floor(1000.0L * chance + 0.5L));
}

// round(10 x eggs x p/q), half up.
int ExpectedTenths(TCount p, TCount q, int eggs) {
    const TCount times = TCount(20) * static_cast<TCount>(eggs);
    if (p <= (MaxCount - q) / times)
        return static_cast<int>((times * p + q) / (2 * q));
    const long double expected = 10.0L * eggs * (static_cast<long double>(p) / static_cast<long double>(q));
    return static_cast<int>(std::floor(expected + 0.5L));
}

std::string Tenths(int tenths, std::string_view separator) {
    return std::to_string(tenths / 10) + std::string(separator) + std::to_string(tenths % 10);
}

} // namespace

TClutchOdds ClutchOddsOf(TFraction share, int eggs) {
    TClutchOdds odds;
    const TCount p = share.Numerator;
    const TCount q = share.Denominator;
    if (p == 0 || q == 0 || eggs < 1)
        return odds;
    odds.Possible = true;
    odds.Certain = p >= q;
    odds.ExpectedTenths = odds.Certain ? 10 * eggs : ExpectedTenths(p, q, eggs);
    odds.ChancePerMille = odds.Certain ? 1000 : ChancePerMille(p, q, eggs);
    return odds;
}

std::string ExpectedText(const TClutchOdds& odds, std::string_view separator) {
    return Tenths(odds.ExpectedTenths, separator);
}

std::string ChanceText(const TClutchOdds& odds, std::string_view separator) {
    if (odds.Certain)
        return "100%";
    if (odds.Possible && odds.ChancePerMille >= 1000)
        return ">99" + std::string(separator) + "9%";
    if (odds.Possible && odds.ChancePerMille <= 0)
        return "<0" + std::string(separator) + "1%";
    return Tenths(odds.ChancePerMille, separator) + "%";
}
