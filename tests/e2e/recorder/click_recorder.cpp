// Click Recorder: a plain window that other programs click, and a log of every
// mouse button event it receives, so a test can tell exactly which clicks
// landed where and in what order.
//
// Usage: click_recorder --x X --y Y --width W --height H --log PATH
//                       [--child X Y W H] [--timestamps]
//   --x, --y            the window's outer top-left corner on the screen
//   --width, --height   the size of its client area
//   --log               the file that receives one line per event, appended
//                       and written through at once:
//                         down X Y / up X Y     left button, client coordinates
//                         rdown X Y / rup X Y   right button
//                       Events of the child control carry the prefix "child ",
//                       with the child's client coordinates.
//   --child             one child control at client rectangle X Y W H, for
//                       clicks that land on a control inside the window
//   --timestamps        every line ends with " T": the performance counter
//                       (QueryPerformanceCounter, the same clock in every
//                       process) when the event was handled
//
// The window never takes the activation away from another program when it is
// shown or clicked, so clicking it leaves the keyboard focus where it was.
// Every press is also drawn where it landed, numbered in order (click_marks.h),
// after it is logged.

#include <windows.h>
#include <windowsx.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "click_marks.h"

namespace {

constexpr wchar_t kWindowClass[] = L"ClickRecorder";
constexpr wchar_t kChildClass[] = L"ClickRecorderChild";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

HANDLE logFile = INVALID_HANDLE_VALUE;
bool logTimestamps = false;
ClickMarks* clickMarks = nullptr;

void logEvent(const char* prefix, const char* kind, LPARAM position) {
    char line[96];
    int length = 0;
    if (logTimestamps) {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        length = std::snprintf(line, sizeof(line), "%s%s %d %d %lld\n", prefix, kind, GET_X_LPARAM(position),
                               GET_Y_LPARAM(position), static_cast<long long>(now.QuadPart));
    } else {
        length = std::snprintf(line, sizeof(line), "%s%s %d %d\n", prefix, kind, GET_X_LPARAM(position),
                               GET_Y_LPARAM(position));
    }
    DWORD written = 0;
    // Unbuffered: a reader sees the line as soon as this returns.
    WriteFile(logFile, line, static_cast<DWORD>(length), &written, nullptr);
}

const char* buttonEvent(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
            return "down";
        case WM_LBUTTONUP:
            return "up";
        case WM_RBUTTONDOWN:
            return "rdown";
        case WM_RBUTTONUP:
            return "rup";
        default:
            return nullptr;
    }
}

LRESULT handleCommon(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const char* prefix) {
    if (const char* kind = buttonEvent(message)) {
        logEvent(prefix, kind, lParam);
        if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN) {
            clickMarks->add(window, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        }
        return 0;
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(window, &paint);
        clickMarks->paint(window, dc, paint.rcPaint);
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return handleCommon(window, message, wParam, lParam, "");
}

LRESULT CALLBACK childProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return handleCommon(window, message, wParam, lParam, "child ");
}

struct Options {
    int x = 0, y = 0, width = 0, height = 0;
    const wchar_t* log = nullptr;
    bool timestamps = false;
    bool child = false;
    int childX = 0, childY = 0, childWidth = 0, childHeight = 0;
};

bool parseInt(const wchar_t* text, int& value) {
    wchar_t* end = nullptr;
    const long parsed = std::wcstol(text, &end, 10);
    if (end == text || *end != L'\0') return false;
    value = static_cast<int>(parsed);
    return true;
}

bool parseOptions(int count, wchar_t** args, Options& options) {
    for (int i = 1; i < count; ++i) {
        const std::wstring name = args[i];
        const int left = count - i - 1;
        int* number = name == L"--x"        ? &options.x
                      : name == L"--y"      ? &options.y
                      : name == L"--width"  ? &options.width
                      : name == L"--height" ? &options.height
                                            : nullptr;
        if (number != nullptr && left >= 1) {
            if (!parseInt(args[++i], *number)) return false;
        } else if (name == L"--log" && left >= 1) {
            options.log = args[++i];
        } else if (name == L"--timestamps") {
            options.timestamps = true;
        } else if (name == L"--child" && left >= 4) {
            int* const child[] = {&options.childX, &options.childY, &options.childWidth, &options.childHeight};
            for (int* value : child) {
                if (!parseInt(args[++i], *value)) return false;
            }
            options.child = true;
        } else {
            return false;
        }
    }
    return options.log != nullptr && options.width > 0 && options.height > 0;
}

void registerClasses(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    // No CS_DBLCLKS: a fast second click must arrive as a press like the first.
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);

    windowClass.lpfnWndProc = childProcedure;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kChildClass;
    RegisterClassExW(&windowClass);
}

HWND createWindow(HINSTANCE instance, const Options& options) {
    RECT outer{0, 0, options.width, options.height};
    AdjustWindowRectEx(&outer, kWindowStyle, FALSE, 0);
    const HWND window = CreateWindowExW(0, kWindowClass, L"Click Recorder", kWindowStyle, options.x, options.y,
                                        outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                                        instance, nullptr);
    if (window == nullptr) return nullptr;
    // The frame may differ from what AdjustWindowRectEx assumed: make the client
    // area exactly the size asked for.
    RECT client{};
    GetClientRect(window, &client);
    if (client.right != options.width || client.bottom != options.height) {
        RECT frame{};
        GetWindowRect(window, &frame);
        SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + options.width - client.right,
                     frame.bottom - frame.top + options.height - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (options.child &&
        CreateWindowExW(WS_EX_CLIENTEDGE, kChildClass, L"", WS_CHILD | WS_VISIBLE, options.childX, options.childY,
                        options.childWidth, options.childHeight, window, nullptr, instance, nullptr) == nullptr) {
        return nullptr;
    }
    return window;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    Options options;
    const bool valid = args != nullptr && parseOptions(count, args, options);
    if (!valid) {
        LocalFree(args);
        return 2;
    }
    logFile = CreateFileW(options.log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    LocalFree(args);
    if (logFile == INVALID_HANDLE_VALUE) return 3;
    logTimestamps = options.timestamps;

    ClickMarks marks;
    clickMarks = &marks;
    registerClasses(instance);
    const HWND window = createWindow(instance, options);
    if (window == nullptr) return 4;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    CloseHandle(logFile);
    return static_cast<int>(message.wParam);
}
