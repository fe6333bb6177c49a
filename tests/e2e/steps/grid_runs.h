#pragma once
// The steps of the click-run tests, wherever the desktop puts the target: a
// capture through the window as a user makes it, and runs started with the
// mouse, each checked for its box and for the pointer coming back.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/click_recorder.h"
#include "support/vostrel.h"

namespace e2e {

inline const std::string kRunDone = "抢班完成";

struct Grid {
    POINT first;  // client point captured
    std::string xSpacing, ySpacing, xCount, yCount;
};

// "down x y" and "up x y" for every click of one run, in order: the client
// origin, then all rows of the first column, then the next column.
std::vector<std::string> expectedEvents(POINT first, int xSpacing, int ySpacing, int columns, int rows);

// A Vostrel and a click recorder at `target`, with the pointer resting at
// `restingPoint` (bare desktop) when each test starts.
class GridRuns : public testing::Test {
protected:
    GridRuns(ClickRecorder::Placement target, POINT restingPoint) : placement_(target), restingPoint_(restingPoint) {}

    void SetUp() override;

    void waitUntilEnabled() const;

    // The parameters typed, 取坐标 clicked, the pointer put on the first grid
    // point of the target.
    void capture(const Grid& grid);

    // One run started by a click on 点击; returns the events the target logged
    // for it, and checks the box that ends the run and that the pointer came
    // back to the button after every click. (The mouse, not the keyboard:
    // under Wine without a window manager, the keyboard focus after a message
    // box is not reliably back in the window.)
    std::vector<std::string> run(size_t expectedEventCount);

    std::unique_ptr<ClickRecorder> target;
    Vostrel app;

private:
    ClickRecorder::Placement placement_;
    POINT restingPoint_;
};

}  // namespace e2e
