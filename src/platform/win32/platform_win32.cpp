#include "platform/platform.h"


#include "platform/win32/text_win32.h"

namespace platform {

POINT getCursorPos() {
    POINT point{0, 0};
    GetCursorPos(&point);
    return point;
}

HWND windowFromPoint(POINT screenPoint) { return WindowFromPoint(screenPoint); }

void clientToScreen(HWND window, POINT& point) { ClientToScreen(window, &point); }

void setCursorPos(int32_t x, int32_t y) { SetCursorPos(x, y); }

Desktop virtualDesktop() {
    return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
            GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

std::optional<uint32_t> dpiForWindow(HWND window) {
    // Looked up rather than imported, so that the program still starts on
    // Windows 7, whose user32 has no such function.
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = [] {
        const HMODULE user32 = GetModuleHandleW(L"user32.dll");
        const FARPROC found = user32 != nullptr ? GetProcAddress(user32, "GetDpiForWindow") : nullptr;
        // Through void(*)(), the one function pointer type any other converts from without a warning.
        return reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void (*)()>(found));
    }();
    if (getDpiForWindow == nullptr) return std::nullopt;
    return getDpiForWindow(window);
}

uint32_t systemDpi() {
    const HDC screen = GetDC(nullptr);
    if (screen == nullptr) return 0;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<uint32_t>(dpi) : 0;
}

bool mouseButtonsSwapped() { return GetSystemMetrics(SM_SWAPBUTTON) != 0; }

void sendMouseInput(const MouseInput* inputs, size_t count) {
    // On the stack: a click sends two inputs and must not allocate between clicks.
    constexpr size_t kBatch = 8;
    for (size_t done = 0; done < count;) {
        INPUT batch[kBatch] = {};
        const size_t n = count - done < kBatch ? count - done : kBatch;
        for (size_t i = 0; i < n; ++i) {
            batch[i].type = INPUT_MOUSE;
            batch[i].mi.dx = inputs[done + i].dx;
            batch[i].mi.dy = inputs[done + i].dy;
            batch[i].mi.dwFlags = inputs[done + i].flags;
        }
        SendInput(static_cast<UINT>(n), batch, sizeof(INPUT));
        done += n;
    }
}

void messageBox(const std::string& text, const std::string& caption, BoxKind kind) {
    const bool taskModal = kind == BoxKind::information;
    const UINT style = taskModal ? MB_OK | MB_TASKMODAL : MB_OK | MB_ICONERROR;
    // A task-modal box keeps the program's windows disabled until it has gone,
    // so the system hands the activation to some other application as it
    // closes. Give it back to the window the user was working in. (After the
    // error box the process ends; nothing to give back.)
    const HWND active = taskModal ? GetActiveWindow() : nullptr;
    MessageBoxW(nullptr, widen(text).c_str(), widen(caption).c_str(), style);
    if (active != nullptr && IsWindow(active)) SetForegroundWindow(active);
}

void discardPendingQuit() {
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

uint32_t getTickCount() { return GetTickCount(); }

void* allocate(uint64_t bytes) { return HeapAlloc(GetProcessHeap(), 0, static_cast<SIZE_T>(bytes)); }

void release(void* block) { HeapFree(GetProcessHeap(), 0, block); }

void exitProcess(int status) { ExitProcess(static_cast<UINT>(status)); }

}  // namespace platform
