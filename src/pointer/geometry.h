#pragma once
// Read-only questions to the desktop about the pointer and windows. Nothing is
// cached: every call asks anew, since pointer and windows move at any time.

#include "platform/win_types.h"

POINT cursorPosition();
// The innermost window under the pointer, possibly another application's control.
HWND windowUnderCursor();
// Screen position of the client area's top-left corner of `window` (not 0).
POINT clientOrigin(HWND window);
// Pointer position relative to the client origin of `window`; the screen
// position when `window` is 0. The pointer is read after the client origin.
POINT cursorRelativeTo(HWND window);
