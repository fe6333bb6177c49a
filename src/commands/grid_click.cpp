#include "commands/grid_click.h"

#include "app/grid_state.h"
#include "app/window_services.h"
#include "pointer/click.h"

namespace {
constexpr int32_t kRoutine = 2;  // identifies this command in error boxes
}  // namespace

void clickGrid() {
    const ClickRun run = beginClickRun();
    const HWND target = gridState.targetWindow;
    clickAt(run, target, 0, 0);
    for (int32_t i = 1; i <= gridState.columnCount; ++i) {
        const int32_t x = gridState.xList.at(i, {kRoutine, 1});
        for (int32_t j = 1; j <= gridState.rowCount; ++j) {
            clickAt(run, target, x, gridState.yList.at(j, {kRoutine, 2}));
        }
    }
    showInfo("抢班完成");
}
