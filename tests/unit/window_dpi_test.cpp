#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/window_dpi.h"
#include "fixture.h"

namespace {

using WindowDpiTest = FakeDesktopTest;

const HWND kWindow = fake::handle(0x40);

TEST_F(WindowDpiTest, IsTheMonitorsDpiWhereWindowsCanTellIt) {
    os.dpiForWindow = 144;
    os.systemDpi = 96;
    EXPECT_EQ(windowDpi(kWindow), 144);
    EXPECT_EQ(os.calls, (std::vector<std::string>{"dpiForWindow 0x40 -> 144"}));
}

TEST_F(WindowDpiTest, IsTheSystemDpiOtherwise) {
    struct Case {
        const char* name;
        std::optional<uint32_t> dpiForWindow;
        uint32_t systemDpi;
        int32_t expected;
    };
    const Case cases[] = {
        {"Windows 7 and 8: no GetDpiForWindow", std::nullopt, 120, 120},
        {"GetDpiForWindow fails (0) for a window that is gone", 0, 144, 144},
        {"nor can the screen be read", std::nullopt, 0, 96},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        os.dpiForWindow = c.dpiForWindow;
        os.systemDpi = c.systemDpi;
        EXPECT_EQ(windowDpi(kWindow), c.expected);
    }
}

TEST_F(WindowDpiTest, SystemDpiIs96WhereTheScreenCannotBeRead) {
    os.systemDpi = 168;
    EXPECT_EQ(systemDpi(), 168);
    os.systemDpi = 0;
    EXPECT_EQ(systemDpi(), 96);
}

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// WM_DPICHANGED is read from its parameters alone: asking the system for the
// DPI could still give the old one, which the fake answers here.
TEST_F(WindowDpiTest, ADpiChangeIsReadFromTheMessage) {
    os.dpiForWindow = 144;
    const RECT current{200, 100, 200 + 333, 100 + 534};
    const RECT suggested{-900, -700, -900 + 444, -700 + 712};
    struct Case {
        const char* name;
        uint64_t wParam;
        const RECT* suggested;
        int32_t dpi;
        RECT outer;
    };
    const Case cases[] = {
        {"to the suggested rectangle", (192u << 16) | 192u, &suggested, 192, suggested},
        {"the DPI in the low word", (96u << 16) | 192u, &suggested, 192, suggested},
        {"no rectangle: the corner kept, the size scaled", (120u << 16) | 120u, nullptr, 120,
         {200, 100, 200 + 278, 100 + 445}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<DpiChange> change = readDpiChange(c.wParam, c.suggested, current);
        ASSERT_TRUE(change.has_value());
        EXPECT_EQ(change->dpi, c.dpi);
        EXPECT_TRUE(change->outer == c.outer);
    }
    EXPECT_TRUE(os.calls.empty()) << "asked the system";
}

TEST_F(WindowDpiTest, AMessageWithoutADpiChangesNothing) {
    const RECT current{0, 0, 222, 356};
    EXPECT_FALSE(readDpiChange(0, &current, current).has_value());
    EXPECT_FALSE(readDpiChange(192u << 16, &current, current).has_value());
}

}  // namespace
