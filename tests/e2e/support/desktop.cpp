#include "support/desktop.h"

#include <stdexcept>

#include "support/text.h"

namespace e2e {

namespace {

constexpr UINT kAnswerLimitMs = 5000;
constexpr int kMessageBoxTextItem = 0xFFFF;

// SendMessage that gives up after a while. Wine's SendMessageTimeoutW also
// returns 0 when the message itself returned 0; only the error code tells a
// timeout or a vanished window from that.
std::optional<LRESULT> trySend(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SetLastError(0);
    if (SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kAnswerLimitMs, &result) == 0 &&
        GetLastError() != 0) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

struct Search {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK collect(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId) search.found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> topLevelWindows(DWORD processId) {
    Search search{processId, {}};
    EnumWindows(collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findWindow(DWORD processId, const wchar_t* cls, const wchar_t* wantedTitle) {
    for (const HWND window : topLevelWindows(processId)) {
        if (!IsWindowVisible(window)) continue;
        if (cls != nullptr && className(window) != utf8(cls)) continue;
        if (wantedTitle != nullptr && title(window) != utf8(wantedTitle)) continue;
        return window;
    }
    return nullptr;
}

HWND waitForWindow(DWORD processId, const wchar_t* cls, const wchar_t* wantedTitle, milliseconds limit) {
    return waitForValue([&] { return findWindow(processId, cls, wantedTitle); }, [](HWND w) { return w != nullptr; },
                        limit);
}

LRESULT sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::optional<LRESULT> result = trySend(window, message, wParam, lParam);
    if (!result) throw std::runtime_error("window did not answer message " + std::to_string(message));
    return *result;
}

std::string className(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return utf8(name);
}

std::optional<std::string> tryWindowText(HWND window) {
    const std::optional<LRESULT> length = trySend(window, WM_GETTEXTLENGTH, 0, 0);
    if (!length) return std::nullopt;
    std::wstring text(static_cast<size_t>(*length) + 1, L'\0');
    const std::optional<LRESULT> copied =
        trySend(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    if (!copied) return std::nullopt;
    text.resize(static_cast<size_t>(*copied));
    return utf8(text);
}

std::string windowText(HWND window) {
    std::optional<std::string> text = tryWindowText(window);
    if (!text) throw std::runtime_error("window did not give its text");
    return *text;
}

std::string title(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return utf8(text);
}

void setWindowText(HWND window, const std::string& text) {
    const std::wstring wideText = wide(text);
    sendMessage(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wideText.c_str()));
}

RECT windowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT rectInParent(HWND child) {
    RECT rect = windowRect(child);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT clientOrigin(HWND window) {
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return origin;
}

POINT centre(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

std::optional<POINT> captionButton(HWND window, LRESULT hitCode) {
    const RECT outer = windowRect(window);
    const int row = (outer.top + clientOrigin(window).y) / 2;
    std::optional<LONG> first, last;
    for (LONG x = outer.left; x < outer.right; ++x) {
        if (sendMessage(window, WM_NCHITTEST, 0, MAKELPARAM(x, row)) != hitCode) continue;
        if (!first) first = x;
        last = x;
    }
    if (!first) return std::nullopt;
    return POINT{(*first + *last) / 2, row};
}

DWORD threadOf(HWND window) { return GetWindowThreadProcessId(window, nullptr); }

namespace {
GUITHREADINFO guiThreadInfo(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(threadId, &info)) return GUITHREADINFO{};
    return info;
}
}  // namespace

HWND focusedWindow(DWORD threadId) { return guiThreadInfo(threadId).hwndFocus; }

HWND activeWindow(DWORD threadId) { return guiThreadInfo(threadId).hwndActive; }

std::vector<MessageBoxView> messageBoxes(DWORD processId) {
    std::vector<MessageBoxView> boxes;
    for (const HWND window : topLevelWindows(processId)) {
        if (!IsWindowVisible(window) || className(window) != "#32770") continue;
        // A box that goes away while it is read is not reported.
        const HWND item = GetDlgItem(window, kMessageBoxTextItem);
        std::optional<std::string> text = item != nullptr ? tryWindowText(item) : std::nullopt;
        if (text && IsWindow(window)) boxes.push_back({window, title(window), *text});
    }
    return boxes;
}

std::optional<MessageBoxView> waitForMessageBox(DWORD processId, milliseconds limit) {
    const auto boxes = waitForValue([&] { return messageBoxes(processId); },
                                    [](const auto& found) { return !found.empty(); }, limit);
    if (boxes.empty()) return std::nullopt;
    return boxes.front();
}

void dismissMessageBox(HWND box) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

}  // namespace e2e
