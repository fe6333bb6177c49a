#include "steps/grid_runs.h"

#include <optional>

#include "support/controls.h"
#include "support/desktop.h"
#include "support/input.h"

namespace e2e {

std::vector<std::string> expectedEvents(POINT first, int xSpacing, int ySpacing, int columns, int rows) {
    std::vector<std::string> events;
    auto click = [&](int x, int y) {
        events.push_back("down " + std::to_string(x) + " " + std::to_string(y));
        events.push_back("up " + std::to_string(x) + " " + std::to_string(y));
    };
    click(0, 0);
    for (int i = 0; i < columns; ++i) {
        for (int j = 0; j < rows; ++j) click(first.x + i * xSpacing, first.y + j * ySpacing);
    }
    return events;
}

void GridRuns::SetUp() {
    target = std::make_unique<ClickRecorder>(placement_);
    ASSERT_TRUE(movePointer(restingPoint_));
}

void GridRuns::waitUntilEnabled() const {
    ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(app.window()) != FALSE; }, kPromptly));
}

void GridRuns::capture(const Grid& grid) {
    app.setGrid(grid.xSpacing, grid.ySpacing, grid.xCount, grid.yCount);
    ASSERT_TRUE(clickWindow(app.control(按钮1)));
    ASSERT_TRUE(movePointer(target->onScreen(grid.first)));
    const auto box = app.waitForMessageBox(Vostrel::kCaptureWait + kPromptly);
    ASSERT_TRUE(box.has_value());
    ASSERT_EQ(box->text, "已经取到坐标");
    dismissMessageBox(box->window);
    waitUntilEnabled();
}

std::vector<std::string> GridRuns::run(size_t expectedEventCount) {
    const size_t before = target->events().size();
    const POINT home = centre(windowRect(app.control(按钮2)));
    EXPECT_TRUE(clickWindow(app.control(按钮2)));
    const auto box = app.waitForMessageBox(kPromptly);
    EXPECT_TRUE(box.has_value());
    if (!box) return {};
    EXPECT_EQ(box->caption, "信息：");
    EXPECT_EQ(box->text, kRunDone);
    EXPECT_FALSE(IsWindowEnabled(app.window())) << "the box is task-modal";
    // Every click was injected before the box opened; allow the target to
    // catch up with its queue, then look for anything extra.
    auto events = target->waitForEvents(before + expectedEventCount, kPromptly);
    const POINT back = waitForValue([] { return cursorPosition(); },
                                    [&](POINT p) { return p.x == home.x && p.y == home.y; }, kPromptly);
    EXPECT_TRUE(back.x == home.x && back.y == home.y)
        << "pointer at (" << back.x << ", " << back.y << "), not back on 点击";
    dismissMessageBox(box->window);
    waitUntilEnabled();
    return {events.begin() + static_cast<std::ptrdiff_t>(before), events.end()};
}

}  // namespace e2e
