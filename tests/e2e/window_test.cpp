// The main window as the user meets it: what it looks like from outside, how
// the keyboard moves through it, and how it ends.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "support/click_recorder.h"
#include "support/controls.h"
#include "support/desktop.h"
#include "support/expected_window.h"
#include "support/input.h"
#include "support/vostrel.h"

namespace {

using namespace e2e;

COLORREF screenColour(POINT at) {
    const HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

LONG_PTR style(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }
LONG_PTR exStyle(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE); }

class MainWindow : public testing::Test {
protected:
    // Presses the key and expects the focus to end on `expected`.
    void pressAndExpectFocus(WORD key, std::initializer_list<WORD> modifiers, int expected) {
        pressKey(key, modifiers);
        EXPECT_EQ(app.waitForFocus(expected), expected);
    }

    // Tabs forward, one stop at a time, until the focus is on `id`.
    void tabTo(int id) {
        for (size_t step = 0; step < kFocusCycle.size() && app.focusedControl() != id; ++step) {
            const auto at = std::find(kFocusCycle.begin(), kFocusCycle.end(), app.focusedControl());
            ASSERT_NE(at, kFocusCycle.end());
            pressAndExpectFocus(VK_TAB, {}, at + 1 != kFocusCycle.end() ? *(at + 1) : kFocusCycle.front());
        }
        ASSERT_EQ(app.focusedControl(), id);
    }

    // Closes the window and expects the program to end with status 0: had
    // anything started a command, it would still be running or have failed.
    void expectEndsNormallyOnEsc() {
        pressKey(VK_ESCAPE);
        EXPECT_EQ(app.waitForExit(kPromptly), std::optional<DWORD>(0));
    }

    Vostrel app;
};

TEST_F(MainWindow, IsTheCentredFixedSizeWindowWithItsStyles) {
    const HWND window = app.window();
    EXPECT_EQ(title(window), "Vostrel");

    const RECT outer = windowRect(window);
    EXPECT_EQ(outer.right - outer.left, 222);
    EXPECT_EQ(outer.bottom - outer.top, 356);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 222) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 356) / 2);

    // The system adds WS_CLIPSIBLINGS to every overlapped window.
    EXPECT_EQ(style(window) & ~WS_CLIPSIBLINGS,
              WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN);
    // WS_EX_WINDOWEDGE is the system's own addition for a window with a frame.
    EXPECT_EQ(exStyle(window) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_EQ(GetParent(window), nullptr);

    EXPECT_EQ(GetClassLongPtrW(window, GCL_STYLE), CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS);
    // The window paints its client area in the button face colour: a point
    // between the two buttons, where there is no control, shows it.
    const POINT client = clientOrigin(window);
    EXPECT_TRUE(waitUntil([&] { return screenColour({client.x + 100, client.y + 100}) == GetSysColor(COLOR_BTNFACE); },
                          kPromptly));
}

TEST_F(MainWindow, HasEveryControlWhereItBelongs) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(app.window(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    EXPECT_EQ(children.size(), std::size(kExpectedControls));

    for (const ExpectedControl& expected : kExpectedControls) {
        SCOPED_TRACE(expected.name);
        const HWND control = app.control(expected.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(GetDlgCtrlID(control), expected.id);
        const RECT rect = rectInParent(control);
        EXPECT_EQ(rect.left, expected.x);
        EXPECT_EQ(rect.top, expected.y);
        EXPECT_EQ(rect.right - rect.left, expected.width);
        EXPECT_EQ(rect.bottom - rect.top, expected.height);
        EXPECT_EQ(windowText(control), expected.text);
        EXPECT_TRUE(IsWindowVisible(control));
        EXPECT_TRUE(IsWindowEnabled(control));

        const LONG_PTR bits = style(control);
        switch (expected.kind) {
            case ControlKind::button:
                EXPECT_STRCASEEQ(className(control).c_str(), "Button");
                // A plain push button, not a default one; text centred both
                // ways and wrapped.
                EXPECT_EQ(bits & BS_TYPEMASK, BS_PUSHBUTTON);
                EXPECT_EQ(bits & (BS_CENTER | BS_VCENTER | BS_MULTILINE), BS_CENTER | BS_VCENTER | BS_MULTILINE);
                EXPECT_TRUE(bits & WS_TABSTOP);
                EXPECT_EQ(exStyle(control) & ~WS_EX_NOPARENTNOTIFY, 0);
                break;
            case ControlKind::edit:
                EXPECT_STRCASEEQ(className(control).c_str(), "Edit");
                EXPECT_TRUE(bits & ES_AUTOHSCROLL);
                EXPECT_EQ(bits & (ES_CENTER | ES_RIGHT | ES_MULTILINE | ES_READONLY | ES_PASSWORD | ES_UPPERCASE |
                                  ES_LOWERCASE | ES_NUMBER | ES_NOHIDESEL),
                          0);
                EXPECT_TRUE(bits & WS_TABSTOP);
                EXPECT_TRUE(exStyle(control) & WS_EX_CLIENTEDGE);
                // No limit below the platform's own, which is this for a
                // single-line field.
                EXPECT_EQ(sendMessage(control, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
                EXPECT_EQ(sendMessage(control, EM_GETSEL, 0, 0), 0) << "caret at the start, nothing selected";
                break;
            case ControlKind::label:
                EXPECT_STRCASEEQ(className(control).c_str(), "Static");
                EXPECT_FALSE(bits & (WS_TABSTOP | WS_BORDER));
                EXPECT_EQ(exStyle(control) & ~WS_EX_NOPARENTNOTIFY, 0);
                break;
        }
    }
}

TEST_F(MainWindow, TabWalksTheFocusCycleFromTheFirstButton) {
    EXPECT_EQ(app.focusedControl(), 按钮1);
    for (size_t step = 1; step <= kFocusCycle.size(); ++step) {
        const int expected = kFocusCycle[step % kFocusCycle.size()];
        SCOPED_TRACE("Tab " + std::to_string(step));
        pressAndExpectFocus(VK_TAB, {}, expected);
        // Tabbing into a field does not select its text.
        const auto selection = static_cast<DWORD>(sendMessage(app.control(expected), EM_GETSEL, 0, 0));
        EXPECT_EQ(LOWORD(selection), HIWORD(selection));
    }
}

TEST_F(MainWindow, ShiftTabWalksTheCycleBackwards) {
    for (size_t step = 1; step <= kFocusCycle.size(); ++step) {
        const int expected = kFocusCycle[kFocusCycle.size() - step];
        SCOPED_TRACE("Shift+Tab " + std::to_string(step));
        pressAndExpectFocus(VK_TAB, {VK_SHIFT}, expected);
    }
}

// Keys that must change nothing, on a button and in a field. Each is followed
// by a Tab, which the window handles after it: the focus must then be exactly
// one stop further. In the end Esc must still close the window normally, which
// it would not if a key had started a command.
TEST_F(MainWindow, EnterAndOtherKeysDoNothing) {
    struct Key {
        const char* name;
        WORD key;
        std::initializer_list<WORD> modifiers;
    };
    const Key keys[] = {
        {"Enter", VK_RETURN, {}},
        {"Ctrl+Tab", VK_TAB, {VK_CONTROL}},
        {"Shift+Esc", VK_ESCAPE, {VK_SHIFT}},
        {"F1", VK_F1, {}},
    };
    const int fieldBefore = 编辑框3;
    const std::string fieldText = app.text(fieldBefore);
    for (const int start : {按钮1, fieldBefore}) {
        for (const Key& key : keys) {
            SCOPED_TRACE(std::string(key.name) + (start == 按钮1 ? " on 按钮1" : " in 编辑框3"));
            // To the start stop, then the key, then the Tab that tells.
            const auto at = std::find(kFocusCycle.begin(), kFocusCycle.end(), start);
            tabTo(start);
            pressKey(key.key, key.modifiers);
            pressAndExpectFocus(VK_TAB, {}, *std::next(at));
            EXPECT_TRUE(messageBoxes(app.process().id()).empty());
            ASSERT_TRUE(app.process().running());
        }
    }
    EXPECT_EQ(app.text(fieldBefore), fieldText);
    expectEndsNormallyOnEsc();
}

TEST_F(MainWindow, FocusComesBackToTheLastControlWhenReactivated) {
    pressAndExpectFocus(VK_TAB, {}, 按钮2);
    pressAndExpectFocus(VK_TAB, {}, 编辑框1);
    pressAndExpectFocus(VK_TAB, {}, 编辑框2);
    ClickRecorder other({20, 20, 300, 200});
    SetForegroundWindow(other.window());
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == other.window(); }, kPromptly));
    EXPECT_EQ(app.waitForFocus(0), 0) << "the focus left with the activation";
    SetForegroundWindow(app.window());
    EXPECT_EQ(app.waitForFocus(编辑框2), 编辑框2);
}

// Every way of closing the window ends the program with status 0.
struct Closing {
    const char* name;
    int focus;  // the control with the focus when the window is closed
    void (*close)(HWND window);
};

std::ostream& operator<<(std::ostream& out, const Closing& closing) { return out << closing.name; }

class MainWindowClosing : public MainWindow, public testing::WithParamInterface<Closing> {};

TEST_P(MainWindowClosing, EndsTheProgramWithStatusZero) {
    tabTo(GetParam().focus);
    GetParam().close(app.window());
    EXPECT_EQ(app.waitForExit(kPromptly), std::optional<DWORD>(0));
}

void pressEsc(HWND) { pressKey(VK_ESCAPE); }

void clickCloseButton(HWND window) {
    const std::optional<POINT> button = captionButton(window, HTCLOSE);
    ASSERT_TRUE(button.has_value()) << "no close button in the caption";
    click(*button);
}

void postClose(HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); }

INSTANTIATE_TEST_SUITE_P(, MainWindowClosing,
                         testing::Values(Closing{"EscOnTheFirstButton", 按钮1, pressEsc},
                                         Closing{"EscOnTheSecondButton", 按钮2, pressEsc},
                                         Closing{"EscInAField", 编辑框3, pressEsc},
                                         Closing{"EscInTheLastField", 编辑框6, pressEsc},
                                         Closing{"CloseButton", 编辑框4, clickCloseButton},
                                         Closing{"CloseMessage", 按钮1, postClose}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
