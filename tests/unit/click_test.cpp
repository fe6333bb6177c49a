#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/grid_state.h"
#include "commands/grid_click.h"
#include "fixture.h"
#include "pointer/click.h"

namespace {

constexpr uint32_t kAbsoluteMove = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
constexpr uint32_t kLeftClick = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP;
constexpr uint32_t kRightClick = MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP;

class ClickTest : public FakeDesktopTest {
protected:
    void SetUp() override {
        FakeDesktopTest::SetUp();
        target = fake::addWindow(0x30, kTargetOrigin);
        os.pointer = kHome;
    }

    // The grid state as a capture leaves it.
    static void setGrid(HWND window, const std::vector<int32_t>& xs, const std::vector<int32_t>& ys) {
        gridState.targetWindow = window;
        gridState.columnCount = static_cast<int32_t>(xs.size());
        gridState.rowCount = static_cast<int32_t>(ys.size());
        gridState.xList = IntList(gridState.columnCount);
        gridState.yList = IntList(gridState.rowCount);
        for (int32_t i = 1; i <= gridState.columnCount; ++i) gridState.xList.at(i, {0, 0}) = xs[i - 1];
        for (int32_t j = 1; j <= gridState.rowCount; ++j) gridState.yList.at(j, {0, 0}) = ys[j - 1];
    }

    static std::vector<POINT> pressPoints() { return fake::pressesRelativeTo({0, 0}); }

    static constexpr POINT kTargetOrigin{200, 300};
    static constexpr POINT kHome{1000, 700};
    HWND target = nullptr;
};

TEST_F(ClickTest, OneClickIsOneInjectionCarryingThePressAndTheMoveBack) {
    const ClickRun run = beginClickRun();
    clickAt(run, target, 10, 20);
    EXPECT_EQ(os.calls, (std::vector<std::string>{
                            "mouseButtonsSwapped",
                            "getCursorPos -> (1000,700)",
                            "virtualDesktop",
                            "clientToScreen 0x30 (0,0) -> (200,300)",
                            "sendMouseInput (210,320) move|absolute|virtualdesk|leftdown|leftup; "
                            "(1000,700) move|absolute|virtualdesk",
                            "setCursorPos (1000,700)",
                        }));
    ASSERT_EQ(os.inputBatches.size(), 1u);
    ASSERT_EQ(os.inputBatches[0].size(), 2u);
    EXPECT_EQ(os.inputBatches[0][0].flags, kAbsoluteMove | kLeftClick);
    EXPECT_EQ(os.inputBatches[0][1].flags, kAbsoluteMove);
    EXPECT_EQ(pressPoints(), (std::vector<POINT>{{210, 320}}));
    EXPECT_EQ(os.pointer, kHome);
}

TEST_F(ClickTest, SwappedButtonsClickWithTheRightPhysicalButton) {
    os.buttonsSwapped = true;
    clickAt(beginClickRun(), target, 1, 2);
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
        clickAt(beginClickRun(), c.window, c.offset.x, c.offset.y);
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
    EXPECT_EQ(fake::callsOf({"setCursorPos"}), std::vector<std::string>(7, "setCursorPos (1000,700)"));
    ASSERT_EQ(os.inputBatches.size(), 7u);
    for (const auto& batch : os.inputBatches) {
        ASSERT_EQ(batch.size(), 2u);
        EXPECT_EQ(batch[1], os.inputBatches[0][1]);  // the same move home every time
    }
    EXPECT_EQ(os.pointer, kHome);
    ASSERT_EQ(os.boxes.size(), 1u);
    EXPECT_EQ(os.boxes[0].text, "抢班完成");
    EXPECT_EQ(os.boxes[0].caption, "信息：");
    EXPECT_EQ(os.boxes[0].kind, platform::BoxKind::information);
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
                            "clientToScreen 0x30 (0,0) -> (200,300)",
                            "sendMouseInput (200,300) move|absolute|virtualdesk|leftdown|leftup" + home,
                            "setCursorPos (1000,700)",
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
