// Captures and click runs with a second monitor left of and above the
// primary one, so that the virtual screen starts at negative coordinates:
// offsets and clicks there are exact, and a target moved from one monitor to
// the other between runs is followed.

#include <gtest/gtest.h>

#include "steps/grid_runs.h"
#include "support/controls.h"
#include "support/desktop.h"

namespace {

using namespace e2e;

// The desktop as with-display.sh and wine-prefix.sh --xinerama make it: the
// primary monitor at (0, 0), the secondary one spanning (-1280, -1024) to
// (0, 0). The two touch only at that corner.
constexpr RECT kVirtualScreen{-1280, -1024, 1280, 1024};

// On the secondary monitor, well inside it.
constexpr ClickRecorder::Placement kTarget{-1200, -900, 480, 300};
// On the primary monitor, left of the centred Vostrel window.
constexpr POINT kOnThePrimary{20, 20};
// Bare desktop of the primary monitor, right of the Vostrel window.
constexpr POINT kRestingPoint{1100, 950};

class GridClickOnTwoMonitors : public GridRuns {
protected:
    GridClickOnTwoMonitors() : GridRuns(kTarget, kRestingPoint) {}

    void SetUp() override {
        ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 2) << "the desktop has not two monitors";
        const RECT virtualScreen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                                 GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                 GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
        ASSERT_TRUE(EqualRect(&virtualScreen, &kVirtualScreen)) << "the virtual screen is not the expected one";
        GridRuns::SetUp();
    }

    // Moves the target's outer top-left corner to `to`, and waits until it is there.
    void moveTarget(POINT to) const {
        const RECT outer = windowRect(target->window());
        const POINT origin = target->clientOrigin();
        const POINT expected{origin.x + to.x - outer.left, origin.y + to.y - outer.top};
        SetWindowPos(target->window(), nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(waitUntil([&] {
            const POINT now = target->clientOrigin();
            return now.x == expected.x && now.y == expected.y;
        }, kPromptly));
    }
};

TEST_F(GridClickOnTwoMonitors, CapturesAndClicksATargetOnTheSecondaryMonitor) {
    const POINT origin = target->clientOrigin();
    ASSERT_LT(origin.x, 0);
    ASSERT_LT(origin.y, 0);
    capture({{30, 40}, "100", "33", "3", "4"});
    EXPECT_EQ(app.text(编辑框1), "30");
    EXPECT_EQ(app.text(编辑框2), "40");
    const auto expected = expectedEvents({30, 40}, 100, 33, 3, 4);
    EXPECT_EQ(run(expected.size()), expected);
}

// The grid is relative to the target's client area wherever it is: moved to
// the primary monitor and back, it is clicked on the same points.
TEST_F(GridClickOnTwoMonitors, FollowsATargetMovedToTheOtherMonitorBetweenRuns) {
    capture({{50, 60}, "120", "40", "3", "2"});
    const auto expected = expectedEvents({50, 60}, 120, 40, 3, 2);
    EXPECT_EQ(run(expected.size()), expected);

    moveTarget(kOnThePrimary);
    ASSERT_GT(target->clientOrigin().x, 0);
    EXPECT_EQ(run(expected.size()), expected);

    moveTarget({kTarget.x, kTarget.y});
    ASSERT_LT(target->clientOrigin().x, 0);
    EXPECT_EQ(run(expected.size()), expected);
}

// No window under the pointer but the desktop's: the offset is the screen
// position itself, negative on the secondary monitor.
TEST_F(GridClickOnTwoMonitors, CaptureOnTheBareSecondaryMonitorShowsNegativeScreenCoordinates) {
    const POINT bare{-300, -200};
    const POINT origin = target->clientOrigin();
    capture({{bare.x - origin.x, bare.y - origin.y}, "150", "33", "7", "5"});
    EXPECT_EQ(app.text(编辑框1), "-300");
    EXPECT_EQ(app.text(编辑框2), "-200");
}

}  // namespace
