#pragma once
// What the commands ask of the main window: its fields as numbers, a box to
// report success, and a wait that keeps the window responsive.

#include <cstdint>
#include <string>

#include "app/controls.h"

int32_t readFieldInt(Control field);
void writeFieldInt(Control field, int32_t value);
// Task-modal information box (caption "信息："); returns once dismissed.
void showInfo(const std::string& text);
// The same with the warning icon, for what went wrong without ending anything.
void showWarning(const std::string& text);
// After Esc has stopped a run: waits, handling no message, until the key has
// been up for a tenth of a second, then takes out of the queue the key
// messages the press left there. A held key repeats; any of those left
// behind would close the box that reports the stop, or the window itself.
void swallowEscapePress();
// Waits `ms` milliseconds, handling the window's messages meanwhile, so a
// button pressed during the wait runs its command before the wait goes on.
void delayWithEvents(int32_t ms);
