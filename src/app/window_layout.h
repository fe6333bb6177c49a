#pragma once
// The main window's geometry and controls, in one table the window builds itself from.

#include <array>
#include <cstdint>

#include "app/controls.h"

constexpr int32_t kWindowWidth = 222;  // outer size, frame and title bar included
constexpr int32_t kWindowHeight = 356;

enum class ControlKind { button, label, edit };

struct ControlLayout {
    Control control;
    ControlKind kind;
    int32_t x, y, width, height;  // relative to the client area's top-left corner
    const char* text;             // UTF-8
};

constexpr std::array<ControlLayout, 14> kControls{{
    {Control::按钮1, ControlKind::button, 16, 16, 66, 38, "取坐标"},
    {Control::按钮2, ControlKind::button, 120, 16, 70, 160, "点击"},
    {Control::标签1, ControlKind::label, 16, 70, 50, 20, "X坐标："},
    {Control::编辑框1, ControlKind::edit, 16, 90, 66, 30, ""},
    {Control::标签2, ControlKind::label, 16, 130, 50, 20, "Y坐标："},
    {Control::编辑框2, ControlKind::edit, 16, 150, 66, 30, ""},
    {Control::标签4, ControlKind::label, 16, 200, 50, 20, "X间距："},
    {Control::编辑框3, ControlKind::edit, 16, 220, 66, 30, "150"},
    {Control::标签3, ControlKind::label, 16, 260, 50, 20, "Y间距："},
    {Control::编辑框4, ControlKind::edit, 16, 280, 66, 30, "33"},
    {Control::标签6, ControlKind::label, 120, 200, 60, 20, "X个数："},
    {Control::编辑框5, ControlKind::edit, 120, 220, 66, 30, "7"},
    {Control::标签5, ControlKind::label, 120, 260, 60, 20, "Y个数："},
    {Control::编辑框6, ControlKind::edit, 120, 280, 66, 30, "5"},
}};

// Tab walks this cycle forwards, Shift+Tab backwards.
constexpr std::array<Control, 8> kFocusCycle{
    Control::按钮1, Control::按钮2, Control::编辑框1, Control::编辑框2,
    Control::编辑框3, Control::编辑框4, Control::编辑框5, Control::编辑框6,
};
