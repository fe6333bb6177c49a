#include "click_marks.h"

#include <algorithm>
#include <string>

#include "mark_style.h"

using recorder::kMarkColour;
using recorder::kMarkRadius;

ClickMarks::ClickMarks()
    // Bold and a little larger than the dialog font, to read in a screenshot.
    : font_(CreateFontW(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Shell Dlg 2")),
      measuring_(CreateCompatibleDC(nullptr)),
      pen_(CreatePen(PS_SOLID, 1, kMarkColour)),
      brush_(CreateSolidBrush(kMarkColour)) {
    SelectObject(measuring_, font_);
}

ClickMarks::~ClickMarks() {
    DeleteDC(measuring_);
    DeleteObject(font_);
    DeleteObject(pen_);
    DeleteObject(brush_);
}

RECT ClickMarks::boundsOf(POINT at, int number) const {
    const std::wstring text = std::to_wstring(number);
    SIZE size{};
    GetTextExtentPoint32W(measuring_, text.c_str(), static_cast<int>(text.size()), &size);
    const LONG textLeft = at.x + kMarkRadius + 1, textTop = at.y + 1;
    return {at.x - kMarkRadius, at.y - kMarkRadius, std::max(at.x + kMarkRadius + 1, textLeft + size.cx),
            std::max(at.y + kMarkRadius + 1, textTop + size.cy)};
}

void ClickMarks::add(HWND window, POINT at) {
    const auto same = std::find_if(marks_.begin(), marks_.end(), [&](const Mark& mark) {
        return mark.window == window && mark.at.x == at.x && mark.at.y == at.y;
    });
    if (same != marks_.end()) {
        InvalidateRect(window, &same->bounds, TRUE);  // the old number goes
        marks_.erase(same);
    }
    const Mark mark{window, at, ++clicks_, boundsOf(at, clicks_)};
    marks_.push_back(mark);
    InvalidateRect(window, &mark.bounds, TRUE);
}

void ClickMarks::paint(HWND window, HDC dc, const RECT& area) const {
    const HGDIOBJ oldPen = SelectObject(dc, pen_);
    const HGDIOBJ oldBrush = SelectObject(dc, brush_);
    const HGDIOBJ oldFont = SelectObject(dc, font_);
    SetTextColor(dc, kMarkColour);
    SetBkMode(dc, TRANSPARENT);
    for (const Mark& mark : marks_) {
        RECT overlap{};
        if (mark.window != window || !IntersectRect(&overlap, &mark.bounds, &area)) continue;
        Ellipse(dc, mark.at.x - kMarkRadius, mark.at.y - kMarkRadius, mark.at.x + kMarkRadius + 1,
                mark.at.y + kMarkRadius + 1);
        const std::wstring text = std::to_wstring(mark.number);
        TextOutW(dc, mark.at.x + kMarkRadius + 1, mark.at.y + 1, text.c_str(), static_cast<int>(text.size()));
    }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
}
