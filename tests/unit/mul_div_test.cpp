#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "core/mul_div.h"

namespace {

TEST(MulDivTest, RoundsToTheNearestWithHalvesAwayFromZero) {
    struct Case {
        const char* name;
        int32_t number, numerator, denominator;
        int32_t expected;
    };
    const Case cases[] = {
        {"exact", 222, 144, 96, 333},
        {"a half rounds up", 66, 120, 96, 83},
        {"a negative half rounds down", -11, 144, 96, -17},
        {"below a half rounds toward zero", 1, 1, 3, 0},
        {"above a half rounds away from zero", 2, 1, 3, 1},
        {"negative, above a half", -2, 1, 3, -1},
        {"negative denominator", 3, 1, -2, -2},
        {"both negative", -3, 1, -2, 2},
        {"zero", 0, -5, 7, 0},
        {"a product beyond 32 bits, a result within", INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX},
        {"scaled down a long way", 1 << 30, 96, 1 << 30, 96},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(mulDiv(c.number, c.numerator, c.denominator), c.expected);
    }
}

TEST(MulDivTest, AnswersMinusOneWhenThereIsNoResult) {
    struct Case {
        const char* name;
        int32_t number, numerator, denominator;
    };
    const Case cases[] = {
        {"zero denominator", 5, 3, 0},
        {"above 32 bits", INT32_MAX, 2, 1},
        {"below 32 bits", INT32_MIN, 2, 1},
        {"the one negation that does not fit", INT32_MIN, -1, 1},
        {"a half that rounds past the top", 65535, 65537, 2},  // 2147483647.5
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(mulDiv(c.number, c.numerator, c.denominator), -1);
    }
}

}  // namespace
