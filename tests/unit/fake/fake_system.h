#pragma once
// A simulated desktop behind platform.h and main_window.h for the unit tests.
//
// Tests set it up (pointer, windows, fields, ticks, memory), run program code,
// and then look at what happened: every call in order with its arguments, the
// input batches and where their button presses landed, the boxes shown. The
// simulation is deliberately plain so that it can be trusted by reading it.

#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/controls.h"
#include "app/main_window.h"
#include "platform/platform.h"

namespace fake {

// What exitProcess throws instead of ending the test runner.
struct ProcessExit {
    int status;
};

struct Window {
    POINT clientOrigin;  // screen position of the client area's top-left corner
    uint32_t processId;  // the process it belongs to
};

// Another program's process id, unless a test says otherwise.
inline constexpr uint32_t kOtherProcess = 200;

struct Box {
    std::string text;
    std::string caption;
    platform::BoxKind kind;
    bool quitPending;  // a quit request was queued while the box was shown
};

// A button input, at the pointer position it was delivered at.
struct Press {
    POINT at;
    uint32_t buttons;  // the input's MOUSEEVENTF_*DOWN / *UP flags
};

struct System {
    // --- Desktop ---
    POINT pointer{0, 0};
    // Readings that getCursorPos returns next, one each, as if the user moved
    // the pointer there; once used up, the pointer stays where it is.
    std::deque<POINT> cursorReadings;
    // Windows whose ClientToScreen succeeds; any other handle is gone and its
    // conversion leaves the point untouched.
    std::map<HWND, Window> windows;
    HWND windowAtPoint = nullptr;  // what WindowFromPoint answers
    platform::Desktop desktop{0, 0, 1920, 1080};
    bool buttonsSwapped = false;
    // Input is refused from this injection on (1 for the first SendInput):
    // each then inserts only `insertedWhenRefused` of its inputs.
    std::optional<size_t> refuseFromInjection;
    size_t insertedWhenRefused = 0;

    // --- Keyboard ---
    // Esc goes down once this many injections have been made (0: before the
    // first), and comes up again after `escapeSleepsUntilUp` sleeps.
    std::optional<size_t> escapeDownAfterInjections;
    int escapeSleepsUntilUp = 3;
    bool escapeDown = false;
    // Once down, what the key reads as at each look after each sleep, if
    // given: a key state that flickers.
    std::deque<bool> escapeReadingsAfterSleeps;

    // --- Processes ---
    uint32_t ownProcessId = 100;
    HWND desktopWindow = reinterpret_cast<HWND>(uintptr_t{0x10010});
    // Integrity levels by process id; a process not listed does not exist.
    std::map<uint32_t, platform::IntegrityLevel> processes;

    // --- Display scale ---
    // What GetDpiForWindow answers for any window; nothing where this Windows
    // does not have the function.
    std::optional<uint32_t> dpiForWindow = 96;
    uint32_t systemDpi = 96;  // what the screen's LOGPIXELSX reads

    // --- Time ---
    // Readings that getTickCount returns next; once used up, each reading
    // advances the clock by tickStep.
    std::deque<uint32_t> tickReadings;
    uint32_t ticks = 0;
    uint32_t tickStep = 1000;

    // --- Memory ---
    uint64_t allocationLimit = 64u << 20;  // larger requests are refused
    bool refuseAllocations = false;

    // --- Main window ---
    bool windowExists = true;
    bool quitPending = false;
    std::map<Control, std::string> fields;  // GBK bytes
    MainWindowEvents windowEvents{};        // the handlers it was opened with

    // --- Hooks, for what the user does meanwhile ---
    std::function<void()> onProcessMessages;  // inside each processPendingMessages
    std::function<void()> onMessageLoop;      // inside runMessageLoop, before the window closes
    std::function<void()> onSendInput;        // after each input batch is delivered

    // --- What happened ---
    std::vector<std::string> calls;
    std::vector<std::vector<platform::MouseInput>> inputBatches;
    std::vector<Press> presses;
    std::vector<Box> boxes;
    std::map<const void*, int> liveBlocks;  // block -> its number in the log
    int blocksAllocated = 0;
};

System& world();

// Windows' own mapping of a normalized absolute coordinate (0..65535) onto an
// axis of the desktop of `extent` pixels from `start`.
inline int64_t pixelOf(int32_t normalized, int32_t start, int32_t extent) {
    return start + static_cast<int64_t>(normalized) * extent / 65536;
}

// Back to a fresh desktop: default pointer, no windows, the window open with
// its fields' start texts, nothing recorded.
void reset();

// A window handle for tests; never dereferenced.
HWND handle(uintptr_t id);
// A window at `clientOrigin`; returns its handle.
HWND addWindow(uintptr_t id, POINT clientOrigin, uint32_t processId = kOtherProcess);
// A click on one of the main window's buttons: raises its event.
void clickButton(Control button);
// What the close button does: destroys the main window and queues a quit.
void closeMainWindow();

// The log entries whose first word is one of `names`.
std::vector<std::string> callsOf(std::initializer_list<std::string_view> names);

// Where each press landed, relative to `origin` (a window's client origin).
std::vector<POINT> pressesRelativeTo(POINT origin);

std::string controlName(Control control);

}  // namespace fake

bool operator==(const POINT& a, const POINT& b);
void PrintTo(const POINT& point, std::ostream* out);

namespace platform {
bool operator==(const MouseInput& a, const MouseInput& b);
void PrintTo(const MouseInput& input, std::ostream* out);
void PrintTo(BoxKind kind, std::ostream* out);
}  // namespace platform

// Runs `action`, which is expected to end the process; returns the exit
// status, or nothing if it returned normally.
template <typename Action>
std::optional<int> exitStatusOf(Action&& action) {
    try {
        action();
    } catch (const fake::ProcessExit& exit) {
        return exit.status;
    }
    return std::nullopt;
}
