#pragma once
// The few Windows types and constants the portable code speaks in. On Windows
// they are the real ones; elsewhere (the unit tests) they are declared here
// with the same layout and values, so the portable code reads the same either way.

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cstdint>

struct POINT {
    int32_t x;
    int32_t y;
};

struct RECT {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

struct HWND__;
using HWND = HWND__*;

constexpr uint32_t MOUSEEVENTF_MOVE = 0x0001;
constexpr uint32_t MOUSEEVENTF_LEFTDOWN = 0x0002;
constexpr uint32_t MOUSEEVENTF_LEFTUP = 0x0004;
constexpr uint32_t MOUSEEVENTF_RIGHTDOWN = 0x0008;
constexpr uint32_t MOUSEEVENTF_RIGHTUP = 0x0010;
constexpr uint32_t MOUSEEVENTF_VIRTUALDESK = 0x4000;
constexpr uint32_t MOUSEEVENTF_ABSOLUTE = 0x8000;
#endif

static_assert(sizeof(POINT) == 8, "a point is two 32-bit coordinates");
static_assert(sizeof(RECT) == 16, "a rectangle is four 32-bit coordinates");
