#pragma once
// Screen pixels as the normalized 0..65535 coordinates of absolute mouse input
// over the virtual desktop.

#include <cstdint>

// The normalized coordinate that Windows maps back to exactly `pixel` on an
// axis of `extent` pixels starting at `start` (extent at least 1). A pixel
// outside the axis is first clamped to it, as the pointer itself would be.
int32_t normalizedCoordinate(int32_t pixel, int32_t start, int32_t extent);
