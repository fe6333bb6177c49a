#pragma once
// How the click recorder marks a click it received on the screen, for the
// programs that look for the marks there.

#include <windows.h>

namespace recorder {

inline constexpr COLORREF kMarkColour = RGB(220, 20, 60);
// The dot covers every pixel within this distance of the clicked point, the
// point itself always in the mark's colour; the click's number is written
// below and to the right of it.
inline constexpr int kMarkRadius = 4;

}  // namespace recorder
