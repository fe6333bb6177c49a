#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <ostream>
#include <utility>
#include <string>

#include "app/scaled_layout.h"
#include "app/window_layout.h"

std::ostream& operator<<(std::ostream& out, const Box& box) {
    return out << "{" << box.x << ", " << box.y << ", " << box.width << ", " << box.height << "}";
}

namespace {

struct Size {
    int32_t width, height;
};

Box boxOf(const ScaledLayout& layout, Control control) {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kControls[i].control == control) return layout.controls[i];
    }
    ADD_FAILURE() << "no such control";
    return {};
}

void expectLayout(int32_t dpi, Size window, const std::array<Box, kControls.size()>& controls) {
    SCOPED_TRACE(std::to_string(dpi) + " DPI");
    const ScaledLayout layout = scaledLayout(dpi);
    EXPECT_EQ(layout.windowWidth, window.width);
    EXPECT_EQ(layout.windowHeight, window.height);
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        EXPECT_EQ(layout.controls[i], controls[i]) << "control " << i << ", " << kControls[i].text;
    }
}

TEST(ScaledLayoutTest, At96DpiIsTheTableItself) {
    std::array<Box, kControls.size()> table{};
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        table[i] = {kControls[i].x, kControls[i].y, kControls[i].width, kControls[i].height};
    }
    expectLayout(96, {222, 356}, table);
}

// 125 %: every odd length ends in a half, which MulDiv rounds up.
TEST(ScaledLayoutTest, At120DpiRoundsEachLengthHalvesUp) {
    expectLayout(120, {278, 445},
                 {{
                     {20, 20, 83, 48},     // 按钮1
                     {150, 20, 88, 200},   // 按钮2
                     {20, 88, 63, 25},     // 标签1
                     {20, 113, 83, 38},    // 编辑框1
                     {20, 163, 63, 25},    // 标签2
                     {20, 188, 83, 38},    // 编辑框2
                     {20, 250, 63, 25},    // 标签4
                     {20, 275, 83, 38},    // 编辑框3
                     {20, 325, 63, 25},    // 标签3
                     {20, 350, 83, 38},    // 编辑框4
                     {150, 250, 75, 25},   // 标签6
                     {150, 275, 83, 38},   // 编辑框5
                     {150, 325, 75, 25},   // 标签5
                     {150, 350, 83, 38},   // 编辑框6
                 }});
}

// 150 % and 200 %: every length of the table is even, so nothing to round.
TEST(ScaledLayoutTest, At144And192DpiEveryLengthIsExactlyScaled) {
    for (const auto& [dpi, window] : {std::pair{144, Size{333, 534}}, std::pair{192, Size{444, 712}}}) {
        std::array<Box, kControls.size()> scaled{};
        for (std::size_t i = 0; i < kControls.size(); ++i) {
            const ControlLayout& c = kControls[i];
            scaled[i] = {c.x * dpi / 96, c.y * dpi / 96, c.width * dpi / 96, c.height * dpi / 96};
        }
        expectLayout(dpi, window, scaled);
    }
}

// At 108 DPI (112.5 %) 标签1 would end at 79 + 23 = 102, one pixel into
// 编辑框1 at 101; it gives that pixel back.
TEST(ScaledLayoutTest, AControlGivesBackThePixelItWouldReachIntoItsNeighbour) {
    const ScaledLayout layout = scaledLayout(108);
    EXPECT_EQ(boxOf(layout, Control::标签1), (Box{18, 79, 56, 22}));
    EXPECT_EQ(boxOf(layout, Control::编辑框1), (Box{18, 101, 74, 34}));
}

// Every scale Windows offers, in steps of 1 % from 100 % to 500 %: no control
// overlaps another, and none collapses.
TEST(ScaledLayoutTest, NoTwoControlsOverlapAtAnyScale) {
    const auto overlap = [](const Box& a, const Box& b) {
        return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
    };
    for (int32_t dpi = 96; dpi <= 480; ++dpi) {
        const ScaledLayout layout = scaledLayout(dpi);
        for (std::size_t i = 0; i < kControls.size(); ++i) {
            EXPECT_GT(layout.controls[i].width, 0) << dpi << " DPI, " << kControls[i].text;
            EXPECT_GT(layout.controls[i].height, 0) << dpi << " DPI, " << kControls[i].text;
            for (std::size_t j = i + 1; j < kControls.size(); ++j) {
                EXPECT_FALSE(overlap(layout.controls[i], layout.controls[j]))
                    << dpi << " DPI: " << kControls[i].text << " " << layout.controls[i] << " and "
                    << kControls[j].text << " " << layout.controls[j];
            }
        }
    }
}

TEST(ScaledLayoutTest, FontHeightFollowsTheWindowsDpiOverTheFontsOwn) {
    struct Case {
        const char* name;
        int32_t height, dpi, fontDpi;
        int32_t expected;
    };
    const Case cases[] = {
        {"at the font's own DPI, its own size", -17, 144, 144, -17},
        {"at 96 DPI, a 96-DPI font unchanged", -11, 96, 96, -11},
        {"a character height's half rounds away from zero", -11, 144, 96, -17},
        {"from 144 to 192 DPI", -17, 192, 144, -23},
        {"down to a lower DPI", -17, 96, 144, -11},
        {"a cell height (positive)", 13, 120, 96, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(scaledFontHeight(c.height, c.dpi, c.fontDpi), c.expected);
    }
}

}  // namespace
