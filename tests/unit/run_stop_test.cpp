// Click runs that end early: Esc held by the user, or input the system
// refused. Either way the run makes no click after that moment, the pointer
// goes home, and the box says how far the run got, never "抢班完成".

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "commands/grid_click.h"
#include "grid_fixture.h"

namespace {

using RunStopTest = GridRunTest;

const std::string kRefusalAdvice =
    "。\r\n\r\n屏幕锁定或出现管理员权限提示时无法点击；目标程序以管理员身份运行时，Vostrel 也须以管理员身份运行。";

// The first `count` points of a run of this grid, in order, on the screen.
std::vector<POINT> runPoints(const std::vector<int32_t>& xs, const std::vector<int32_t>& ys, size_t count) {
    std::vector<POINT> points{{200, 300}};
    for (const int32_t x : xs) {
        for (const int32_t y : ys) {
            if (points.size() >= count) break;
            points.push_back({200 + x, 300 + y});
        }
    }
    points.resize(count);
    return points;
}

TEST_F(RunStopTest, EscBeforeTheFirstClickClicksNothing) {
    setGrid(target, {10, 20}, {5, 6});
    os.escapeDownAfterInjections = 0;
    os.escapeSleepsUntilUp = 2;
    os.calls.clear();
    clickGrid();
    // Pointer home at once; the box only once the key has been up for ten
    // looks and its messages are gone, so that neither closes the box nor
    // the window.
    std::vector<std::string> expected{
        "mouseButtonsSwapped",  "getCursorPos -> (1000,700)", "virtualDesktop", "escapeKeyDown -> yes",
        "setCursorPos (1000,700)", "escapeKeyDown -> yes",    "sleep 10",       "escapeKeyDown -> yes",
        "sleep 10",
    };
    for (int up = 1; up <= 10; ++up) {
        expected.push_back("escapeKeyDown -> no");
        if (up < 10) expected.push_back("sleep 10");
    }
    expected.push_back("discardEscapeKeyMessages");
    expected.push_back("messageBox 信息： information: 已停止：点击了 0 次，共 5 次");
    EXPECT_EQ(os.calls, expected);
    EXPECT_TRUE(os.presses.empty());
    EXPECT_EQ(os.pointer, kHome);
}

// A key state that reads up for a moment while the key is still held (as
// Wine's can) does not open the box.
TEST_F(RunStopTest, TheKeyMustStayUpBeforeTheBoxOpens) {
    setGrid(target, {10}, {5});
    os.escapeDownAfterInjections = 1;
    // After the stop's first look: up three times, down again, then up.
    os.escapeReadingsAfterSleeps = {false, false, false, true, false, false, false, false,
                                    false, false, false, false, false, false};
    clickGrid();
    const auto looks = fake::callsOf({"escapeKeyDown"});
    ASSERT_EQ(looks.size(), 2u + 1u + 14u);  // before each click, the wait.s first, one after each sleep
    EXPECT_EQ(looks.back(), "escapeKeyDown -> no");
    EXPECT_EQ(fake::callsOf({"sleep"}).size(), 14u);
    ASSERT_EQ(os.boxes.size(), 1u);
    EXPECT_EQ(os.boxes[0].text, "已停止：点击了 1 次，共 2 次");
}

// 70000 x 70000 points: more clicks than 32 bits can count.
TEST_F(RunStopTest, EscGoingDownMidRunStopsBeforeTheNextClick) {
    std::vector<int32_t> xs(70000), ys(70000);
    for (int32_t i = 0; i < 70000; ++i) xs[static_cast<size_t>(i)] = ys[static_cast<size_t>(i)] = i;
    setGrid(target, xs, ys);
    os.escapeDownAfterInjections = 5;
    clickGrid();
    EXPECT_EQ(pressPoints(), runPoints(xs, ys, 5));
    EXPECT_EQ(os.inputBatches.size(), 5u);
    EXPECT_EQ(os.pointer, kHome);
    expectOnlyBox("已停止：点击了 5 次，共 4900000001 次", platform::BoxKind::information);
}

TEST_F(RunStopTest, RefusedInputStopsTheRunAndSaysSo) {
    const std::vector<int32_t> xs{10, 20, 30}, ys{5, 6};  // 7 clicks
    struct Case {
        const char* name;
        size_t refusedInjection;  // 1 for the client origin's click
        size_t inserted;          // of its 2 inputs
        size_t clicksMade;
    };
    const Case cases[] = {
        {"nothing of the first click", 1, 0, 0},
        {"nothing of the fourth click", 4, 0, 3},
        {"the fourth click, but not its move back", 4, 1, 4},
        {"the last click, but not its move back", 7, 1, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake::reset();
        target = fake::addWindow(0x30, kTargetOrigin);
        os.pointer = kHome;
        setGrid(target, xs, ys);
        os.refuseFromInjection = c.refusedInjection;
        os.insertedWhenRefused = c.inserted;
        clickGrid();

        EXPECT_EQ(os.inputBatches.size(), c.refusedInjection) << "no injection after the refused one";
        EXPECT_EQ(pressPoints(), runPoints(xs, ys, c.clicksMade));
        EXPECT_EQ(os.pointer, kHome);
        EXPECT_EQ(fake::callsOf({"setCursorPos"}), (std::vector<std::string>{"setCursorPos (1000,700)"}));
        expectOnlyBox("系统拒绝了模拟点击，已停止：点击了 " + std::to_string(c.clicksMade) + " 次，共 7 次" + kRefusalAdvice,
                      platform::BoxKind::warning);
        EXPECT_TRUE(fake::callsOf({"sleep", "discardEscapeKeyMessages"}).empty());
    }
}

TEST_F(RunStopTest, EveryInputInsertedIsACompletedRun) {
    setGrid(target, {10, 20, 30}, {5, 6});
    os.refuseFromInjection = 1;
    os.insertedWhenRefused = 2;  // all of each click's inputs
    clickGrid();
    EXPECT_EQ(os.presses.size(), 7u);
    ASSERT_EQ(os.boxes.size(), 1u);
    EXPECT_EQ(os.boxes[0].text, "抢班完成");
}

// A run stopped by Esc leaves nothing behind: the next one runs in full.
TEST_F(RunStopTest, TheRunAfterAStopClicksEverything) {
    setGrid(target, {10, 20}, {5});
    os.escapeDownAfterInjections = 1;
    clickGrid();
    EXPECT_EQ(os.presses.size(), 1u);
    os.presses.clear();
    clickGrid();
    EXPECT_EQ(pressPoints(), runPoints({10, 20}, {5}, 3));
    ASSERT_EQ(os.boxes.size(), 2u);
    EXPECT_EQ(os.boxes[0].text, "已停止：点击了 1 次，共 3 次");
    EXPECT_EQ(os.boxes[1].text, "抢班完成");
}

}  // namespace
