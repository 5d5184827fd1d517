#include "calc/ExactCount.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <numeric>

TCount GreatestCommonDivisor(TCount a, TCount b) {
    // Counts of cells nearly always fit in 64 bits, where division is many times faster.
    constexpr TCount Narrow = std::numeric_limits<uint64_t>::max();
    if (a <= Narrow && b <= Narrow)
        return std::gcd(static_cast<uint64_t>(a), static_cast<uint64_t>(b));
    while (b != 0) {
        const TCount rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

TFraction Reduced(TCount numerator, TCount denominator) {
    const TCount divisor = GreatestCommonDivisor(numerator, denominator);
    return divisor == 0 ? TFraction{numerator, denominator}
                        : TFraction{numerator / divisor, denominator / divisor};
}

std::string DecimalText(TCount n) {
    if (n <= std::numeric_limits<uint64_t>::max()) {
        char digits[20];
        return std::string(digits,
                           std::to_chars(digits, digits + sizeof digits, static_cast<uint64_t>(n)).ptr);
    }
    std::string digits;
    do {
        digits += static_cast<char>('0' + static_cast<int>(n % 10));
        n /= 10;
    } while (n != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}
