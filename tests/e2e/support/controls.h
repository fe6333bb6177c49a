#pragma once
// The identifiers of Vostrel's buttons, fields and labels, as a user-facing contract
// the tests look the controls up by (written here, not taken from the
// program, so a changed identifier fails the tests).

namespace e2e {

inline constexpr int 按钮1 = 369176450;
inline constexpr int 按钮2 = 369177861;
inline constexpr int 编辑框1 = 369177866;
inline constexpr int 编辑框2 = 369177868;
inline constexpr int 编辑框3 = 369177879;
inline constexpr int 编辑框4 = 369177877;
inline constexpr int 编辑框5 = 369177927;
inline constexpr int 编辑框6 = 369177925;
inline constexpr int 标签1 = 369177862;
inline constexpr int 标签2 = 369177867;
inline constexpr int 标签3 = 369177878;
inline constexpr int 标签4 = 369177880;
inline constexpr int 标签5 = 369177926;
inline constexpr int 标签6 = 369177928;

}  // namespace e2e
