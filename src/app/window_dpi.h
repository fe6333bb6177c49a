#pragma once
// Which DPI the main window is laid out for, at start and when Windows moves
// it to a monitor of another scale.

#include <cstdint>
#include <optional>

#include "platform/win_types.h"

// The system DPI, or 96 where it cannot be read.
int32_t systemDpi();
// The DPI of the monitor the window is on, where Windows can tell it
// (GetDpiForWindow), and otherwise the system DPI: the one scale that
// Windows 7 and 8 apply to every monitor.
int32_t windowDpi(HWND window);

// What a WM_DPICHANGED message asks of the window.
struct DpiChange {
    int32_t dpi;
    RECT outer;  // where the window goes, in screen coordinates
};
// Read from the message alone: asked again, Windows could still answer the
// old DPI. The DPI is the low word of `wParam` (the X axis; Windows sends the
// same for both). The window goes to the rectangle Windows suggests; without
// one it keeps its top-left corner and takes the outer size scaled for the
// DPI. Nothing for a message that carries no DPI.
std::optional<DpiChange> readDpiChange(uint64_t wParam, const RECT* suggested, const RECT& current);
