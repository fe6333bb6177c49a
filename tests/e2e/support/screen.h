#pragma once
// What the screen shows, read back pixel by pixel through GDI, and text as
// GDI draws it, for comparison.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "support/poll.h"

namespace e2e {

// Pixels of a rectangle, top row first, 32 bits each.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<RGBQUAD> rows;
};

// What the screen shows inside `area` (screen coordinates) now.
Pixels screenPixels(const RECT& area);

// The smallest rectangle (screen coordinates, right and bottom exclusive)
// that holds every dark pixel the screen shows inside `area`: text drawn in
// black on a light background, say. Nothing when there is no dark pixel.
std::optional<RECT> darkPixelBounds(const RECT& area);

// The same, once two readings in a row find the same dark pixels: the area
// has finished painting. Whatever the last reading found when `limit` runs out.
std::optional<RECT> settledDarkPixelBounds(const RECT& area, milliseconds limit = kPromptly);

// The size of the dark pixels of `text` drawn on one line in black on white
// with `font`: what the same text in the same font shows on the screen.
SIZE inkSize(const std::wstring& text, HFONT font);

}  // namespace e2e
