#include "platform/platform.h"

#include <optional>

#include "platform/win32/text_win32.h"

namespace platform {

namespace {

UINT boxStyle(BoxKind kind) {
    switch (kind) {
        case BoxKind::information:
            return MB_OK | MB_TASKMODAL;
        case BoxKind::warning:
            return MB_OK | MB_TASKMODAL | MB_ICONWARNING;
        case BoxKind::error:
            break;
    }
    return MB_OK | MB_ICONERROR;
}

std::optional<uint32_t> tokenIntegrityLevel(HANDLE token) {
    // A mandatory label is a SID whose last sub-authority is the level; room
    // for any SID the system could hand back.
    alignas(TOKEN_MANDATORY_LABEL) BYTE buffer[sizeof(TOKEN_MANDATORY_LABEL) + SECURITY_MAX_SID_SIZE];
    DWORD size = 0;
    if (!GetTokenInformation(token, TokenIntegrityLevel, buffer, sizeof(buffer), &size)) return std::nullopt;
    const PSID sid = reinterpret_cast<TOKEN_MANDATORY_LABEL*>(buffer)->Label.Sid;
    const UCHAR subAuthorities = *GetSidSubAuthorityCount(sid);
    if (subAuthorities == 0) return std::nullopt;
    return *GetSidSubAuthority(sid, subAuthorities - 1u);
}

}  // namespace

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

size_t sendMouseInput(const MouseInput* inputs, size_t count) {
    // On the stack: a click sends two inputs and must not allocate between clicks.
    constexpr size_t kBatch = 8;
    size_t inserted = 0;
    for (size_t done = 0; done < count;) {
        INPUT batch[kBatch] = {};
        const size_t n = count - done < kBatch ? count - done : kBatch;
        for (size_t i = 0; i < n; ++i) {
            batch[i].type = INPUT_MOUSE;
            batch[i].mi.dx = inputs[done + i].dx;
            batch[i].mi.dy = inputs[done + i].dy;
            batch[i].mi.dwFlags = inputs[done + i].flags;
        }
        const UINT accepted = SendInput(static_cast<UINT>(n), batch, sizeof(INPUT));
        inserted += accepted;
        if (accepted < n) break;  // refused: what follows must not go in without it
        done += n;
    }
    return inserted;
}

bool escapeKeyDown() { return (GetAsyncKeyState(VK_ESCAPE) & 0x8000) != 0; }

void discardEscapeKeyMessages() {
    // PeekMessage filters by message, not by key: look at the first key
    // message, and take it only if it is Esc's (VK_ESCAPE is also the Esc
    // character of WM_CHAR).
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE | PM_NOYIELD) &&
           message.wParam == VK_ESCAPE) {
        PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE | PM_NOYIELD);
    }
}

uint32_t windowProcessId(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

uint32_t currentProcessId() { return GetCurrentProcessId(); }

HWND desktopWindow() { return GetDesktopWindow(); }

IntegrityLevel processIntegrityLevel(uint32_t processId) {
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) {
        // Access denied means it is there and guarded; an invalid id, that it is not.
        return {GetLastError() == ERROR_INVALID_PARAMETER ? IntegrityLevel::Reading::noProcess
                                                          : IntegrityLevel::Reading::unreadable,
                0};
    }
    IntegrityLevel result{IntegrityLevel::Reading::unreadable, 0};
    HANDLE token = nullptr;
    if (OpenProcessToken(process, TOKEN_QUERY, &token)) {
        if (const std::optional<uint32_t> level = tokenIntegrityLevel(token)) {
            result = {IntegrityLevel::Reading::read, *level};
        }
        CloseHandle(token);
    }
    CloseHandle(process);
    return result;
}

void messageBox(const std::string& text, const std::string& caption, BoxKind kind) {
    const UINT style = boxStyle(kind);
    // A task-modal box keeps the program's windows disabled until it has gone,
    // so the system hands the activation to some other application as it
    // closes. Give it back to the window the user was working in. (After the
    // error box the process ends; nothing to give back.)
    const HWND active = (style & MB_TASKMODAL) != 0 ? GetActiveWindow() : nullptr;
    MessageBoxW(nullptr, widen(text).c_str(), widen(caption).c_str(), style);
    if (active != nullptr && IsWindow(active)) SetForegroundWindow(active);
}

void discardPendingQuit() {
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

uint32_t getTickCount() { return GetTickCount(); }

void sleep(uint32_t ms) { Sleep(ms); }

void* allocate(uint64_t bytes) { return HeapAlloc(GetProcessHeap(), 0, static_cast<SIZE_T>(bytes)); }

void release(void* block) { HeapFree(GetProcessHeap(), 0, block); }

void exitProcess(int status) { ExitProcess(static_cast<UINT>(status)); }

}  // namespace platform
