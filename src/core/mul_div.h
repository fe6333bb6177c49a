#pragma once
// Windows' MulDiv, portable, so that the scaling built on it is tested natively
// with the rounding the program gets on Windows.

#include <cstdint>

// number × numerator / denominator through a 64-bit product, rounded to the
// nearest integer with halves away from zero. -1 when the denominator is 0 or
// the result does not fit 32 bits, as MulDiv answers.
int32_t mulDiv(int32_t number, int32_t numerator, int32_t denominator);
