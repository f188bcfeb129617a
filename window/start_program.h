#pragma once

// Starts the program on its main window and runs it until the window is closed; returns the exit
// code, 0.
int StartProgram();

// Dispatches the window events one at a time until the last window has closed; returns at once
// when no window is shown.
void RunEventLoop();
