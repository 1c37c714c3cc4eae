// The command line: the game takes no arguments of its own, and answers
// the two that every program is expected to know.
#pragma once

// What answerCommandLine returns when there are no arguments and the game
// should start.
inline constexpr int kPlayGame = -1;

// Acts on the program's first argument: --help writes a short usage and
// --version the version and licence, both to standard output, for status
// 0; anything else is named on standard error, with a pointer to --help,
// for status 2. Returns that exit status, or kPlayGame when there are no
// arguments. Reads no input.
int answerCommandLine(int argc, const char* const argv[]);
