#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "commands/grid_click.h"
#include "grid_fixture.h"
#include "pointer/click.h"

namespace {

constexpr uint32_t kRightClick = MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP;

using ClickTest = GridRunTest;

TEST_F(ClickTest, OneClickIsOneInjectionCarryingThePressAndTheMoveBack) {
    ClickRun run;
    EXPECT_TRUE(run.click(target, 10, 20));
    run.finish();
    EXPECT_EQ(os.calls, (std::vector<std::string>{
                            "mouseButtonsSwapped",
                            "getCursorPos -> (1000,700)",
                            "virtualDesktop",
                            "escapeKeyDown -> no",
                            "clientToScreen 0x30 (0,0) -> (200,300)",
                            "sendMouseInput (210,320) move|absolute|virtualdesk|leftdown|leftup; "
                            "(1000,700) move|absolute|virtualdesk",
                            "setCursorPos (1000,700)",
                        }));
    EXPECT_EQ(run.end(), ClickRun::End::completed);
    EXPECT_EQ(run.clicksMade(), 1);
    ASSERT_EQ(os.inputBatches.size(), 1u);
    ASSERT_EQ(os.inputBatches[0].size(), 2u);
    EXPECT_EQ(os.inputBatches[0][0].flags, kAbsoluteMove | kLeftClick);
    EXPECT_EQ(os.inputBatches[0][1].flags, kAbsoluteMove);
    EXPECT_EQ(pressPoints(), (std::vector<POINT>{{210, 320}}));
    EXPECT_EQ(os.pointer, kHome);
}

TEST_F(ClickTest, SwappedButtonsClickWithTheRightPhysicalButton) {
    os.buttonsSwapped = true;
    ClickRun().click(target, 1, 2);
    ASSERT_EQ(os.presses.size(), 1u);
    EXPECT_EQ(os.presses[0].buttons, kRightClick);
    EXPECT_EQ(os.inputBatches[0][0].flags, kAbsoluteMove | kRightClick);
}

TEST_F(ClickTest, ClickLandsOnItsPoint) {
    struct Case {
        const char* name;
        platform::Desktop desktop;
        HWND window;
        POINT offset;
        POINT lands;  // screen point
    };
    const Case cases[] = {
        {"no window: screen point", {0, 0, 1920, 1080}, nullptr, {640, 480}, {640, 480}},
        {"client point", {0, 0, 1920, 1080}, fake::handle(0x30), {10, 20}, {210, 320}},
        {"negative offsets", {0, 0, 1920, 1080}, fake::handle(0x30), {-150, -40}, {50, 260}},
        {"window gone: offsets taken as screen point", {0, 0, 1920, 1080}, fake::handle(0x99), {100, 40}, {100, 40}},
        {"last pixel of the desktop", {0, 0, 1920, 1080}, nullptr, {1919, 1079}, {1919, 1079}},
        {"display left of and above the primary one", {-2560, -400, 4480, 1480}, nullptr, {-2560, -400}, {-2560, -400}},
        {"off the desktop: the pointer stops at its edge", {0, 0, 1920, 1080}, fake::handle(0x30), {-500, 2000},
         {0, 1079}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake::reset();
        fake::addWindow(0x30, kTargetOrigin);
        os.desktop = c.desktop;
        os.pointer = {5, 6};
        ClickRun().click(c.window, c.offset.x, c.offset.y);
        EXPECT_EQ(pressPoints(), (std::vector<POINT>{c.lands}));
        EXPECT_EQ(os.pointer, (POINT{5, 6}));
    }
}

TEST_F(ClickTest, MoveCursorToPlacesThePointerAtTheClientPoint) {
    moveCursorTo(target, -5, 7);
    EXPECT_EQ(os.pointer, (POINT{195, 307}));
    moveCursorTo(nullptr, 33, 44);
    EXPECT_EQ(os.pointer, (POINT{33, 44}));
    EXPECT_EQ(fake::callsOf({"setCursorPos"}),
              (std::vector<std::string>{"setCursorPos (195,307)", "setCursorPos (33,44)"}));
}

TEST_F(ClickTest, RunClicksTheOriginThenColumnByColumn) {
    setGrid(target, {100, 250}, {40, 73, 106});
    // The user moves the mouse during the run: the clicks still come back to
    // where the pointer was when the run began.
    os.cursorReadings = {kHome, {1, 1}, {2, 2}};
    clickGrid();
    EXPECT_EQ(fake::pressesRelativeTo(kTargetOrigin),
              (std::vector<POINT>{{0, 0}, {100, 40}, {100, 73}, {100, 106}, {250, 40}, {250, 73}, {250, 106}}));
    for (const fake::Press& press : os.presses) EXPECT_EQ(press.buttons, kLeftClick);

    EXPECT_EQ(fake::callsOf({"getCursorPos"}).size(), 1u);
    EXPECT_EQ(fake::callsOf({"clientToScreen"}).size(), 7u);
    EXPECT_EQ(fake::callsOf({"escapeKeyDown"}), std::vector<std::string>(7, "escapeKeyDown -> no"));
    // The pointer travels home inside every injection; it is set there
    // directly once, when the run is over.
    EXPECT_EQ(fake::callsOf({"setCursorPos"}), (std::vector<std::string>{"setCursorPos (1000,700)"}));
    EXPECT_EQ(os.calls.back(), "messageBox 信息： information: 抢班完成");
    EXPECT_EQ(*(os.calls.end() - 2), "setCursorPos (1000,700)");
    ASSERT_EQ(os.inputBatches.size(), 7u);
    for (const auto& batch : os.inputBatches) {
        ASSERT_EQ(batch.size(), 2u);
        EXPECT_EQ(batch[1], os.inputBatches[0][1]);  // the same move home every time
    }
    EXPECT_EQ(os.pointer, kHome);
    expectOnlyBox("抢班完成", platform::BoxKind::information);
}

TEST_F(ClickTest, RunOfOneByOneClicksTheClientOriginAndTheCapturedOrigin) {
    setGrid(target, {15}, {25});
    os.calls.clear();
    clickGrid();  // nothing but the clicks: no allocation, no messages, no waiting
    const std::string home = "; (1000,700) move|absolute|virtualdesk";
    EXPECT_EQ(os.calls, (std::vector<std::string>{
                            "mouseButtonsSwapped",
                            "getCursorPos -> (1000,700)",
                            "virtualDesktop",
                            "escapeKeyDown -> no",
                            "clientToScreen 0x30 (0,0) -> (200,300)",
                            "sendMouseInput (200,300) move|absolute|virtualdesk|leftdown|leftup" + home,
                            "escapeKeyDown -> no",
                            "clientToScreen 0x30 (0,0) -> (200,300)",
                            "sendMouseInput (215,325) move|absolute|virtualdesk|leftdown|leftup" + home,
                            "setCursorPos (1000,700)",
                            "messageBox 信息： information: 抢班完成",
                        }));
}

TEST_F(ClickTest, RunBeforeAnyCaptureClicksTheScreenOriginOnce) {
    clickGrid();
    EXPECT_EQ(pressPoints(), (std::vector<POINT>{{0, 0}}));
    EXPECT_TRUE(fake::callsOf({"clientToScreen"}).empty());
    ASSERT_EQ(os.boxes.size(), 1u);
    EXPECT_EQ(os.boxes[0].text, "抢班完成");
}

TEST_F(ClickTest, RunOnAWindowThatIsGoneClicksTheOffsetsOnTheScreen) {
    setGrid(fake::handle(0x99), {100, 250}, {40});
    clickGrid();
    EXPECT_EQ(pressPoints(), (std::vector<POINT>{{0, 0}, {100, 40}, {250, 40}}));
}

TEST_F(ClickTest, RunFollowsATargetThatMovesBetweenClicks) {
    setGrid(target, {10, 20}, {5});
    os.onSendInput = [&] {
        fake::Window& moved = os.windows[target];
        moved.clientOrigin = {moved.clientOrigin.x + 7, moved.clientOrigin.y + 3};
    };
    clickGrid();
    EXPECT_EQ(pressPoints(), (std::vector<POINT>{{200, 300}, {217, 308}, {234, 311}}));

    // And the next run starts from where the window is now.
    os.presses.clear();
    os.onSendInput = nullptr;
    os.windows[target].clientOrigin = {800, 40};
    clickGrid();
    EXPECT_EQ(pressPoints(), (std::vector<POINT>{{800, 40}, {810, 45}, {820, 45}}));
}

}  // namespace
