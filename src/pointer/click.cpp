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

// With swapped buttons the primary (left-hand) click is the right physical button.
uint32_t primaryButtonFlags() {
    return platform::mouseButtonsSwapped() ? MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP
                                           : MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP;
}

}  // namespace

void moveCursorTo(HWND window, int32_t x, int32_t y) {
    const POINT target = screenPoint(window, x, y);
    platform::setCursorPos(target.x, target.y);
}

ClickRun::ClickRun()
    : buttonFlags_(primaryButtonFlags()), home_(cursorPosition()), desktop_(platform::virtualDesktop()) {}

bool ClickRun::click(HWND window, int32_t x, int32_t y) {
    if (end_ != End::completed) return false;
    if (platform::escapeKeyDown()) {
        end_ = End::stoppedByEscape;
        return false;
    }
    const platform::MouseInput inputs[] = {
        absoluteInput(desktop_, screenPoint(window, x, y), buttonFlags_),
        absoluteInput(desktop_, home_, 0),
    };
    const size_t inserted = platform::sendMouseInput(inputs, 2);
    // The press and release travel in the first input: once it is in, the
    // click is made, even if its move back was refused.
    if (inserted >= 1) ++clicksMade_;
    if (inserted < 2) {
        end_ = End::refused;
        return false;
    }
    return true;
}

void ClickRun::finish() const { moveCursorTo(nullptr, home_.x, home_.y); }
