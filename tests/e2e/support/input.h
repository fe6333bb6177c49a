#pragma once
// Real input, as a user gives it: key presses and mouse clicks injected into
// the system's input stream (SendInput), and the pointer moved.

#include <windows.h>

#include <initializer_list>

#include "support/poll.h"

namespace e2e {

// Presses and releases `key` while `modifiers` (VK_SHIFT, VK_CONTROL, VK_MENU)
// are held, all in one injection; goes to whichever window has the focus.
void pressKey(WORD key, std::initializer_list<WORD> modifiers = {});

enum class MouseButton { left, right };

// One click at a screen point: the pointer moves there, the button goes down
// and up, all in one injection with the position carried in each input.
void click(POINT screen, MouseButton button = MouseButton::left);
// A click at the centre of a window (a control, say), if that point shows the
// window; false, and no click, when another window lies over it.
bool clickWindow(HWND window);

POINT cursorPosition();
// Moves the pointer and waits until the system reports it there; false if it
// did not get there within `limit`.
bool movePointer(POINT screen, milliseconds limit = kPromptly);

}  // namespace e2e
