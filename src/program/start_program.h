#pragma once

// The program's entry: sets up the grid state, opens the window with the two
// commands on its buttons, runs the message loop, and returns the exit status
// once the window has closed.
int startProgram();
