// Capturing a point on another program's window: 取坐标 gives the user three
// seconds to place the pointer, then shows the point's offset from the client
// area under it; every way a capture can fail ends the program with its exact
// error box and status -1.

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "support/click_recorder.h"
#include "support/controls.h"
#include "support/desktop.h"
#include "support/input.h"
#include "support/vostrel.h"

namespace {

using namespace e2e;
using namespace std::chrono_literals;

// The capture's wait and then some: when a box must have appeared by now.
constexpr auto kWaitAndMore = Vostrel::kCaptureWait + kPromptly;

// The target: well clear of the centred Vostrel window and of the message
// boxes, which also open in the middle of the screen.
constexpr ClickRecorder::Placement kTarget{40, 60, 400, 300};
constexpr RECT kTargetChild{200, 150, 320, 230};
// Where the pointer rests before a capture starts: bare desktop, so a capture
// that read the pointer too early would show this point.
constexpr POINT kRestingPoint{1000, 900};

const std::string kInfoCaption = "信息：";
const std::string kCaptured = "已经取到坐标";
const std::string kErrorCaption = "错误";

enum class Press { space, click };

// The application whose window is captured, shared by the tests of a suite.
std::unique_ptr<ClickRecorder> target;

POINT onTarget(POINT client) { return target->onScreen(client); }

class Capture : public testing::Test {
protected:
    static void SetUpTestSuite() { target = std::make_unique<ClickRecorder>(kTarget, ClickRecorderOptions{.child = kTargetChild}); }
    static void TearDownTestSuite() { target.reset(); }

    // Presses 取坐标 with the pointer resting elsewhere, then brings the
    // pointer to `pointer` for the end of the wait.
    void startCapture(Press press, POINT pointer) {
        ASSERT_TRUE(movePointer(kRestingPoint));
        started = std::chrono::steady_clock::now();
        if (press == Press::space) {
            ASSERT_EQ(app.focusedControl(), 按钮1);
            pressKey(VK_SPACE);
        } else {
            ASSERT_TRUE(clickWindow(app.control(按钮1)));
        }
        expectWaiting();
        ASSERT_TRUE(movePointer(pointer));
    }

    // The window handles its input in order, so once a Tab after the press
    // has moved the focus on, the capture has begun its wait, and the window
    // still answers the keyboard during it.
    void expectWaiting() {
        pressKey(VK_TAB);
        ASSERT_EQ(app.waitForFocus(按钮2), 按钮2);
        ASSERT_TRUE(messageBoxes(app.process().id()).empty()) << "no wait";
    }

    std::optional<MessageBoxView> waitForBox() const { return app.waitForMessageBox(kWaitAndMore); }

    void expectOrigin(const std::string& x, const std::string& y) const {
        EXPECT_EQ(app.text(编辑框1), x);
        EXPECT_EQ(app.text(编辑框2), y);
    }

    // Dismisses a fatal error box and expects the program to end with -1.
    void dismissAndExpectFatalExit(HWND box) const {
        dismissMessageBox(box);
        EXPECT_EQ(app.waitForExit(kPromptly), std::optional<DWORD>(kExitFatal));
    }

    Vostrel app;
    std::chrono::steady_clock::time_point started;
};

// --- Captures that succeed ---------------------------------------------------

struct Point {
    const char* name;
    Press press;
    // Where the pointer is at the end of the wait.
    POINT (*pointer)();
    const char* x;  // what 编辑框1 and 编辑框2 then show
    const char* y;
};

std::ostream& operator<<(std::ostream& out, const Point& point) { return out << point.name; }

class CapturePoint : public Capture, public testing::WithParamInterface<Point> {};

TEST_P(CapturePoint, ShowsTheOffsetFromTheClientAreaUnderThePointer) {
    startCapture(GetParam().press, GetParam().pointer());

    const std::optional<MessageBoxView> box = waitForBox();
    ASSERT_TRUE(box.has_value());
    // Less a little for the coarser tick count the program measures with.
    EXPECT_GE(std::chrono::steady_clock::now() - started, Vostrel::kCaptureWait - 50ms) << "the wait ended early";
    EXPECT_EQ(box->caption, kInfoCaption);
    EXPECT_EQ(box->text, kCaptured);
    expectOrigin(GetParam().x, GetParam().y);
    EXPECT_FALSE(IsWindowEnabled(app.window())) << "the box is task-modal";

    dismissMessageBox(box->window);
    EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(app.window()) != FALSE; }, kPromptly));
    EXPECT_TRUE(messageBoxes(app.process().id()).empty());
    expectOrigin(GetParam().x, GetParam().y);
    ASSERT_TRUE(app.process().running());
}

INSTANTIATE_TEST_SUITE_P(
    , CapturePoint,
    testing::Values(
        Point{"InTheClientArea", Press::space, [] { return onTarget({37, 25}); }, "37", "25"},
        Point{"PressedWithTheMouse", Press::click, [] { return onTarget({123, 210}); }, "123", "210"},
        Point{"OnTheFirstClientPixel", Press::space, [] { return onTarget({0, 0}); }, "0", "0"},
        // The frame above the client area belongs to the same window.
        Point{"JustAboveTheClientArea", Press::space, [] { return onTarget({10, -1}); }, "10", "-1"},
        // A control inside the target is the window under the pointer: the
        // offset is from the control's own client area, inside its sunken edge.
        Point{"OnAControlOfTheTarget", Press::space,
              [] {
                  const POINT child = clientOrigin(target->child());
                  return POINT{child.x + 5, child.y + 7};
              },
              "5", "7"},
        // No application window there: the offset is the screen position.
        Point{"OnTheBareDesktop", Press::space, [] { return POINT{1200, 1000}; }, "1200", "1000"}),
    [](const auto& info) { return std::string(info.param.name); });

// A second press of 取坐标 during the wait runs a whole capture of its own
// before the first one goes on; the first then reads the pointer afresh and
// overwrites what the second showed.
TEST_F(Capture, APressDuringTheWaitRunsNested) {
    startCapture(Press::space, onTarget({60, 40}));
    pressKey(VK_TAB, {VK_SHIFT});
    ASSERT_EQ(app.waitForFocus(按钮1), 按钮1);
    pressKey(VK_SPACE);
    expectWaiting();

    const std::optional<MessageBoxView> inner = waitForBox();
    ASSERT_TRUE(inner.has_value());
    EXPECT_EQ(inner->text, kCaptured);
    expectOrigin("60", "40");

    ASSERT_TRUE(movePointer(onTarget({80, 90})));
    dismissMessageBox(inner->window);
    // The outer capture's wait ran out while the inner one was busy, so its
    // box follows at once, well before another wait could have passed.
    const auto boxes = waitForValue(
        [&] { return messageBoxes(app.process().id()); },
        [&](const auto& found) { return found.size() == 1 && found.front().window != inner->window; }, 2000ms);
    ASSERT_EQ(boxes.size(), 1u);
    const MessageBoxView& outer = boxes.front();
    ASSERT_NE(outer.window, inner->window) << "no second box within 2 s";
    EXPECT_EQ(outer.text, kCaptured);
    expectOrigin("80", "90");

    dismissMessageBox(outer.window);
    ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(app.window()) != FALSE; }, kPromptly));
    // Nothing is left running: closing the window ends the program normally.
    PostMessageW(app.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(app.waitForExit(kPromptly), std::optional<DWORD>(0));
}

// --- Captures that end the program -------------------------------------------

struct Failure {
    const char* name;
    const char* xSpacing;
    const char* ySpacing;
    const char* xCount;
    const char* yCount;
    const char* box;  // the error box's whole text
};

std::ostream& operator<<(std::ostream& out, const Failure& failure) { return out << failure.name; }

class CaptureFailure : public Capture, public testing::WithParamInterface<Failure> {};

TEST_P(CaptureFailure, ShowsTheErrorAfterTheOriginAndEndsWithMinusOne) {
    const Failure& failure = GetParam();
    app.setGrid(failure.xSpacing, failure.ySpacing, failure.xCount, failure.yCount);
    startCapture(Press::space, onTarget({37, 25}));

    const std::optional<MessageBoxView> box = waitForBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, kErrorCaption);
    EXPECT_EQ(box->text, failure.box);
    // The origin was shown before the lists were touched.
    expectOrigin("37", "25");
    EXPECT_TRUE(IsWindowEnabled(app.window())) << "the error box is not task-modal";

    dismissAndExpectFatalExit(box->window);
}

INSTANTIATE_TEST_SUITE_P(
    , CaptureFailure,
    testing::Values(
        Failure{"NegativeXCount", "150", "33", "-1", "5",
                "运行时出错!\r\n\r\n错误代码：10\r\n\r\n"
                "错误信息：“重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零\r\n\r\n1, 1\r\n"},
        // Both lists are resized before either is filled: the negative Y
        // count fails before the X count of 0 could.
        Failure{"ZeroXCountAndNegativeYCount", "150", "33", "0", "-1",
                "运行时出错!\r\n\r\n错误代码：10\r\n\r\n"
                "错误信息：“重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零\r\n\r\n1, 2\r\n"},
        Failure{"ZeroXCount", "150", "33", "0", "5",
                "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n\r\n1, 3\r\n"},
        // Text without digits reads as 0.
        Failure{"YCountWithoutDigits", "150", "33", "7", "abc",
                "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n\r\n1, 4\r\n"},
        // 4 × 1073741822 + 8 bytes do not fit 32 bits.
        Failure{"CountTooLargeForMemory", "150", "33", "1073741822", "5",
                "运行时出错!\r\n\r\n错误信息：分配 4294967296 字节内存失败!\r\n\r\n0, 0\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// While the error box is open the window still works, but its buttons run
// nothing: a capture would start another wait, a click run would click the
// target and open its own box.
TEST_F(Capture, ButtonsDoNothingWhileTheErrorBoxIsOpen) {
    app.setGrid("150", "33", "0", "5");
    startCapture(Press::space, onTarget({37, 25}));
    const std::optional<MessageBoxView> box = waitForBox();
    ASSERT_TRUE(box.has_value());
    ASSERT_EQ(box->caption, kErrorCaption);

    // Out of the way of the window's controls.
    const RECT boxRect = windowRect(box->window);
    SetWindowPos(box->window, nullptr, GetSystemMetrics(SM_CXSCREEN) - (boxRect.right - boxRect.left),
                 GetSystemMetrics(SM_CYSCREEN) - (boxRect.bottom - boxRect.top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const size_t targetEvents = target->events().size();
    ASSERT_TRUE(waitUntil([&] { return clickWindow(app.control(按钮1)); }, kPromptly));
    ASSERT_TRUE(clickWindow(app.control(按钮2)));
    // The window handles its input in order: once a click into a field has
    // moved the focus there, both button clicks have been handled.
    ASSERT_TRUE(clickWindow(app.control(编辑框3)));
    EXPECT_EQ(app.waitForFocus(编辑框3), 编辑框3);

    const auto boxes = messageBoxes(app.process().id());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes.front().window, box->window);
    EXPECT_EQ(target->events().size(), targetEvents) << "the target was clicked";
    EXPECT_EQ(app.text(编辑框1), "37");
    // A capture started by the click would hold the box's end back by its wait.
    dismissMessageBox(box->window);
    EXPECT_EQ(app.waitForExit(2000ms), std::optional<DWORD>(kExitFatal));
}

// Closing the window during the wait: the wait runs out, and writing the
// origin into the first field finds the window gone. The close has queued a
// quit request, which must not take the box away before the user has read it.
struct Closing {
    const char* name;
    void (*close)(HWND window);
};

std::ostream& operator<<(std::ostream& out, const Closing& closing) { return out << closing.name; }

class CaptureClosed : public Capture, public testing::WithParamInterface<Closing> {};

TEST_P(CaptureClosed, EndsWithTheFieldWriteFailure) {
    startCapture(Press::space, onTarget({37, 25}));
    const HWND window = app.window();
    GetParam().close(window);
    EXPECT_TRUE(waitUntil([&] { return IsWindow(window) == FALSE; }, kPromptly)) << "the window was not closed";
    EXPECT_TRUE(app.process().running()) << "the wait must run to its end";

    const std::optional<MessageBoxView> box = waitForBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, kErrorCaption);
    EXPECT_EQ(box->text,
              "运行时出错!\r\n\r\n错误信息：修改组件属性时发现指定窗口尚未载入\r\n\r\n"
              "1375797249, 369177866\r\n\"\"\r\n\"\"\r\n");
    // It stays until it is dismissed.
    EXPECT_FALSE(app.waitForExit(500ms).has_value());
    EXPECT_TRUE(IsWindowVisible(box->window));

    dismissAndExpectFatalExit(box->window);
}

INSTANTIATE_TEST_SUITE_P(, CaptureClosed,
                         testing::Values(Closing{"ByEsc", [](HWND) { pressKey(VK_ESCAPE); }},
                                         Closing{"ByCloseMessage",
                                                 [](HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); }}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
