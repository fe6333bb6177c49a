#pragma once
// The main window as the rest of the program sees it. The Windows build links
// main_window_win32.cpp; the unit tests link a fake.

#include <string>

#include "app/controls.h"

// Creates and shows the window; a window that cannot be created is fatal.
void openMainWindow();
// Runs the message loop while the window exists; returns the quit status.
int runMessageLoop();
// Handles the messages already queued, as the loop would, leaving a quit
// request in the queue. Never waits.
void processPendingMessages();

bool mainWindowExists();
// The field's text as the user sees it, in GBK bytes (code page 936).
std::string fieldTextGbk(Control field);
void setFieldText(Control field, const std::string& text);
