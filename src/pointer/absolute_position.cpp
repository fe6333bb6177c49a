#include "pointer/absolute_position.h"

#include <algorithm>

int32_t normalizedCoordinate(int32_t pixel, int32_t start, int32_t extent) {
    const int64_t first = start;
    const int64_t last = first + std::max<int64_t>(extent, 1) - 1;
    const int64_t offset = std::clamp<int64_t>(pixel, first, last) - first;
    // Windows maps a normalized n back to start + floor(n * extent / 65536);
    // the +1 keeps the floor on this pixel rather than the one before it.
    return static_cast<int32_t>(offset * 65536 / std::max<int64_t>(extent, 1) + 1);
}
