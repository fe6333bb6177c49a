#pragma once
// Everything the program asks of the operating system, apart from its own
// window. The Windows build links platform/win32; the unit tests link a fake
// that records each call and answers from a scripted desktop.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/win_types.h"

namespace platform {

// --- Pointer and other applications' windows -------------------------------
POINT getCursorPos();                          // GetCursorPos; (0, 0) if it fails
HWND windowFromPoint(POINT screenPoint);       // WindowFromPoint
void clientToScreen(HWND window, POINT& point);  // ClientToScreen; leaves point as it is if it fails
void setCursorPos(int32_t x, int32_t y);       // SetCursorPos

struct Desktop {  // the virtual screen, spanning every display
    int32_t left;
    int32_t top;
    int32_t width;
    int32_t height;
};
Desktop virtualDesktop();
bool mouseButtonsSwapped();  // GetSystemMetrics(SM_SWAPBUTTON)

struct MouseInput {  // one MOUSEINPUT of a SendInput call
    int32_t dx;
    int32_t dy;
    uint32_t flags;
};
// SendInput; returns how many of the inputs the system inserted. Fewer than
// `count` means it refused them: the workstation is locked, a UAC prompt is
// up, or the input would reach a program with higher rights.
size_t sendMouseInput(const MouseInput* inputs, size_t count);

// --- Keyboard ----------------------------------------------------------------
// Esc held down at this moment (GetAsyncKeyState's high bit, not its
// "pressed since" bit, which every program shares). Handles no message.
bool escapeKeyDown();
// Takes the Esc key messages at the front of the thread's key messages out of
// its queue, leaving every other message where it is.
void discardEscapeKeyMessages();

// --- Other programs' rights -------------------------------------------------
uint32_t windowProcessId(HWND window);  // GetWindowThreadProcessId; 0 once the window is gone
uint32_t currentProcessId();
HWND desktopWindow();  // GetDesktopWindow

struct IntegrityLevel {
    enum class Reading {
        read,        // `level` holds the token's integrity level (its mandatory label's RID)
        unreadable,  // the process exists, its token could not be read
        noProcess,   // no such process
    } reading;
    uint32_t level;
};
IntegrityLevel processIntegrityLevel(uint32_t processId);

// --- Display scale -----------------------------------------------------------
// GetDpiForWindow, looked up at run time: nothing where this Windows does not
// have it (before Windows 10 version 1607); 0 for a window that is gone.
std::optional<uint32_t> dpiForWindow(HWND window);
// GetDeviceCaps(LOGPIXELSX) of the screen: the system DPI, which the stock
// fonts are made for; 0 if it cannot be read.
uint32_t systemDpi();

// --- Message boxes, time, memory, process -----------------------------------
enum class BoxKind {
    information,  // OK button, no icon, task-modal
    warning,      // OK button, warning icon, task-modal
    error,        // OK button, error icon, not task-modal
};
// Texts are UTF-8; the platform converts them where it hands them to Windows.
void messageBox(const std::string& text, const std::string& caption, BoxKind kind);

// A quit request already queued would end a message box's modal loop at once.
void discardPendingQuit();

uint32_t getTickCount();  // GetTickCount: milliseconds, wraps every 49.7 days
void sleep(uint32_t ms);  // Sleep: blocks, handles no message

void* allocate(uint64_t bytes);  // from the process heap; nullptr when it cannot be had
void release(void* block);

[[noreturn]] void exitProcess(int status);  // ExitProcess; no end routines run

}  // namespace platform
