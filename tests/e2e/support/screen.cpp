#include "support/screen.h"

#include <algorithm>
#include <vector>

namespace e2e {

namespace {

// Below half the full brightness on each channel: the core of antialiased
// black text, not the grey fringe at its edges nor a 3D edge's light grey.
bool dark(RGBQUAD pixel) { return pixel.rgbRed < 0x80 && pixel.rgbGreen < 0x80 && pixel.rgbBlue < 0x80; }

// A bitmap like the screen's, with a memory DC to draw into it and read it back.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        const HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(dc_, bitmap_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }

    HDC dc() const { return dc_; }

    Pixels pixels() const {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        Pixels read{width_, height_, std::vector<RGBQUAD>(static_cast<size_t>(width_) * static_cast<size_t>(height_))};
        // GetDIBits wants the bitmap out of any DC.
        SelectObject(dc_, previous_);
        GetDIBits(dc_, bitmap_, 0, static_cast<UINT>(height_), read.rows.data(), &info, DIB_RGB_COLORS);
        SelectObject(dc_, bitmap_);
        return read;
    }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

// The smallest rectangle holding every dark pixel, in the pixels' coordinates.
std::optional<RECT> darkBounds(const Pixels& pixels) {
    std::optional<RECT> bounds;
    for (LONG y = 0; y < pixels.height; ++y) {
        for (LONG x = 0; x < pixels.width; ++x) {
            const size_t at = static_cast<size_t>(y) * static_cast<size_t>(pixels.width) + static_cast<size_t>(x);
            if (!dark(pixels.rows[at])) continue;
            if (!bounds) bounds = RECT{x, y, x + 1, y + 1};
            bounds->left = std::min(bounds->left, x);
            bounds->top = std::min(bounds->top, y);
            bounds->right = std::max(bounds->right, x + 1);
            bounds->bottom = std::max(bounds->bottom, y + 1);
        }
    }
    return bounds;
}

}  // namespace

Pixels screenPixels(const RECT& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return {};
    const Canvas canvas(width, height);
    const HDC screen = GetDC(nullptr);
    BitBlt(canvas.dc(), 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return canvas.pixels();
}

std::optional<RECT> darkPixelBounds(const RECT& area) {
    std::optional<RECT> bounds = darkBounds(screenPixels(area));
    if (bounds) OffsetRect(&*bounds, area.left, area.top);
    return bounds;
}

std::optional<RECT> settledDarkPixelBounds(const RECT& area, milliseconds limit) {
    const auto same = [](const std::optional<RECT>& a, const std::optional<RECT>& b) {
        if (a.has_value() != b.has_value()) return false;
        return !a || EqualRect(&*a, &*b) != FALSE;
    };
    std::optional<RECT> last = darkPixelBounds(area);
    waitUntil(
        [&] {
            const std::optional<RECT> now = darkPixelBounds(area);
            const bool settled = now.has_value() && same(now, last);
            last = now;
            return settled;
        },
        limit);
    return last;
}

SIZE inkSize(const std::wstring& text, HFONT font) {
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ screenFont = SelectObject(screen, font);
    SIZE extent{};
    GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(screen, screenFont);
    ReleaseDC(nullptr, screen);

    // Room around the text for glyphs that reach past their cells.
    const int margin = static_cast<int>(extent.cy);
    const Canvas canvas(static_cast<int>(extent.cx) + 2 * margin, static_cast<int>(extent.cy) + 2 * margin);
    RECT all{0, 0, static_cast<LONG>(extent.cx) + 2 * margin, static_cast<LONG>(extent.cy) + 2 * margin};
    FillRect(canvas.dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const HGDIOBJ previousFont = SelectObject(canvas.dc(), font);
    SetBkMode(canvas.dc(), TRANSPARENT);
    SetTextColor(canvas.dc(), RGB(0, 0, 0));
    TextOutW(canvas.dc(), margin, margin, text.c_str(), static_cast<int>(text.size()));
    SelectObject(canvas.dc(), previousFont);
    const std::optional<RECT> ink = darkBounds(canvas.pixels());
    if (!ink) return SIZE{0, 0};
    return SIZE{ink->right - ink->left, ink->bottom - ink->top};
}

}  // namespace e2e
