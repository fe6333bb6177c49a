#pragma once
// The main window's layout for the DPI it is shown at. window_layout.h holds
// the one table of 96-DPI lengths; here each of them is scaled by dpi / 96 on
// its own, rounded as MulDiv rounds, so that at 96 DPI the window is exactly
// that table and at 144 DPI every length is half as long again. Controls that
// touch in the table never overlap once scaled.

#include <array>
#include <cstdint>

#include "app/window_layout.h"

// The DPI the layout table is written for: 100 % scale.
constexpr int32_t kLayoutDpi = 96;

struct Box {  // relative to the client area's top-left corner
    int32_t x, y, width, height;
    bool operator==(const Box&) const = default;
};

struct ScaledLayout {
    int32_t windowWidth;  // outer size, frame and title bar included
    int32_t windowHeight;
    std::array<Box, kControls.size()> controls;  // in the order of kControls
};

int32_t scaledLength(int32_t length, int32_t dpi);
ScaledLayout scaledLayout(int32_t dpi);

// The height (LOGFONT's lfHeight: negative for the character height, positive
// for the cell height) of a font made for `fontDpi`, for a window laid out at
// `dpi`: at its own DPI a font keeps its own size.
int32_t scaledFontHeight(int32_t height, int32_t dpi, int32_t fontDpi);
