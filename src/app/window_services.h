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
// Waits `ms` milliseconds, handling the window's messages meanwhile, so a
// button pressed during the wait runs its command before the wait goes on.
void delayWithEvents(int32_t ms);
