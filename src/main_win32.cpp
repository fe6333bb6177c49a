// The Windows entry point.

#include "program/start_program.h"
#include "core/end_routines.h"
#include "platform/win_types.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const int status = startProgram();
    runEndRoutines();
    return status;
}
