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

// Holding Esc stops a long run at once: nothing is clicked after the key went
// down, the pointer is home, and a box tells how far the run got. The box
// waits for the key to come up, and the press closes neither it nor the
// window: the next run goes on as usual.

//
// The run starts from the keyboard, with the pointer resting on the bare
// desktop, so that the pointer enters no window of Vostrel's during the run:
// each window it enters has Wine take the key state afresh from X (see
// HeldKey), and Vostrel would let the test's key go before every look.
TEST_F(GridClick, HoldingEscStopsALongRunAndTellsHowFarItGot) {
    capture({{10, 10}, "8", "2", "100", "100"});
    const auto all = expectedEvents({10, 10}, 8, 2, 100, 100);  // 10,001 clicks
    const POINT home = kRestingPoint;
    // The capture was started on 按钮1, so the focus comes back there.
    SetForegroundWindow(app.window());
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == app.window(); }, kPromptly));
    ASSERT_EQ(app.waitForFocus(按钮1), 按钮1);
    pressKey(VK_TAB);
    ASSERT_EQ(app.waitForFocus(按钮2), 按钮2);
    ASSERT_TRUE(movePointer(home));
    pressKey(VK_SPACE);
    ASSERT_TRUE(waitUntil([&] { return target->events().size() >= 200; }, kPromptly)) << "the run did not start";

    HeldKey escape(VK_ESCAPE);
    // Up again only when no more clicks arrive: the target may lag the
    // injections by seconds.
    waitForSteady([&] { return target->logSize(); }, 1000ms, 60s);
    const auto events = target->events();
    const POINT back = waitForValue([] { return cursorPosition(); },
                                    [&](POINT p) { return p.x == home.x && p.y == home.y; }, kPromptly);
    EXPECT_TRUE(back.x == home.x && back.y == home.y) << "pointer at (" << back.x << ", " << back.y << ")";
    EXPECT_TRUE(messageBoxes(app.process().id()).empty()) << "the box must wait for the key to come up";
    escape.release();

    const auto box = app.waitForMessageBox(kPromptly);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, "信息：");
    const size_t clicks = events.size() / 2;
    EXPECT_GT(clicks, 0u);
    EXPECT_LT(clicks, 10001u) << "Esc did not stop the run";
    EXPECT_EQ(box->text, "已停止：点击了 " + std::to_string(clicks) + " 次，共 10001 次");
    EXPECT_EQ(events, std::vector<std::string>(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(2 * clicks)))
        << "exactly the first points of the grid, in order";

    EXPECT_FALSE(waitUntil([&] { return IsWindowVisible(box->window) == FALSE; }, 500ms))
        << "the Esc that stopped the run closed the box";
    dismissMessageBox(box->window);
    waitUntilEnabled();
    ASSERT_TRUE(app.process().running());
    EXPECT_EQ(target->events().size(), events.size()) << "clicks after the stop";

    capture({{30, 40}, "100", "33", "2", "3"});
    const auto expected = expectedEvents({30, 40}, 100, 33, 2, 3);
    EXPECT_EQ(run(expected.size()), expected);
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
