#include "core/mul_div.h"

int32_t mulDiv(int32_t number, int32_t numerator, int32_t denominator) {
    if (denominator == 0) return -1;
    // Both fit easily: |product| <= 2^62 and |denominator| <= 2^31.
    int64_t product = static_cast<int64_t>(number) * numerator;
    int64_t divisor = denominator;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    // Division truncates toward zero, so half the divisor added away from
    // zero first rounds to the nearest, halves outward.
    const int64_t half = divisor / 2;
    const int64_t quotient = (product >= 0 ? product + half : product - half) / divisor;
    if (quotient > INT32_MAX || quotient < INT32_MIN) return -1;
    return static_cast<int32_t>(quotient);
}
