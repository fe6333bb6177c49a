#include "support/input.h"

#include <vector>

#include "support/desktop.h"

namespace e2e {

namespace {

INPUT keyInput(WORD key, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    return input;
}

// Absolute input coordinates over the virtual desktop that map back to
// exactly this pixel: the system maps n to floor(n * width / 65536).
LONG normalized(LONG position, int origin, int size) {
    return static_cast<LONG>((static_cast<long long>(position) - origin) * 65536 / size + 1);
}

INPUT mouseInput(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = normalized(screen.x, GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN));
    input.mi.dy = normalized(screen.y, GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | flags;
    return input;
}

}  // namespace

void pressKey(WORD key, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> inputs;
    for (const WORD modifier : modifiers) inputs.push_back(keyInput(modifier, false));
    inputs.push_back(keyInput(key, false));
    inputs.push_back(keyInput(key, true));
    for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier) {
        inputs.push_back(keyInput(*modifier, true));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

HeldKey::HeldKey(WORD key)
    : key_(key), stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      thread_(CreateThread(nullptr, 0, repeat, this, 0, nullptr)) {}

HeldKey::~HeldKey() { release(); }

DWORD WINAPI HeldKey::repeat(void* self) {
    auto* held = static_cast<HeldKey*>(self);
    INPUT down = keyInput(held->key_, false);
    do {
        SendInput(1, &down, sizeof(INPUT));
    } while (WaitForSingleObject(held->stop_, 5) == WAIT_TIMEOUT);
    return 0;
}

void HeldKey::release() {
    if (thread_ == nullptr) return;
    SetEvent(stop_);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    CloseHandle(stop_);
    thread_ = nullptr;
    INPUT up = keyInput(key_, true);
    SendInput(1, &up, sizeof(INPUT));
}

void click(POINT screen, MouseButton button) {
    const bool left = button == MouseButton::left;
    INPUT inputs[] = {
        mouseInput(screen, 0),
        mouseInput(screen, left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN),
        mouseInput(screen, left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP),
    };
    SendInput(static_cast<UINT>(std::size(inputs)), inputs, sizeof(INPUT));
}

bool clickWindow(HWND window) {
    const POINT target = centre(windowRect(window));
    if (WindowFromPoint(target) != window) return false;
    click(target);
    return true;
}

POINT cursorPosition() {
    POINT position{0, 0};
    GetCursorPos(&position);
    return position;
}

bool movePointer(POINT screen, milliseconds limit) {
    SetCursorPos(screen.x, screen.y);
    // Right after a move the system may still report the old position for a
    // moment.
    return waitUntil(
        [&] {
            const POINT now = cursorPosition();
            return now.x == screen.x && now.y == screen.y;
        },
        limit);
}

}  // namespace e2e
