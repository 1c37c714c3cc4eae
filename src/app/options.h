// The command line and the environment: the game takes one argument of its
// own, --accessible, and answers the two that every program is expected to
// know.
#pragma once

// What answerCommandLine returns when the game should start, below any exit
// status: drawn when there are no arguments, in words when they are all
// --accessible.
inline constexpr int kPlayGame = -1;
inline constexpr int kPlayInWords = -2;

// Acts on the program's arguments from left to right: --accessible asks
// for the game in words; the first --help writes a short usage, or
// --version the version and licence, both to standard output, for status
// 0, and ends the reading there; anything else is named on standard error,
// with a pointer to --help, for status 2. Returns that exit status, or
// kPlayGame or kPlayInWords. Reads no input.
int answerCommandLine(int argc, const char* const argv[]);

// Whether a game started on the command line's answer is told in words:
// kPlayInWords, or the value of the ACCESSIBLE environment variable (null
// when it is unset) being anything but "", "0", "false", "no" or "off" in
// any case.
bool playsInWords(int answer, const char* accessible);
