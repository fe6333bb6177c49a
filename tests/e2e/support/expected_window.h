#pragma once
// What Vostrel's window must hold at 100 % (96 DPI), written out here rather
// than taken from the program, so that a changed control fails the tests.

#include <vector>

#include "support/controls.h"

namespace e2e {

enum class ControlKind { button, label, edit };

struct ExpectedControl {
    const char* name;
    int id;
    ControlKind kind;
    int x, y, width, height;  // relative to the client area
    const char* text;         // at start
};

inline constexpr ExpectedControl kExpectedControls[] = {
    {"按钮1", 按钮1, ControlKind::button, 16, 16, 66, 38, "取坐标"},
    {"按钮2", 按钮2, ControlKind::button, 120, 16, 70, 160, "点击"},
    {"标签1", 标签1, ControlKind::label, 16, 70, 50, 20, "X坐标："},
    {"编辑框1", 编辑框1, ControlKind::edit, 16, 90, 66, 30, ""},
    {"标签2", 标签2, ControlKind::label, 16, 130, 50, 20, "Y坐标："},
    {"编辑框2", 编辑框2, ControlKind::edit, 16, 150, 66, 30, ""},
    {"标签4", 标签4, ControlKind::label, 16, 200, 50, 20, "X间距："},
    {"编辑框3", 编辑框3, ControlKind::edit, 16, 220, 66, 30, "150"},
    {"标签3", 标签3, ControlKind::label, 16, 260, 50, 20, "Y间距："},
    {"编辑框4", 编辑框4, ControlKind::edit, 16, 280, 66, 30, "33"},
    {"标签6", 标签6, ControlKind::label, 120, 200, 60, 20, "X个数："},
    {"编辑框5", 编辑框5, ControlKind::edit, 120, 220, 66, 30, "7"},
    {"标签5", 标签5, ControlKind::label, 120, 260, 60, 20, "Y个数："},
    {"编辑框6", 编辑框6, ControlKind::edit, 120, 280, 66, 30, "5"},
};

// The order in which Tab visits the controls, and Shift+Tab in reverse.
inline const std::vector<int> kFocusCycle{按钮1, 按钮2, 编辑框1, 编辑框2, 编辑框3, 编辑框4, 编辑框5, 编辑框6};

}  // namespace e2e
