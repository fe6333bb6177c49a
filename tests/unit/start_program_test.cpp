#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/grid_state.h"
#include "app/start_program.h"
#include "commands/grid_click.h"
#include "core/end_routines.h"
#include "fixture.h"

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

TEST_F(StartProgramTest, GridClickRightAfterStartClicksScreenOriginOnce) {
    os.pointer = {640, 480};
    os.onMessageLoop = clickGrid;  // the click button, pressed before any capture
    EXPECT_EQ(startProgram(), 0);
    ASSERT_EQ(os.presses.size(), 1u);
    EXPECT_EQ(os.presses[0].at, (POINT{0, 0}));
    EXPECT_EQ(os.pointer, (POINT{640, 480}));
    ASSERT_EQ(os.boxes.size(), 1u);
    EXPECT_EQ(os.boxes[0].text, "抢班完成");
}

}  // namespace
