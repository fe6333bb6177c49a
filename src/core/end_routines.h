#pragma once
// Routines that run once when the program ends normally, in the order they
// were registered. A fatal error discards them instead: nothing is released
// on the way out of a failed run.

using EndRoutine = void (*)();

void registerEndRoutine(EndRoutine routine);  // registering one twice has no further effect
void runEndRoutines();                        // runs each once, then forgets them
void discardEndRoutines();
