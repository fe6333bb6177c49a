#pragma once
// Synthetic left clicks at points given relative to a window's client area,
// made as one run.
//
// Each click travels as one SendInput call whose inputs carry their screen
// positions: the press and release at the point, then the move back. Injected
// input is queued and handled later by the system, so a click that only moved
// the pointer and pressed "wherever the pointer is" would race its own move
// back; with the positions in the input, nothing can overtake the click.

#include <cstdint>

#include "platform/platform.h"

// Places the pointer at client point (x, y) of `window`; screen point when `window` is 0.
void moveCursorTo(HWND window, int32_t x, int32_t y);

// A run of clicks, as fast as the system takes them, that the user can stop
// by holding Esc and that stops by itself when the system refuses a click.
class ClickRun {
public:
    enum class End {
        completed,        // every click asked for went in (so far)
        stoppedByEscape,  // Esc was down before a click
        refused,          // the system inserted less than a whole click and its move back
    };

    // Reads what every click of the run shares, once: reading the pointer
    // again between queued clicks could observe the run's own moves still in
    // flight.
    ClickRun();

    // Unless Esc is held or the run has already stopped, one primary-button
    // click at client point (x, y) of `window` (screen point when 0), with the
    // move back home in the same injection. False when the run has stopped.
    bool click(HWND window, int32_t x, int32_t y);

    // Sets the pointer home directly, once the run is over: the injected
    // moves back are asynchronous, and whoever reads the pointer next must
    // find it there.
    void finish() const;

    End end() const { return end_; }
    // Clicks whose press and release the system inserted.
    int64_t clicksMade() const { return clicksMade_; }

private:
    uint32_t buttonFlags_;       // press and release of the primary button
    POINT home_;                 // where the pointer goes back after every click
    platform::Desktop desktop_;  // for the absolute coordinates
    End end_ = End::completed;
    int64_t clicksMade_ = 0;
};
