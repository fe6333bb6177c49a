#pragma once
// The synthetic left click at a point given relative to a window's client area.
//
// Each click travels as one SendInput call whose inputs carry their screen
// positions: the press and release at the point, then the move back. Injected
// input is queued and handled later by the system, so a click that only moved
// the pointer and pressed "wherever the pointer is" would race its own move
// back; with the positions in the input, nothing can overtake the click.

#include <cstdint>

#include "platform/platform.h"

// What every click of one run shares, read once before its first click.
// Reading the pointer again between queued clicks could observe the run's own
// moves still in flight.
struct ClickRun {
    POINT home;                // where the pointer goes back after every click
    platform::Desktop desktop;  // for the absolute coordinates
    uint32_t buttonFlags;      // press and release of the primary button
};

ClickRun beginClickRun();

// Places the pointer at client point (x, y) of `window`; screen point when `window` is 0.
void moveCursorTo(HWND window, int32_t x, int32_t y);

// One primary-button click at client point (x, y) of `window` (screen point
// when 0), then the pointer goes back to the run's home position.
void clickAt(const ClickRun& run, HWND window, int32_t x, int32_t y);
