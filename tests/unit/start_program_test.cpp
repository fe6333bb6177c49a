#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/grid_state.h"
#include "core/end_routines.h"
#include "fixture.h"
#include "program/start_program.h"

namespace {

using StartProgramTest = FakeDesktopTest;

TEST_F(StartProgramTest, SetsUpTheGridStateThenRunsTheWindowUntilItCloses) {
    os.onMessageLoop = [] {
        // The state that the commands find, whenever the first one runs.
        EXPECT_EQ(gridState.targetWindow, nullptr);
        EXPECT_EQ(gridState.origin, (POINT{0, 0}));
        EXPECT_EQ(gridState.columnCount, 0);
        EXPECT_EQ(gridState.rowCount, 0);
        ASSERT_EQ(gridState.xList.count(), 7);
        ASSERT_EQ(gridState.yList.count(), 5);
        for (int32_t i = 1; i <= 7; ++i) EXPECT_EQ(gridState.xList.at(i, {0, 0}), 0);
        for (int32_t i = 1; i <= 5; ++i) EXPECT_EQ(gridState.yList.at(i, {0, 0}), 0);
    };
    EXPECT_EQ(startProgram(), 0);
    EXPECT_EQ(os.calls, (std::vector<std::string>{"allocate 36 -> #1", "allocate 28 -> #2", "openMainWindow",
                                                  "runMessageLoop"}));

    // The end of the program releases the grid state, once.
    os.calls.clear();
    runEndRoutines();
    EXPECT_EQ(os.calls, (std::vector<std::string>{"release #1", "release #2"}));
    EXPECT_EQ(gridState.xList.count(), 0);
    EXPECT_EQ(gridState.yList.count(), 0);
}

// 按钮1 runs the capture (it waits, then reads the pointer and the fields),
// 按钮2 the click run; being created runs nothing.
TEST_F(StartProgramTest, WiresTheCaptureToTheFirstButtonAndTheClickRunToTheSecond) {
    const HWND target = fake::addWindow(0x40, {100, 200});
    os.windowAtPoint = target;
    os.pointer = {110, 220};
    os.onMessageLoop = [&] {
        EXPECT_EQ(os.windowEvents.created, nullptr);
        fake::clickButton(Control::按钮1);
        EXPECT_EQ(fake::callsOf({"getTickCount"}).size(), 5u) << "the capture's wait";
        EXPECT_EQ(gridState.targetWindow, target);
        EXPECT_TRUE(os.presses.empty()) << "a capture clicks nothing";

        fake::clickButton(Control::按钮2);
        EXPECT_EQ(os.presses.size(), 1u + 7u * 5u);
    };
    EXPECT_EQ(startProgram(), 0);
    ASSERT_EQ(os.boxes.size(), 2u);
    EXPECT_EQ(os.boxes[0].text, "已经取到坐标");
    EXPECT_EQ(os.boxes[1].text, "抢班完成");
}

TEST_F(StartProgramTest, GridClickRightAfterStartClicksScreenOriginOnce) {
    os.pointer = {640, 480};
    os.onMessageLoop = [] { fake::clickButton(Control::按钮2); };  // before any capture
    EXPECT_EQ(startProgram(), 0);
    ASSERT_EQ(os.presses.size(), 1u);
    EXPECT_EQ(os.presses[0].at, (POINT{0, 0}));
    EXPECT_EQ(os.pointer, (POINT{640, 480}));
    ASSERT_EQ(os.boxes.size(), 1u);
    EXPECT_EQ(os.boxes[0].text, "抢班完成");
}

}  // namespace
