#include "calc/ExactCount.h"

#include <algorithm>

TCount GreatestCommonDivisor(TCount a, TCount b) {
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
    std::string digits;
    do {
        digits += static_cast<char>('0' + static_cast<int>(n % 10));
        n /= 10;
    } while (n != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}
