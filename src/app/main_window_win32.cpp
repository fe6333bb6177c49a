// The main window: six labelled fields and two buttons, built from the layout
// table and scaled for the DPI of the monitor it is on, with its own Tab cycle
// and keys, and the message pumping the commands rely on.

#include <algorithm>
#include <iterator>
#include <optional>

#include "app/main_window.h"
#include "app/scaled_layout.h"
#include "app/window_dpi.h"
#include "app/window_layout.h"
#include "core/fatal_error.h"
#include "platform/win32/text_win32.h"

namespace {

constexpr wchar_t kClassName[] = L"VostrelMainWindow";
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN;

[[noreturn]] void raiseWindowLoadFailure() { raiseFatal({0, "载入启动窗口失败", kMainWindowId, 0, WindowTags{}}); }

bool keyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

struct ControlClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ControlClass controlClass(ControlKind kind) {
    switch (kind) {
        case ControlKind::button:
            return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0};
        case ControlKind::edit:
            return {L"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::label:
            break;
    }
    return {L"STATIC", SS_OWNERDRAW, 0};  // drawn by the window: see onDrawLabel
}

class MainWindow {
public:
    void open(const MainWindowEvents& events);
    bool exists() const { return window_ != nullptr; }
    HWND control(Control c) const { return GetDlgItem(window_, controlId(c)); }
    // The window's own keys, seen before the focused control; true when handled.
    bool handleKey(const MSG& message);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void loadIcons(HINSTANCE instance);
    void registerClass(HINSTANCE instance);
    void placeWindow(HINSTANCE instance);
    void createControls(HINSTANCE instance, const ScaledLayout& layout);
    void useFontFor(int dpi);
    void layOutControls(int dpi);
    static void raise(void (*handler)()) {
        if (handler != nullptr) handler();
    }
    void onCommand(HWND from, WORD notification);
    void onActivate(WORD state);
    void onSetFocus();
    void onEraseBackground(HDC dc);
    void onDrawLabel(const DRAWITEMSTRUCT& item);
    void onDpiChanged(WPARAM wParam, const RECT* suggested);
    void moveFocus(bool backwards);

    HWND window_ = nullptr;
    HWND lastFocus_ = nullptr;  // where the focus goes back when the window is activated
    int dpi_ = kLayoutDpi;  // what the window is laid out for
    // DEFAULT_GUI_FONT as the system made it, for its DPI; the window's own
    // font (font_) is that face at the height for the window's DPI.
    LOGFONTW baseFont_{};
    int baseFontDpi_ = kLayoutDpi;
    HFONT font_ = nullptr;
    HICON largeIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    MainWindowEvents events_{};
};

MainWindow mainWindow;

// Shared (not copied) by the class and the window, for the life of the process.
void MainWindow::loadIcons(HINSTANCE instance) {
    largeIcon_ = static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, 32, 32, LR_SHARED));
    smallIcon_ = static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, 16, 16, LR_SHARED));
}

void MainWindow::registerClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(instance, kClassName, &windowClass)) return;
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = largeIcon_;
    windowClass.hIconSm = smallIcon_;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // Hollow: the window paints its own background (onEraseBackground).
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
}

void MainWindow::open(const MainWindowEvents& events) {
    events_ = events;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    loadIcons(instance);
    registerClass(instance);
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(baseFont_), &baseFont_);
    baseFontDpi_ = systemDpi();
    placeWindow(instance);
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    useFontFor(dpi_);
    createControls(instance, scaledLayout(dpi_));
    raise(events_.created);
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
}

// Creates the window hidden, centred on the primary screen with the outer size
// for its DPI, and exactly that size.
void MainWindow::placeWindow(HINSTANCE instance) {
    // Until the window exists, the system DPI is the best guess at the DPI of
    // the monitor it will be on; most often it is that monitor's.
    const int guess = systemDpi();
    // Halves rounded toward zero, as integer division does.
    const auto centred = [](const ScaledLayout& layout) {
        return POINT{(GetSystemMetrics(SM_CXSCREEN) - layout.windowWidth) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - layout.windowHeight) / 2};
    };
    ScaledLayout layout = scaledLayout(guess);
    POINT at = centred(layout);
    CreateWindowExW(0, kClassName, L"Vostrel", kWindowStyle, at.x, at.y, layout.windowWidth, layout.windowHeight,
                    nullptr, nullptr, instance, this);
    if (window_ == nullptr) raiseWindowLoadFailure();

    dpi_ = windowDpi(window_);
    if (dpi_ != guess) {  // the primary monitor's scale has changed since the user signed in
        layout = scaledLayout(dpi_);
        at = centred(layout);
        SetWindowPos(window_, nullptr, at.x, at.y, layout.windowWidth, layout.windowHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT outer{};
    GetWindowRect(window_, &outer);
    if (outer.right - outer.left != layout.windowWidth || outer.bottom - outer.top != layout.windowHeight) {
        SetWindowPos(window_, nullptr, 0, 0, layout.windowWidth, layout.windowHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void MainWindow::createControls(HINSTANCE instance, const ScaledLayout& layout) {
    for (size_t i = 0; i < kControls.size(); ++i) {
        const ControlLayout& entry = kControls[i];
        const Box& box = layout.controls[i];
        const ControlClass cls = controlClass(entry.kind);
        const HWND child = CreateWindowExW(
            cls.exStyle, cls.className, widen(entry.text).c_str(), WS_CHILD | WS_VISIBLE | cls.style, box.x, box.y,
            box.width, box.height, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(entry.control))), instance, nullptr);
        if (child == nullptr) raiseWindowLoadFailure();
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        if (entry.kind == ControlKind::edit) {
            SendMessageW(child, EM_LIMITTEXT, 0, 0);  // no limit below the platform's own
            SendMessageW(child, EM_SETSEL, 0, 0);
        }
    }
}

// Makes the window's font for `dpi` and gives it to the window and every
// control there is; the font it replaces is deleted once nothing uses it.
void MainWindow::useFontFor(int dpi) {
    LOGFONTW face = baseFont_;
    face.lfHeight = scaledFontHeight(baseFont_.lfHeight, dpi, baseFontDpi_);
    // lfWidth 0 lets the face's own proportions follow the height.
    face.lfWidth = 0;
    HFONT font = CreateFontIndirectW(&face);
    if (font == nullptr) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));  // stock: never deleted
    const HFONT previous = font_;
    font_ = font;
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    for (const ControlLayout& entry : kControls) {
        if (const HWND child = control(entry.control)) {
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
        }
    }
    if (previous != nullptr) DeleteObject(previous);  // a stock object ignores it
}

void MainWindow::layOutControls(int dpi) {
    const ScaledLayout layout = scaledLayout(dpi);
    for (size_t i = 0; i < kControls.size(); ++i) {
        const Box& box = layout.controls[i];
        SetWindowPos(control(kControls[i].control), nullptr, box.x, box.y, box.width, box.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_;
    switch (message) {
        case WM_COMMAND:
            onCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            return 0;
        case WM_ACTIVATE:
            onActivate(LOWORD(wParam));
            return 0;
        case WM_SETFOCUS:
            onSetFocus();
            return 0;
        case WM_ERASEBKGND:
            onEraseBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_DRAWITEM:
            onDrawLabel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CTLCOLOREDIT:  // black on white, whatever the colour scheme
            SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
            SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
            return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
        case WM_DPICHANGED:
            onDpiChanged(wParam, reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:  // the controls are gone: nothing uses the font any more
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            window_ = nullptr;
            lastFocus_ = nullptr;
            if (font_ != nullptr) DeleteObject(font_);
            font_ = nullptr;
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void MainWindow::onCommand(HWND from, WORD notification) {
    // A fatal error's box may be open: the window still works, its buttons do nothing.
    if (notification != BN_CLICKED || fatalErrorRaised()) return;
    // The identifiers do not fit WM_COMMAND's 16-bit id, so tell the buttons apart by handle.
    if (from == control(Control::按钮1)) {
        raise(events_.按钮1Clicked);
    } else if (from == control(Control::按钮2)) {
        raise(events_.按钮2Clicked);
    }
}

void MainWindow::onActivate(WORD state) {
    if (state != WA_INACTIVE) return;  // activation gives the window the focus: onSetFocus
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
}

void MainWindow::onSetFocus() {
    const bool remembered = lastFocus_ != nullptr && IsWindow(lastFocus_) && IsChild(window_, lastFocus_);
    SetFocus(remembered ? lastFocus_ : control(Control::按钮1));
}

void MainWindow::onEraseBackground(HDC dc) {
    RECT client{};
    GetClientRect(window_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

void MainWindow::onDrawLabel(const DRAWITEMSTRUCT& item) {
    wchar_t text[64] = {};
    GetWindowTextW(item.hwndItem, text, static_cast<int>(std::size(text)));
    RECT box = item.rcItem;
    FillRect(item.hDC, &box, GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ previousFont = SelectObject(item.hDC, font_);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, RGB(0, 0, 0));
    DrawTextW(item.hDC, text, -1, &box, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOCLIP);
    SelectObject(item.hDC, previousFont);
}

// The window is now on a monitor of another scale. Moving and resizing the
// controls and changing their font leaves the fields' texts, carets and
// selections as they are, and the focus where it was.
void MainWindow::onDpiChanged(WPARAM wParam, const RECT* suggested) {
    RECT current{};
    GetWindowRect(window_, &current);
    const std::optional<DpiChange> change = readDpiChange(wParam, suggested, current);
    if (!change) return;
    dpi_ = change->dpi;
    const RECT& outer = change->outer;
    SetWindowPos(window_, nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    layOutControls(dpi_);
    useFontFor(dpi_);
    InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::moveFocus(bool backwards) {
    const HWND focus = GetFocus();
    const auto current = std::find_if(kFocusCycle.begin(), kFocusCycle.end(),
                                      [&](Control c) { return control(c) == focus; });
    // Outside the cycle, Tab starts it at 按钮1 and Shift+Tab at its end.
    size_t index = current != kFocusCycle.end() ? static_cast<size_t>(current - kFocusCycle.begin())
                                                : (backwards ? 0 : kFocusCycle.size() - 1);
    for (size_t step = 0; step < kFocusCycle.size(); ++step) {
        index = (index + (backwards ? kFocusCycle.size() - 1 : 1)) % kFocusCycle.size();
        const HWND next = control(kFocusCycle[index]);
        if (IsWindowVisible(next) && IsWindowEnabled(next)) {
            SetFocus(next);
            return;
        }
    }
}

bool MainWindow::handleKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || window_ == nullptr) return false;
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
    const bool shift = keyDown(VK_SHIFT), ctrl = keyDown(VK_CONTROL), alt = keyDown(VK_MENU);
    switch (message.wParam) {
        case VK_TAB:
            if (ctrl) return false;
            moveFocus(shift);
            return true;
        case VK_ESCAPE:
            if (shift || ctrl || alt) return false;
            SendMessageW(window_, WM_CLOSE, 0, 0);
            return true;
        case VK_RETURN:  // no default button, and Enter does not move the focus
        case VK_F1:      // no help
            return true;
        default:
            return false;
    }
}

void dispatch(const MSG& message) {
    if (mainWindow.handleKey(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace

void openMainWindow(const MainWindowEvents& events) { mainWindow.open(events); }

int runMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) dispatch(message);
    return static_cast<int>(message.wParam);
}

void processPendingMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) break;
        if (message.message == WM_QUIT) {  // arrived between the two looks: leave it queued
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        dispatch(message);
    }
}

bool mainWindowExists() { return mainWindow.exists(); }

std::string fieldTextGbk(Control field) {
    const HWND edit = mainWindow.control(field);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return toGbk(text);
}

void setFieldText(Control field, const std::string& text) {
    SetWindowTextW(mainWindow.control(field), widen(text).c_str());
}
