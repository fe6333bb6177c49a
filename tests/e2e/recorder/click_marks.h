#pragma once
// What the click recorder draws where it was clicked: a dot at the point and
// the click's number beside it, so that a picture of the window shows where
// every click landed and in what order.

#include <windows.h>

#include <vector>

class ClickMarks {
public:
    ClickMarks();
    ~ClickMarks();
    ClickMarks(const ClickMarks&) = delete;
    ClickMarks& operator=(const ClickMarks&) = delete;

    // Marks the next click, at client point `at` of `window`. A point clicked
    // again shows only its latest number. Invalidates just the marks' own
    // area, so that drawing costs a long run next to nothing.
    void add(HWND window, POINT at);
    // Draws the marks of `window` that meet `area`.
    void paint(HWND window, HDC dc, const RECT& area) const;

private:
    struct Mark {
        HWND window;
        POINT at;
        int number;
        RECT bounds;  // everything the mark paints, in client coordinates
    };
    RECT boundsOf(POINT at, int number) const;

    std::vector<Mark> marks_;  // oldest first: later marks are drawn on top
    int clicks_ = 0;
    HFONT font_;
    HDC measuring_;  // a memory context with the font, to measure the numbers
    HPEN pen_;
    HBRUSH brush_;
};
