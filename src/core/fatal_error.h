#pragma once
// The program's one failure path: a box that says what went wrong and where,
// then the end of the process with status -1. Nothing catches or recovers.

#include <cstdint>
#include <optional>
#include <string>

struct WindowTags {  // the tag texts of the window and the control involved
    std::string window;
    std::string control;
};

struct FatalError {
    int32_t code = 0;       // 0: the error has no code
    std::string message;    // may be empty
    int32_t routineId = 0;  // the command that detected it
    int32_t position = 0;   // the place within that command
    std::optional<WindowTags> tags;  // only for failures of the main window or its fields
};

// The box text, lines separated by CR LF, ending with one.
std::string fatalErrorText(const FatalError& error);

// Shows the error box and ends the process with status -1; never returns.
[[noreturn]] void raiseFatal(const FatalError& error);

// True from the moment a fatal error is raised: button presses then run nothing.
bool fatalErrorRaised();
