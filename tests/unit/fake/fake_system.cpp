#include "fake/fake_system.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "app/main_window.h"
#include "app/window_layout.h"

namespace fake {
namespace {

System state;

std::string str(POINT p) { return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")"; }

std::string str(HWND window) {
    std::ostringstream out;
    out << "0x" << std::hex << reinterpret_cast<uintptr_t>(window);
    return window == nullptr ? "0" : out.str();
}

std::string flagNames(uint32_t flags) {
    static constexpr std::pair<uint32_t, const char*> kNames[] = {
        {MOUSEEVENTF_MOVE, "move"},
        {MOUSEEVENTF_ABSOLUTE, "absolute"},
        {MOUSEEVENTF_VIRTUALDESK, "virtualdesk"},
        {MOUSEEVENTF_LEFTDOWN, "leftdown"},
        {MOUSEEVENTF_LEFTUP, "leftup"},
        {MOUSEEVENTF_RIGHTDOWN, "rightdown"},
        {MOUSEEVENTF_RIGHTUP, "rightup"},
    };
    std::string names;
    for (const auto& [flag, name] : kNames) {
        if ((flags & flag) == 0) continue;
        if (!names.empty()) names += '|';
        names += name;
        flags &= ~flag;
    }
    if (flags != 0) names += (names.empty() ? "" : "|") + std::to_string(flags);
    return names;
}

int32_t add(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

int32_t subtract(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

void record(std::string entry) { state.calls.push_back(std::move(entry)); }

}  // namespace

System& world() { return state; }

void reset() {
    state = System{};
    for (const ControlLayout& entry : kControls) {
        if (entry.kind == ControlKind::edit) state.fields[entry.control] = entry.text;
    }
}

HWND handle(uintptr_t id) { return reinterpret_cast<HWND>(id); }

HWND addWindow(uintptr_t id, POINT clientOrigin, uint32_t processId) {
    state.windows[handle(id)] = Window{clientOrigin, processId};
    return handle(id);
}

void clickButton(Control button) {
    const MainWindowEvents& events = state.windowEvents;
    void (*handler)() = button == Control::按钮1 ? events.按钮1Clicked
                        : button == Control::按钮2 ? events.按钮2Clicked
                                                   : nullptr;
    if (handler != nullptr) handler();
}

void closeMainWindow() {
    state.windowExists = false;
    state.quitPending = true;
}

std::vector<std::string> callsOf(std::initializer_list<std::string_view> names) {
    std::vector<std::string> picked;
    for (const std::string& call : state.calls) {
        const std::string_view name = std::string_view(call).substr(0, call.find(' '));
        if (std::find(names.begin(), names.end(), name) != names.end()) picked.push_back(call);
    }
    return picked;
}

std::vector<POINT> pressesRelativeTo(POINT origin) {
    std::vector<POINT> points;
    for (const Press& press : state.presses) {
        points.push_back({subtract(press.at.x, origin.x), subtract(press.at.y, origin.y)});
    }
    return points;
}

std::string controlName(Control control) {
    switch (control) {
        case Control::编辑框1: return "编辑框1";
        case Control::编辑框2: return "编辑框2";
        case Control::编辑框3: return "编辑框3";
        case Control::编辑框4: return "编辑框4";
        case Control::编辑框5: return "编辑框5";
        case Control::编辑框6: return "编辑框6";
        default: return std::to_string(controlId(control));
    }
}

}  // namespace fake

bool operator==(const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }

void PrintTo(const POINT& point, std::ostream* out) { *out << fake::str(point); }

namespace platform {

bool operator==(const MouseInput& a, const MouseInput& b) {
    return a.dx == b.dx && a.dy == b.dy && a.flags == b.flags;
}

void PrintTo(const MouseInput& input, std::ostream* out) {
    *out << "{" << input.dx << ", " << input.dy << ", " << fake::flagNames(input.flags) << "}";
}

void PrintTo(BoxKind kind, std::ostream* out) {
    *out << (kind == BoxKind::information ? "information" : kind == BoxKind::warning ? "warning" : "error");
}

// --- platform.h ------------------------------------------------------------

POINT getCursorPos() {
    using fake::state;
    if (!state.cursorReadings.empty()) {
        state.pointer = state.cursorReadings.front();
        state.cursorReadings.pop_front();
    }
    fake::record("getCursorPos -> " + fake::str(state.pointer));
    return state.pointer;
}

HWND windowFromPoint(POINT screenPoint) {
    fake::record("windowFromPoint " + fake::str(screenPoint) + " -> " + fake::str(fake::state.windowAtPoint));
    return fake::state.windowAtPoint;
}

void clientToScreen(HWND window, POINT& point) {
    std::string entry = "clientToScreen " + fake::str(window) + " " + fake::str(point) + " -> ";
    const auto found = fake::state.windows.find(window);
    if (found != fake::state.windows.end()) {
        point = {fake::add(point.x, found->second.clientOrigin.x), fake::add(point.y, found->second.clientOrigin.y)};
    }
    fake::record(entry + fake::str(point));
}

void setCursorPos(int32_t x, int32_t y) {
    fake::state.pointer = {x, y};
    fake::record("setCursorPos " + fake::str(POINT{x, y}));
}

Desktop virtualDesktop() {
    fake::record("virtualDesktop");
    return fake::state.desktop;
}

bool mouseButtonsSwapped() {
    fake::record("mouseButtonsSwapped");
    return fake::state.buttonsSwapped;
}

std::optional<uint32_t> dpiForWindow(HWND window) {
    const std::optional<uint32_t>& answer = fake::state.dpiForWindow;
    fake::record("dpiForWindow " + fake::str(window) + " -> " +
                 (answer ? std::to_string(*answer) : std::string("no such function")));
    return answer;
}

uint32_t systemDpi() {
    fake::record("systemDpi -> " + std::to_string(fake::state.systemDpi));
    return fake::state.systemDpi;
}

size_t sendMouseInput(const MouseInput* inputs, size_t count) {
    using fake::state;
    constexpr uint32_t kButtons =
        MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP | MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP;
    std::string entry = "sendMouseInput";
    state.inputBatches.emplace_back(inputs, inputs + count);
    const bool refused = state.refuseFromInjection && state.inputBatches.size() >= *state.refuseFromInjection;
    const size_t inserted = refused ? std::min(count, state.insertedWhenRefused) : count;
    for (size_t i = 0; i < inserted; ++i) {
        const MouseInput& input = inputs[i];
        if ((input.flags & MOUSEEVENTF_MOVE) != 0) {
            if ((input.flags & MOUSEEVENTF_ABSOLUTE) != 0) {
                state.pointer = {static_cast<int32_t>(fake::pixelOf(input.dx, state.desktop.left, state.desktop.width)),
                                 static_cast<int32_t>(fake::pixelOf(input.dy, state.desktop.top, state.desktop.height))};
            } else {
                state.pointer = {fake::add(state.pointer.x, input.dx), fake::add(state.pointer.y, input.dy)};
            }
        }
        if ((input.flags & kButtons) != 0) state.presses.push_back({state.pointer, input.flags & kButtons});
        entry += (i == 0 ? " " : "; ") + fake::str(state.pointer) + " " + fake::flagNames(input.flags);
    }
    if (inserted < count) entry += (inserted == 0 ? " " : "; ") + std::string("refused after ") + std::to_string(inserted);
    fake::record(entry);
    if (state.onSendInput) state.onSendInput();
    return inserted;
}

bool escapeKeyDown() {
    using fake::state;
    if (state.escapeDownAfterInjections && state.inputBatches.size() >= *state.escapeDownAfterInjections) {
        state.escapeDown = true;
        state.escapeDownAfterInjections.reset();
    }
    fake::record(std::string("escapeKeyDown -> ") + (state.escapeDown ? "yes" : "no"));
    return state.escapeDown;
}

void discardEscapeKeyMessages() { fake::record("discardEscapeKeyMessages"); }

uint32_t windowProcessId(HWND window) {
    const auto found = fake::state.windows.find(window);
    const uint32_t id = found != fake::state.windows.end() ? found->second.processId : 0;
    fake::record("windowProcessId " + fake::str(window) + " -> " + std::to_string(id));
    return id;
}

uint32_t currentProcessId() { return fake::state.ownProcessId; }

HWND desktopWindow() { return fake::state.desktopWindow; }

IntegrityLevel processIntegrityLevel(uint32_t processId) {
    const auto found = fake::state.processes.find(processId);
    const IntegrityLevel level =
        found != fake::state.processes.end() ? found->second : IntegrityLevel{IntegrityLevel::Reading::noProcess, 0};
    fake::record("processIntegrityLevel " + std::to_string(processId));
    return level;
}

void messageBox(const std::string& text, const std::string& caption, BoxKind kind) {
    using fake::state;
    const char* kindName = kind == BoxKind::information ? "information" : kind == BoxKind::warning ? "warning" : "error";
    fake::record("messageBox " + caption + " " + kindName + ": " + text);
    state.boxes.push_back({text, caption, kind, state.quitPending});
}

void discardPendingQuit() {
    fake::state.quitPending = false;
    fake::record("discardPendingQuit");
}

uint32_t getTickCount() {
    using fake::state;
    if (!state.tickReadings.empty()) {
        state.ticks = state.tickReadings.front();
        state.tickReadings.pop_front();
    } else {
        state.ticks += state.tickStep;
    }
    fake::record("getTickCount -> " + std::to_string(state.ticks));
    return state.ticks;
}

void sleep(uint32_t ms) {
    using fake::state;
    fake::record("sleep " + std::to_string(ms));
    if (!state.escapeReadingsAfterSleeps.empty()) {
        state.escapeDown = state.escapeReadingsAfterSleeps.front();
        state.escapeReadingsAfterSleeps.pop_front();
    } else if (state.escapeDown && --state.escapeSleepsUntilUp <= 0) {
        state.escapeDown = false;
    }
}

void* allocate(uint64_t bytes) {
    using fake::state;
    if (state.refuseAllocations || bytes > state.allocationLimit) {
        fake::record("allocate " + std::to_string(bytes) + " -> refused");
        return nullptr;
    }
    void* block = std::malloc(bytes);
    // Garbage, so that only what the program writes reads as zero.
    std::memset(block, 0xA5, bytes);
    const int number = ++state.blocksAllocated;
    state.liveBlocks[block] = number;
    fake::record("allocate " + std::to_string(bytes) + " -> #" + std::to_string(number));
    return block;
}

void release(void* block) {
    using fake::state;
    const auto found = state.liveBlocks.find(block);
    if (found == state.liveBlocks.end()) {
        fake::record("release unknown block");
    } else {
        fake::record("release #" + std::to_string(found->second));
        state.liveBlocks.erase(found);
    }
    std::free(block);
}

void exitProcess(int status) {
    fake::record("exitProcess " + std::to_string(status));
    throw fake::ProcessExit{status};
}

}  // namespace platform

// --- main_window.h -----------------------------------------------------------

void openMainWindow(const MainWindowEvents& events) {
    fake::state.windowExists = true;
    fake::state.windowEvents = events;
    fake::record("openMainWindow");
}

int runMessageLoop() {
    fake::record("runMessageLoop");
    if (fake::state.onMessageLoop) fake::state.onMessageLoop();
    // The user closes the window; the loop takes the quit request it queued.
    fake::state.windowExists = false;
    fake::state.quitPending = false;
    return 0;
}

void processPendingMessages() {
    fake::record("processPendingMessages");
    if (fake::state.onProcessMessages) fake::state.onProcessMessages();
}

bool mainWindowExists() {
    fake::record(std::string("mainWindowExists -> ") + (fake::state.windowExists ? "yes" : "no"));
    return fake::state.windowExists;
}

std::string fieldTextGbk(Control field) {
    const std::string& text = fake::state.fields[field];
    fake::record("fieldTextGbk " + fake::controlName(field) + " -> \"" + text + "\"");
    return text;
}

void setFieldText(Control field, const std::string& text) {
    fake::state.fields[field] = text;
    fake::record("setFieldText " + fake::controlName(field) + " \"" + text + "\"");
}
