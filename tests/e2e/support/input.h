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
// A key held down until release() or the end of the object, as a keyboard
// holds it: pressed again every few milliseconds (a keyboard repeats a held
// key too). Under Wine that matters: Wine takes its key state afresh from the
// X server whenever the pointer enters one of its windows, which every
// injected pointer move does, and X knows nothing of a key pressed by
// SendInput, so a single press is let go within a click.
class HeldKey {
public:
    explicit HeldKey(WORD key);
    HeldKey(const HeldKey&) = delete;
    HeldKey& operator=(const HeldKey&) = delete;
    ~HeldKey();
    // Stops the repeats, then lets the key go up.
    void release();

private:
    static DWORD WINAPI repeat(void* self);
    WORD key_;
    HANDLE stop_;
    HANDLE thread_;
};

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
