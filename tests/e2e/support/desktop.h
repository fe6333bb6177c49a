#pragma once
// Looking at other processes' windows from outside: finding them, reading and
// writing their texts, their geometry, their focus, and their message boxes.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "support/poll.h"

namespace e2e {

std::vector<HWND> topLevelWindows(DWORD processId);
// A visible top-level window of the process with this class and title; either
// may be nullptr to accept any. nullptr if there is none.
HWND findWindow(DWORD processId, const wchar_t* className, const wchar_t* title);
HWND waitForWindow(DWORD processId, const wchar_t* className, const wchar_t* title, milliseconds limit);

// SendMessage that gives up instead of hanging on a stuck process; throws
// std::runtime_error when the other side does not answer in time.
LRESULT sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

std::string className(HWND window);
// The whole text (WM_GETTEXT, marshalled across processes), UTF-8; throws when
// the window does not answer.
std::string windowText(HWND window);
// The same, or nothing when the window is gone or does not answer.
std::optional<std::string> tryWindowText(HWND window);
// A top-level window's title as the system keeps it; sends no message.
std::string title(HWND window);
void setWindowText(HWND window, const std::string& text);  // WM_SETTEXT

RECT windowRect(HWND window);  // screen coordinates
// The window's rectangle relative to its parent's client area.
RECT rectInParent(HWND child);
POINT clientOrigin(HWND window);  // ClientToScreen of (0, 0)
POINT centre(const RECT& rect);

// The centre of the caption button that hit-testing (WM_NCHITTEST) reports
// as `hitCode` (HTCLOSE, HTMINBUTTON), wherever the frame draws it; nothing if
// the caption has no such button.
std::optional<POINT> captionButton(HWND window, LRESULT hitCode);

DWORD threadOf(HWND window);
// The window with the keyboard focus in that thread (GetGUIThreadInfo).
HWND focusedWindow(DWORD threadId);
HWND activeWindow(DWORD threadId);

struct MessageBoxView {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};
// The process's visible message boxes (#32770 dialogs), with caption and text.
std::vector<MessageBoxView> messageBoxes(DWORD processId);
std::optional<MessageBoxView> waitForMessageBox(DWORD processId, milliseconds limit);
// Presses the box's OK button.
void dismissMessageBox(HWND box);

}  // namespace e2e
