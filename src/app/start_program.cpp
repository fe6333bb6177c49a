#include "app/start_program.h"

#include "app/grid_state.h"
#include "app/main_window.h"
#include "core/end_routines.h"

int startProgram() {
    initGridState();
    registerEndRoutine(releaseGridState);
    openMainWindow();
    runMessageLoop();
    return 0;
}
