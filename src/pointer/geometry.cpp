#include "pointer/geometry.h"

#include "core/wrapping.h"
#include "platform/platform.h"

POINT cursorPosition() { return platform::getCursorPos(); }

HWND windowUnderCursor() { return platform::windowFromPoint(cursorPosition()); }

POINT clientOrigin(HWND window) {
    POINT origin{0, 0};  // what a failed conversion leaves
    platform::clientToScreen(window, origin);
    return origin;
}

POINT cursorRelativeTo(HWND window) {
    const POINT base = window != nullptr ? clientOrigin(window) : POINT{0, 0};
    const POINT p = cursorPosition();
    return {wrappingSub(p.x, base.x), wrappingSub(p.y, base.y)};
}
