#include "pointer/click.h"

#include "core/wrapping.h"
#include "pointer/absolute_position.h"
#include "pointer/geometry.h"

namespace {

constexpr uint32_t kAbsoluteMove = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;

POINT screenPoint(HWND window, int32_t x, int32_t y) {
    const POINT base = window != nullptr ? clientOrigin(window) : POINT{0, 0};
    return {wrappingAdd(base.x, x), wrappingAdd(base.y, y)};
}

platform::MouseInput absoluteInput(const platform::Desktop& desktop, POINT at, uint32_t flags) {
    return {normalizedCoordinate(at.x, desktop.left, desktop.width),
            normalizedCoordinate(at.y, desktop.top, desktop.height), kAbsoluteMove | flags};
}

}  // namespace

ClickRun beginClickRun() {
    // With swapped buttons the primary (left-hand) click is the right physical button.
    const uint32_t buttons = platform::mouseButtonsSwapped()
                                 ? MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP
                                 : MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP;
    return {cursorPosition(), platform::virtualDesktop(), buttons};
}

void moveCursorTo(HWND window, int32_t x, int32_t y) {
    const POINT target = screenPoint(window, x, y);
    platform::setCursorPos(target.x, target.y);
}

void clickAt(const ClickRun& run, HWND window, int32_t x, int32_t y) {
    const POINT target = screenPoint(window, x, y);
    const platform::MouseInput inputs[] = {
        absoluteInput(run.desktop, target, run.buttonFlags),
        absoluteInput(run.desktop, run.home, 0),
    };
    platform::sendMouseInput(inputs, 2);
    // Also where a display echoes older positions, the pointer ends at home.
    moveCursorTo(nullptr, run.home.x, run.home.y);
}
