// How the console shows a game: cleared before each drawing where there is
// a console to clear, or told in words, line by line, for a player who
// listens through a screen reader.
#pragma once

// Whether standard output is a console that can be cleared. Set once at
// start-up; false until then, so the game run in-process clears nothing.
extern bool consoleIsTerminal;

// Whether the game is told in words instead of drawn: nothing is cleared
// and no board drawn, each shot is said in one line and the board is read
// out on demand. Set once at start-up; false until then.
extern bool accessibleMode;

// Clears the console so that a drawing starts at its top.
void clearScreen();
