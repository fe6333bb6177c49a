#pragma once
// vostrel.exe as a test drives it: started, its main window found, its
// controls looked up by identifier, its focus and message boxes watched.

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "support/desktop.h"
#include "support/poll.h"
#include "support/process.h"

namespace e2e {

class Vostrel {
public:
    // How long a capture gives the user to place the pointer.
    static constexpr milliseconds kCaptureWait{3000};

    // Starts the program and waits until its window is shown with the focus
    // inside it. Throws std::runtime_error if the window does not appear.
    Vostrel();

    const Process& process() const { return process_; }
    HWND window() const { return window_; }
    HWND control(int id) const { return GetDlgItem(window_, id); }
    std::string text(int id) const { return windowText(control(id)); }
    void setText(int id, const std::string& text) const { setWindowText(control(id), text); }
    // The four grid fields: X间距, Y间距, X个数, Y个数.
    void setGrid(const std::string& xSpacing, const std::string& ySpacing, const std::string& xCount,
                 const std::string& yCount) const;

    // The identifier of the control with the keyboard focus; 0 when the focus
    // is on none of the window's controls.
    int focusedControl() const;
    int waitForFocus(int id, milliseconds limit = kPromptly) const;

    std::optional<MessageBoxView> waitForMessageBox(milliseconds limit) const {
        return e2e::waitForMessageBox(process_.id(), limit);
    }
    std::optional<DWORD> waitForExit(milliseconds limit) const { return process_.waitForExit(limit); }

private:
    Process process_;
    HWND window_ = nullptr;
    DWORD thread_ = 0;
};

}  // namespace e2e
