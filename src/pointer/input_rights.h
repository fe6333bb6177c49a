#pragma once
// Whether another program's window takes our synthetic input at all.

#include "platform/win_types.h"

// True when `window` belongs to a process that runs at a higher integrity
// level than this one, such as a program started as administrator when this
// one was not: the system drops input sent to it from here. A process whose
// token cannot be read counts as higher, since guarding it is what higher
// rights do. No window (0), the desktop, our own windows and windows that are
// gone never count.
bool windowRefusesOurInput(HWND window);
