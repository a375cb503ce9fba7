#include "print/mul_div.h"

#include <cstdint>
#include <limits>

int MulDiv(int value, int numerator, int denominator) {
    if (denominator == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    std::int64_t divisor = denominator;
    std::int64_t dividend = product;
    if (divisor < 0) {
        divisor = -divisor;
        dividend = -dividend;
    }
    // Round the magnitude, then put the sign back: halves go away from zero.
    const std::int64_t magnitude = dividend < 0 ? -dividend : dividend;
    std::int64_t quotient = (magnitude + divisor / 2) / divisor;
    if (dividend < 0)
        quotient = -quotient;
    if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min())
        return -1;
    return static_cast<int>(quotient);
}
