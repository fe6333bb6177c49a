#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "fixture.h"
#include "pointer/geometry.h"

namespace {

using GeometryTest = FakeDesktopTest;

TEST_F(GeometryTest, CursorPositionAsksAnewEachTime) {
    os.cursorReadings = {{5, 6}, {-7, 8}};
    EXPECT_EQ(cursorPosition(), (POINT{5, 6}));
    EXPECT_EQ(cursorPosition(), (POINT{-7, 8}));
}

TEST_F(GeometryTest, WindowUnderCursorAsksAtThePointerPosition) {
    os.cursorReadings = {{300, 400}};
    os.windowAtPoint = fake::handle(0x51);
    EXPECT_EQ(windowUnderCursor(), fake::handle(0x51));
    EXPECT_EQ(os.calls, (std::vector<std::string>{"getCursorPos -> (300,400)", "windowFromPoint (300,400) -> 0x51"}));
}

TEST_F(GeometryTest, ClientOriginOfAWindowThatIsGoneIsTheScreenOrigin) {
    const HWND window = fake::addWindow(0x10, {-1280, 24});
    EXPECT_EQ(clientOrigin(window), (POINT{-1280, 24}));
    EXPECT_EQ(clientOrigin(fake::handle(0x99)), (POINT{0, 0}));
}

TEST_F(GeometryTest, CursorRelativeToAWindowsClientArea) {
    struct Case {
        const char* name;
        POINT clientOrigin;
        POINT pointer;
        POINT expected;
    };
    const Case cases[] = {
        {"top-left client pixel", {100, 200}, {100, 200}, {0, 0}},
        {"one pixel to the left", {100, 200}, {99, 200}, {-1, 0}},
        {"one pixel above", {100, 200}, {100, 199}, {0, -1}},
        {"inside", {100, 200}, {110, 233}, {10, 33}},
        {"display left of the primary one", {-1900, -50}, {-1800, 10}, {100, 60}},
        {"wraps below the 32-bit range", {1, 2}, {INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX - 1}},
        {"wraps above the 32-bit range", {-1, -2}, {INT32_MAX, INT32_MAX}, {INT32_MIN, INT32_MIN + 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake::reset();
        const HWND window = fake::addWindow(0x20, c.clientOrigin);
        os.pointer = c.pointer;
        EXPECT_EQ(cursorRelativeTo(window), c.expected);
    }
}

TEST_F(GeometryTest, CursorRelativeToReadsTheClientOriginBeforeThePointer) {
    const HWND window = fake::addWindow(0x20, {100, 200});
    os.pointer = {150, 260};
    cursorRelativeTo(window);
    EXPECT_EQ(os.calls,
              (std::vector<std::string>{"clientToScreen 0x20 (0,0) -> (100,200)", "getCursorPos -> (150,260)"}));
}

TEST_F(GeometryTest, CursorRelativeToNoWindowIsTheScreenPosition) {
    os.pointer = {-30, 45};
    EXPECT_EQ(cursorRelativeTo(nullptr), (POINT{-30, 45}));
    EXPECT_EQ(os.calls, (std::vector<std::string>{"getCursorPos -> (-30,45)"}));
}

TEST_F(GeometryTest, CursorRelativeToAWindowThatIsGoneIsTheScreenPosition) {
    os.pointer = {70, 80};
    EXPECT_EQ(cursorRelativeTo(fake::handle(0x77)), (POINT{70, 80}));
}

}  // namespace
