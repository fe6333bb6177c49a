// Click runs on another program's window: after a real capture, 点击 clicks
// the target's client origin and then every grid point column by column, each
// exactly on its point, and the pointer comes back every time.

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "steps/grid_runs.h"
#include "support/click_recorder.h"
#include "support/controls.h"
#include "support/desktop.h"
#include "support/input.h"
#include "support/vostrel.h"

namespace {

using namespace e2e;
using namespace std::chrono_literals;

// Wide enough for the default 7 x 5 grid, and above the centred Vostrel
// window and its message boxes, so no click can land on those.
constexpr ClickRecorder::Placement kTarget{40, 40, 1000, 220};
// Bare desktop: where the pointer rests before a test starts.
constexpr POINT kRestingPoint{1100, 950};

class GridClick : public GridRuns {
protected:
    GridClick() : GridRuns(kTarget, kRestingPoint) {}
};

TEST_F(GridClick, ClicksTheOriginThenEveryPointColumnByColumn) {
    capture({{30, 40}, "100", "33", "2", "3"});
    const auto expected = expectedEvents({30, 40}, 100, 33, 2, 3);
    EXPECT_EQ(run(expected.size()), expected);
    EXPECT_EQ(target->events(), expected) << "nothing else reaches the target";
}

TEST_F(GridClick, OneByOneGridClicksTheOriginAndTheCapturedPoint) {
    capture({{321, 123}, "150", "33", "1", "1"});
    EXPECT_EQ(run(4), (std::vector<std::string>{"down 0 0", "up 0 0", "down 321 123", "up 321 123"}));
}

TEST_F(GridClick, NegativeSpacingClicksLeftAndUpFromTheFirstPoint) {
    capture({{700, 150}, "-200", "-60", "3", "2"});
    const auto expected = expectedEvents({700, 150}, -200, -60, 3, 2);
    EXPECT_EQ(run(expected.size()), expected);
}

// The client origin is looked up for every click: a target that moved
// between two runs is clicked where it now is.
TEST_F(GridClick, ASecondRunFollowsTheTargetAfterItMoved) {
    capture({{50, 60}, "120", "40", "3", "2"});
    const auto expected = expectedEvents({50, 60}, 120, 40, 3, 2);
    EXPECT_EQ(run(expected.size()), expected);

    const RECT before = windowRect(target->window());
    const POINT originBefore = target->clientOrigin();
    // Still clear of Vostrel's buttons, which the runs are started from.
    SetWindowPos(target->window(), nullptr, before.left + 150, before.top + 50, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(waitUntil([&] {
        const POINT now = target->clientOrigin();
        return now.x == originBefore.x + 150 && now.y == originBefore.y + 50;
    }, kPromptly));
    EXPECT_EQ(run(expected.size()), expected);
}

// 50 presses of 点击 on the default grid, back to back: every click of every
// run lands on its point, and nothing is lost or added.
TEST_F(GridClick, FiftyRunsOfTheDefaultGridLoseNoClick) {
    capture({{10, 20}, "150", "33", "7", "5"});
    const auto expected = expectedEvents({10, 20}, 150, 33, 7, 5);
    constexpr int kRuns = 50;
    int exactRuns = 0;
    for (int r = 0; r < kRuns; ++r) {
        const auto events = run(expected.size());
        if (events == expected) {
            ++exactRuns;
        } else {
            ADD_FAILURE() << "run " << r + 1 << " logged " << events.size() << " events, not exactly the "
                          << expected.size() << " expected";
        }
    }
    EXPECT_EQ(exactRuns, kRuns);
}

// Before any capture there is no target and no grid: one click, at the top
// left corner of the screen.
TEST(GridClickBeforeCapture, ClicksOnceAtTheScreenOrigin) {
    // The target's client area covers the screen's top-left corner.
    ClickRecorder target({0, 0, 300, 200});
    const POINT origin = target.clientOrigin();
    const RECT outer = windowRect(target.window());
    SetWindowPos(target.window(), nullptr, outer.left - origin.x, outer.top - origin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(waitUntil([&] {
        const POINT now = target.clientOrigin();
        return now.x == 0 && now.y == 0;
    }, kPromptly));

    Vostrel app;
    ASSERT_TRUE(clickWindow(app.control(按钮2)));
    const auto box = app.waitForMessageBox(kPromptly);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, kRunDone);
    EXPECT_EQ(target.waitForEvents(2, kPromptly), (std::vector<std::string>{"down 0 0", "up 0 0"}));
    dismissMessageBox(box->window);
    PostMessageW(app.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(app.waitForExit(kPromptly), std::optional<DWORD>(0));
}

}  // namespace
