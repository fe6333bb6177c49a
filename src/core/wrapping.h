#pragma once
// Coordinates are summed as Windows would in 32-bit registers: the low 32 bits
// of the exact result. Done in unsigned arithmetic, where wrapping is defined;
// the conversion back to signed is modular since C++20.

#include <cstdint>

inline int32_t wrappingAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

inline int32_t wrappingSub(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
