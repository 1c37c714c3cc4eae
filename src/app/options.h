// The command line and the environment: the game takes one argument of its
// own, --accessible, and answers the two that every program is expected to
// know.
#pragma once

// What answerCommandLine returns when there are no arguments, or only
// --accessible first, and the game should start.
inline constexpr int kPlayGame = -1;

// Acts on the program's first argument: --help writes a short usage and
// --version the version and licence, both to standard output, for status
// 0; anything else is named on standard error, with a pointer to --help,
// for status 2. Returns that exit status, or kPlayGame when there are no
// arguments or the first is --accessible. Reads no input.
int answerCommandLine(int argc, const char* const argv[]);

// Whether the player asks for the game in words: by --accessible as the
// first argument, or by the value of the ACCESSIBLE environment variable
// (null when it is unset) being anything but "", "0" or "false" in any case.
bool asksForAccessibleMode(int argc, const char* const argv[], const char* accessible);
