// What happens when the game's output can't be written.
#pragma once

// Flushes standard output and, if anything written to it has failed (a full
// disk, a closed descriptor, a reader that has gone), says so on standard
// error and ends the program with status 1. Called before every read, so a
// game nobody can see stops instead of reading its input to the end.
void checkOutput();
