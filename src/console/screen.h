// Clearing the console before a drawing, where there is a console to clear.
#pragma once

// Whether standard output is a console that can be cleared. Set once at
// start-up; false until then, so the game run in-process clears nothing.
extern bool consoleIsTerminal;

// Clears the console so that a drawing starts at its top.
void clearScreen();
