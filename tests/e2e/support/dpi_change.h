#pragma once
// WM_DPICHANGED, as Windows sends it when a window moves to a monitor of
// another scale, sent from outside to a window of another process.

#include <windows.h>

namespace e2e {

// Sends `window` WM_DPICHANGED for `dpi` with the suggested outer rectangle
// `suggested`, and returns once the window has handled it. Throws
// std::runtime_error when the message cannot be given or is not answered.
//
// Wine hands another process only the values of a message's parameters,
// apart from the messages it knows to carry pointers, and WM_DPICHANGED is
// not one of them (it never sends it itself). So the rectangle is written
// into the receiving process's own memory, and the message carries its
// address there, just as the window gets it from Windows.
void sendDpiChanged(HWND window, int dpi, const RECT& suggested);

}  // namespace e2e
