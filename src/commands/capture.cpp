#include "commands/capture.h"

#include <string>

#include "app/grid_state.h"
#include "app/window_services.h"
#include "core/wrapping.h"
#include "pointer/geometry.h"
#include "pointer/input_rights.h"

namespace {

constexpr int32_t kRoutine = 1;  // identifies this command in error boxes

// offsets = first, first + spacing, ... one wrapping step at a time; a list of
// no elements fails at its first element.
void fillProgression(IntList& list, int32_t first, int32_t spacing, int32_t count, int32_t position) {
    const CallSite site{kRoutine, position};
    list.at(1, site) = first;
    for (int32_t i = 1; i <= count - 1; ++i) {
        list.at(i + 1, site) = wrappingAdd(list.at(i, site), spacing);
    }
}

}  // namespace

void captureOrigin() {
    delayWithEvents(3000);
    gridState.targetWindow = windowUnderCursor();
    gridState.origin = cursorRelativeTo(gridState.targetWindow);
    writeFieldInt(Control::编辑框1, gridState.origin.x);
    writeFieldInt(Control::编辑框2, gridState.origin.y);

    gridState.columnCount = readFieldInt(Control::编辑框5);
    gridState.rowCount = readFieldInt(Control::编辑框6);
    const int32_t xSpacing = readFieldInt(Control::编辑框3);
    const int32_t ySpacing = readFieldInt(Control::编辑框4);

    // Both lists are resized before either is filled.
    gridState.xList.resize(gridState.columnCount, {kRoutine, 1});
    gridState.yList.resize(gridState.rowCount, {kRoutine, 2});
    fillProgression(gridState.xList, gridState.origin.x, xSpacing, gridState.columnCount, 3);
    fillProgression(gridState.yList, gridState.origin.y, ySpacing, gridState.rowCount, 4);

    std::string report = "已经取到坐标";
    if (windowRefusesOurInput(gridState.targetWindow)) {
        // The capture itself works; every click of a run would be dropped.
        report += "\r\n\r\n注意：目标窗口属于以管理员身份运行的程序，系统会拦截 Vostrel 的点击。"
                  "请以管理员身份运行 Vostrel。";
    }
    showInfo(report);
}
