#pragma once
// What a capture records and a click run uses: the one record the commands share.

#include <cstdint>

#include "core/int_list.h"
#include "platform/win_types.h"

struct GridState {
    HWND targetWindow = nullptr;  // another application's; only remembered
    POINT origin{0, 0};           // pointer offset from the target's client origin
    int32_t columnCount = 0;
    int32_t rowCount = 0;
    IntList xList;  // X offsets of the columns, relative to the target's client origin
    IntList yList;  // Y offsets of the rows
};

extern GridState gridState;

void initGridState();
void releaseGridState();
