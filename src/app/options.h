// The command line and the environment: the game takes one argument of its
// own, --accessible, and answers the two that every program is expected to
// know.
#pragma once

// What answerCommandLine returns when the game should start, below any exit
// status: drawn when there are no arguments, in words when the first is
// --accessible.
inline constexpr int kPlayGame = -1;
inline constexpr int kPlayInWords = -2;

// Acts on the program's first argument: --help writes a short usage and
// --version the version and licence, both to standard output, for status
// 0; anything else is named on standard error, with a pointer to --help,
// for status 2. Returns that exit status, or kPlayGame or kPlayInWords.
// Reads no input.
int answerCommandLine(int argc, const char* const argv[]);

// Whether a game started on the command line's answer is told in words:
// kPlayInWords, or the value of the ACCESSIBLE environment variable (null
// when it is unset) being anything but "", "0" or "false" in any case.
bool playsInWords(int answer, const char* accessible);
