#include "app/scaled_layout.h"

#include <algorithm>
#include <cstddef>

#include "core/mul_div.h"

namespace {

bool rangesIntersect(int32_t start, int32_t length, int32_t otherStart, int32_t otherLength) {
    return start < otherStart + otherLength && otherStart < start + length;
}

}  // namespace

int32_t scaledLength(int32_t length, int32_t dpi) { return mulDiv(length, dpi, kLayoutDpi); }

ScaledLayout scaledLayout(int32_t dpi) {
    ScaledLayout layout{scaledLength(kWindowWidth, dpi), scaledLength(kWindowHeight, dpi), {}};
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const ControlLayout& entry = kControls[i];
        layout.controls[i] = {scaledLength(entry.x, dpi), scaledLength(entry.y, dpi), scaledLength(entry.width, dpi),
                              scaledLength(entry.height, dpi)};
    }
    // Position and size rounded apart can add up to one pixel more than their
    // sum rounded: at 108 DPI, 标签1 would reach one pixel into 编辑框1, which
    // starts where it ends. A control that does that gives its neighbour the
    // pixel back. At the scales Windows offers per monitor (steps of 25 %)
    // this never happens; at custom scales it keeps every control clear.
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const ControlLayout& a = kControls[i];
        Box& box = layout.controls[i];
        for (std::size_t j = 0; j < kControls.size(); ++j) {
            const ControlLayout& b = kControls[j];
            const Box& next = layout.controls[j];
            if (b.y >= a.y + a.height && rangesIntersect(a.x, a.width, b.x, b.width)) {
                box.height = std::min(box.height, next.y - box.y);
            }
            if (b.x >= a.x + a.width && rangesIntersect(a.y, a.height, b.y, b.height)) {
                box.width = std::min(box.width, next.x - box.x);
            }
        }
    }
    return layout;
}

int32_t scaledFontHeight(int32_t height, int32_t dpi, int32_t fontDpi) { return mulDiv(height, dpi, fontDpi); }
