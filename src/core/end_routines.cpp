#include "core/end_routines.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {
std::vector<EndRoutine> routines;
}  // namespace

void registerEndRoutine(EndRoutine routine) {
    if (std::find(routines.begin(), routines.end(), routine) == routines.end()) routines.push_back(routine);
}

void runEndRoutines() {
    // Taken out first, so a routine that ends the program cannot run twice.
    const std::vector<EndRoutine> pending = std::exchange(routines, {});
    for (EndRoutine routine : pending) routine();
}

void discardEndRoutines() { routines.clear(); }
