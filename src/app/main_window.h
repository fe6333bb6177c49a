#pragma once
// The main window as the rest of the program sees it. The Windows build links
// main_window_win32.cpp; the unit tests link a fake.
//
// The window knows nothing of the commands: it raises its events to the
// handlers it is given, and start-up decides what runs on each.

#include <string>

#include "app/controls.h"

// What the window raises, all on the user-interface thread. A handler left
// null does nothing.
struct MainWindowEvents {
    void (*created)();       // once, after every control exists, before it is shown
    void (*按钮1Clicked)();  // the button reports a click (released over it, or Space)
    void (*按钮2Clicked)();
};

// Creates and shows the window; a window that cannot be created is fatal.
void openMainWindow(const MainWindowEvents& events);
// Runs the message loop while the window exists; returns the quit status.
int runMessageLoop();
// Handles the messages already queued, as the loop would, leaving a quit
// request in the queue. Never waits.
void processPendingMessages();

bool mainWindowExists();
// The field's text as the user sees it, in GBK bytes (code page 936).
std::string fieldTextGbk(Control field);
void setFieldText(Control field, const std::string& text);
