// The main window on a desktop scaled to 150 % (144 DPI): the same picture
// half as large again, nothing clipped, the keyboard as at 100 %, and laid
// out again at 200 % when Windows moves it to a monitor of that scale.

#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "support/controls.h"
#include "support/desktop.h"
#include "support/dpi_change.h"
#include "support/expected_window.h"
#include "support/input.h"
#include "support/screen.h"
#include "support/text.h"
#include "support/vostrel.h"

namespace {

using namespace e2e;

constexpr int kSystemDpi = 144;

const int kLabels[] = {标签1, 标签2, 标签4, 标签3, 标签6, 标签5};

// A 100 % length at `dpi`. Every length of the table is even, so at 150 % and
// 200 % there is nothing to round.
int at(int length, int dpi) {
    EXPECT_EQ(length * dpi % 96, 0) << length << " does not scale exactly to " << dpi << " DPI";
    return length * dpi / 96;
}

std::string str(const RECT& r) {
    char text[64];
    std::snprintf(text, sizeof(text), "(%ld, %ld)-(%ld, %ld)", r.left, r.top, r.right, r.bottom);
    return text;
}

class MainWindowAt144Dpi : public testing::Test {
protected:
    static void SetUpTestSuite() {
        const HDC screen = GetDC(nullptr);
        systemDpi = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
    }

    void SetUp() override { ASSERT_EQ(systemDpi, kSystemDpi) << "the prefix is not set to 144 DPI"; }

    void expectControlsAt(int dpi) const {
        for (const ExpectedControl& expected : kExpectedControls) {
            SCOPED_TRACE(expected.name);
            const RECT rect = rectInParent(app.control(expected.id));
            EXPECT_EQ(rect.left, at(expected.x, dpi));
            EXPECT_EQ(rect.top, at(expected.y, dpi));
            EXPECT_EQ(rect.right - rect.left, at(expected.width, dpi));
            EXPECT_EQ(rect.bottom - rect.top, at(expected.height, dpi));
        }
    }

    // The bounds of each label's drawn text, which must lie inside its box.
    // A label draws only inside its own window, so text wider or taller than
    // its box is cut off there: dark pixels would reach the box's right, top
    // or bottom edge. (On the left the text starts at the edge itself.)
    std::vector<RECT> expectLabelTextsInsideTheirBoxes() const {
        std::vector<RECT> texts;
        for (const int label : kLabels) {
            SCOPED_TRACE(windowText(app.control(label)));
            const RECT box = windowRect(app.control(label));
            const std::optional<RECT> text = settledDarkPixelBounds(box);
            if (!text) {
                ADD_FAILURE() << "no text drawn in " << str(box);
                continue;
            }
            EXPECT_GE(text->left, box.left) << str(*text) << " in " << str(box);
            EXPECT_LT(text->right, box.right) << str(*text) << " in " << str(box);
            EXPECT_GT(text->top, box.top) << str(*text) << " in " << str(box);
            EXPECT_LT(text->bottom, box.bottom) << str(*text) << " in " << str(box);
            texts.push_back(*text);
        }
        return texts;
    }

    static inline int systemDpi = 0;
    Vostrel app;
};

TEST_F(MainWindowAt144Dpi, IsCentredAtOneAndAHalfTimesItsSize) {
    const RECT outer = windowRect(app.window());
    EXPECT_EQ(outer.right - outer.left, 333);
    EXPECT_EQ(outer.bottom - outer.top, 534);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 333) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 534) / 2);
}

TEST_F(MainWindowAt144Dpi, HasEveryControlAtOneAndAHalfTimesItsRectangle) {
    expectControlsAt(kSystemDpi);
    for (const ExpectedControl& expected : kExpectedControls) {
        EXPECT_EQ(windowText(app.control(expected.id)), expected.text);
    }
}

// At the system DPI the window's font is DEFAULT_GUI_FONT's own size.
TEST_F(MainWindowAt144Dpi, DrawsEachLabelsTextInsideItsBoxInTheDefaultGuiFont) {
    const std::vector<RECT> texts = expectLabelTextsInsideTheirBoxes();
    ASSERT_EQ(texts.size(), std::size(kLabels));
    const auto font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::string text = windowText(app.control(kLabels[i]));
        SCOPED_TRACE(text);
        const SIZE expected = inkSize(wide(text), font);
        EXPECT_NEAR(texts[i].right - texts[i].left, expected.cx, 1);
        EXPECT_NEAR(texts[i].bottom - texts[i].top, expected.cy, 1);
    }
}

TEST_F(MainWindowAt144Dpi, TabAndShiftTabWalkTheFocusCycle) {
    ASSERT_EQ(app.focusedControl(), 按钮1);
    for (size_t step = 1; step <= kFocusCycle.size(); ++step) {
        SCOPED_TRACE("Tab " + std::to_string(step));
        const int expected = kFocusCycle[step % kFocusCycle.size()];
        pressKey(VK_TAB);
        EXPECT_EQ(app.waitForFocus(expected), expected);
    }
    for (size_t step = 1; step <= kFocusCycle.size(); ++step) {
        SCOPED_TRACE("Shift+Tab " + std::to_string(step));
        const int expected = kFocusCycle[kFocusCycle.size() - step];
        pressKey(VK_TAB, {VK_SHIFT});
        EXPECT_EQ(app.waitForFocus(expected), expected);
    }
}

// Windows moved the window onto a monitor at 200 %: it goes where Windows
// suggests, and everything inside is twice its 100 % size, with the user's
// texts, caret and focus as they were.
TEST_F(MainWindowAt144Dpi, LaysItselfOutAtTwiceItsSizeWhenMovedTo192Dpi) {
    const std::vector<RECT> textsBefore = expectLabelTextsInsideTheirBoxes();
    for (int step = 0; step < 4; ++step) pressKey(VK_TAB);  // 按钮1 to 编辑框3
    ASSERT_EQ(app.waitForFocus(编辑框3), 编辑框3);
    app.setText(编辑框3, "12345");
    sendMessage(app.control(编辑框3), EM_SETSEL, 1, 3);
    app.setText(编辑框1, "-7");

    const RECT suggested{100, 50, 100 + 444, 50 + 712};
    sendDpiChanged(app.window(), 192, suggested);

    const RECT outer = windowRect(app.window());
    EXPECT_TRUE(EqualRect(&outer, &suggested)) << str(outer);
    expectControlsAt(192);
    EXPECT_EQ(app.focusedControl(), 编辑框3);
    EXPECT_EQ(app.text(编辑框3), "12345");
    EXPECT_EQ(app.text(编辑框1), "-7");
    EXPECT_EQ(sendMessage(app.control(编辑框3), EM_GETSEL, 0, 0), MAKELRESULT(1, 3));
    const std::vector<RECT> textsAfter = expectLabelTextsInsideTheirBoxes();
    // The font grew with the layout: each label's text is 192/144 as large,
    // give or take the pixel that hinting rounds each glyph to.
    ASSERT_EQ(textsAfter.size(), textsBefore.size());
    for (size_t i = 0; i < textsAfter.size(); ++i) {
        const double before = textsBefore[i].right - textsBefore[i].left;
        const double after = textsAfter[i].right - textsAfter[i].left;
        EXPECT_NEAR(after / before, 192.0 / 144.0, 0.1) << "text " << before << " px wide before, " << after << " after";
    }
    pressKey(VK_TAB);
    EXPECT_EQ(app.waitForFocus(编辑框4), 编辑框4);
}

}  // namespace
