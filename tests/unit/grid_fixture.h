#pragma once
// A target window on the fake desktop, the pointer resting elsewhere, and the
// grid state as a capture leaves it: what every click run starts from.

#include <cstdint>
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

    // Where the presses landed, in screen coordinates.
    static std::vector<POINT> pressPoints() { return fake::pressesRelativeTo({0, 0}); }

    static constexpr POINT kTargetOrigin{200, 300};
    static constexpr POINT kHome{1000, 700};
    HWND target = nullptr;
};
