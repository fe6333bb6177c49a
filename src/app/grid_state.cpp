#include "app/grid_state.h"

GridState gridState;

void initGridState() {
    gridState.origin = {0, 0};
    // Sized like the window's default counts; never read before a capture.
    gridState.xList = IntList(7);
    gridState.yList = IntList(5);
}

void releaseGridState() {
    gridState.origin = {0, 0};
    gridState.xList.release();
    gridState.yList.release();
}
