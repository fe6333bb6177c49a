#include "commands/grid_click.h"

#include <string>

#include "app/grid_state.h"
#include "app/window_services.h"
#include "pointer/click.h"

namespace {

constexpr int32_t kRoutine = 2;  // identifies this command in error boxes

// The client origin, then every grid point column by column, until the run
// stops.
void clickEveryPoint(ClickRun& run) {
    const HWND target = gridState.targetWindow;
    if (!run.click(target, 0, 0)) return;
    for (int32_t i = 1; i <= gridState.columnCount; ++i) {
        const int32_t x = gridState.xList.at(i, {kRoutine, 1});
        for (int32_t j = 1; j <= gridState.rowCount; ++j) {
            if (!run.click(target, x, gridState.yList.at(j, {kRoutine, 2}))) return;
        }
    }
}

std::string progress(const ClickRun& run) {
    // In 64 bits: the grid's product does not fit 32.
    const int64_t asked = 1 + int64_t{gridState.columnCount} * gridState.rowCount;
    return "已停止：点击了 " + std::to_string(run.clicksMade()) + " 次，共 " + std::to_string(asked) + " 次";
}

}  // namespace

void clickGrid() {
    ClickRun run;
    clickEveryPoint(run);
    run.finish();
    switch (run.end()) {
        case ClickRun::End::completed:
            showInfo("抢班完成");
            break;
        case ClickRun::End::stoppedByEscape:
            swallowEscapePress();
            showInfo(progress(run));
            break;
        case ClickRun::End::refused:
            // Never "done": the user must know that nothing more was clicked.
            showWarning("系统拒绝了模拟点击，" + progress(run) +
                        "。\r\n\r\n屏幕锁定或出现管理员权限提示时无法点击；"
                        "目标程序以管理员身份运行时，Vostrel 也须以管理员身份运行。");
            break;
    }
}
