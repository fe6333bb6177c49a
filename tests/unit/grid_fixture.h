#pragma once
// A target window on the fake desktop, the pointer resting elsewhere, and the
// grid state as a capture leaves it: what every click run starts from.

#include <cstdint>
#include <string>
#include <vector>

#include "app/grid_state.h"
#include "fixture.h"

constexpr uint32_t kAbsoluteMove = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
constexpr uint32_t kLeftClick = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP;

class GridRunTest : public FakeDesktopTest {
protected:
    void SetUp() override {
        FakeDesktopTest::SetUp();
        target = fake::addWindow(0x30, kTargetOrigin);
        os.pointer = kHome;
    }

    static void setGrid(HWND window, const std::vector<int32_t>& xs, const std::vector<int32_t>& ys) {
        gridState.targetWindow = window;
        gridState.columnCount = static_cast<int32_t>(xs.size());
        gridState.rowCount = static_cast<int32_t>(ys.size());
        gridState.xList = IntList(gridState.columnCount);
        gridState.yList = IntList(gridState.rowCount);
        for (int32_t i = 1; i <= gridState.columnCount; ++i) gridState.xList.at(i, {0, 0}) = xs[i - 1];
        for (int32_t j = 1; j <= gridState.rowCount; ++j) gridState.yList.at(j, {0, 0}) = ys[j - 1];
    }

    // The run's one box: its text, the caption "信息：" and its kind.
    void expectOnlyBox(const std::string& text, platform::BoxKind kind) const {
        ASSERT_EQ(os.boxes.size(), 1u);
        EXPECT_EQ(os.boxes[0].text, text);
        EXPECT_EQ(os.boxes[0].caption, "信息：");
        EXPECT_EQ(os.boxes[0].kind, kind);
    }

    // Where the presses landed, in screen coordinates.
    static std::vector<POINT> pressPoints() { return fake::pressesRelativeTo({0, 0}); }

    static constexpr POINT kTargetOrigin{200, 300};
    static constexpr POINT kHome{1000, 700};
    HWND target = nullptr;
};
