#pragma once
// The main window's controls, named as the window names them. Each value is
// the control's identifier, which also names it in fatal error texts.

#include <cstdint>

constexpr int32_t kMainWindowId = 1375797249;

enum class Control : int32_t {
    按钮1 = 369176450,
    按钮2 = 369177861,
    标签1 = 369177862,
    编辑框1 = 369177866,
    标签2 = 369177867,
    编辑框2 = 369177868,
    标签4 = 369177880,
    编辑框3 = 369177879,
    标签3 = 369177878,
    编辑框4 = 369177877,
    标签6 = 369177928,
    编辑框5 = 369177927,
    标签5 = 369177926,
    编辑框6 = 369177925,
};

constexpr int32_t controlId(Control control) { return static_cast<int32_t>(control); }
