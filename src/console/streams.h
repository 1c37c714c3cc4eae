// The game's two standard streams, checked: what happens when its output
// can't be written, or its input can't be read.
#pragma once

// Makes std::cin read standard input through a buffer that waits on an
// input left non-blocking and remembers a read that failed. Called once,
// at start-up.
void useCheckedInput();

// Flushes standard output and, if anything written to it has failed (a full
// disk, a closed descriptor, a reader that has gone), says so on standard
// error and ends the program with status 1. Called before every read, so a
// game nobody can see stops instead of reading its input to the end.
void checkOutput();

// If a read of standard input failed (a closed descriptor, a directory, a
// terminal that has hung up), says so on standard error and ends the
// program with status 1. The game has by then ended as at the end of its
// input; this tells the failure apart from a player who stopped typing.
void checkInput();
