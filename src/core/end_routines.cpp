#include "core/end_routines.h"

#include <array>
#include <cstddef>

namespace {
// A fixed table: registering must not allocate, and the program has one routine.
std::array<EndRoutine, 8> routines{};
size_t routineCount = 0;
}  // namespace

void registerEndRoutine(EndRoutine routine) {
    for (size_t i = 0; i < routineCount; ++i) {
        if (routines[i] == routine) return;
    }
    if (routineCount < routines.size()) routines[routineCount++] = routine;
}

void runEndRoutines() {
    // Take the table first, so a routine that ends the program cannot run twice.
    const auto pending = routines;
    const size_t count = routineCount;
    discardEndRoutines();
    for (size_t i = 0; i < count; ++i) pending[i]();
}

void discardEndRoutines() {
    routines.fill(nullptr);
    routineCount = 0;
}
