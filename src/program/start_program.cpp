#include "program/start_program.h"

#include "app/grid_state.h"
#include "app/main_window.h"
#include "commands/capture.h"
#include "commands/grid_click.h"
#include "core/end_routines.h"

int startProgram() {
    initGridState();
    registerEndRoutine(releaseGridState);
    openMainWindow({.created = nullptr, .按钮1Clicked = captureOrigin, .按钮2Clicked = clickGrid});
    return runMessageLoop();  // the quit status: 0 once the window has closed
}
