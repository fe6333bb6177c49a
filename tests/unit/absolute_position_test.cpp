#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>

#include "fake/fake_system.h"
#include "pointer/absolute_position.h"

namespace {

TEST(AbsolutePositionTest, MapsBackToThePixelClampedToTheDesktop) {
    struct Case {
        const char* name;
        int32_t pixel, start, extent;
        int64_t lands;  // the pixel the pointer ends on
    };
    const Case cases[] = {
        {"first pixel", 0, 0, 1920, 0},
        {"last pixel", 1919, 0, 1920, 1919},
        {"middle", 960, 0, 1920, 960},
        {"second pixel", 1, 0, 1920, 1},
        {"desktop starting left of the primary display", -1920, -1920, 3840, -1920},
        {"negative pixel inside", -1, -1920, 3840, -1},
        {"last pixel of a negative-start desktop", 1919, -1920, 3840, 1919},
        {"left of the desktop", -1, 0, 1920, 0},
        {"right of the desktop", 1920, 0, 1920, 1919},
        {"far outside", INT32_MIN, -1920, 3840, -1920},
        {"far outside the other way", INT32_MAX, -1920, 3840, 1919},
        {"width 1", 7, 7, 1, 7},
        {"width 1, outside", -100, 7, 1, 7},
        {"odd width", 2, 0, 3, 2},
        {"width 65535, last pixel", 65534, 0, 65535, 65534},
        {"desktop ending at the largest coordinate", INT32_MAX, INT32_MAX - 2559, 2560, INT32_MAX},
        {"desktop starting at the smallest coordinate", INT32_MIN, INT32_MIN, 2560, INT32_MIN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t n = normalizedCoordinate(c.pixel, c.start, c.extent);
        EXPECT_GE(n, 0);
        EXPECT_LE(n, 65535);
        EXPECT_EQ(fake::pixelOf(n, c.start, c.extent), c.lands);
    }
}

TEST(AbsolutePositionTest, EveryPixelOfCommonWidthsIsReachedExactly) {
    for (const int32_t extent : {1, 2, 3, 640, 1366, 1920, 2560, 3840, 5760, 7680, 32767, 65535}) {
        for (const int32_t start : {0, -extent / 2, -extent}) {
            for (int32_t offset = 0; offset < extent; ++offset) {
                const int32_t pixel = start + offset;
                const int32_t n = normalizedCoordinate(pixel, start, extent);
                ASSERT_TRUE(n >= 0 && n <= 65535 && fake::pixelOf(n, start, extent) == pixel)
                    << "pixel " << pixel << " on [" << start << ", +" << extent << ") gives " << n;
            }
        }
    }
}

}  // namespace
