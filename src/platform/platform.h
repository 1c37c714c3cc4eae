// The few things the standard library cannot do, and the only code that
// knows which system it runs on: telling a console from a pipe or a file,
// clearing the console, and reading the settings file without waiting on it.
#pragma once

#include <string>

// Whether standard output is a console the player looks at, rather than a
// pipe, a file or the null device.
bool outputIsConsole();

// Clears the console and puts the cursor at its top-left corner. Whatever
// the game has written before is flushed first, so it is cleared too.
void clearConsole();

// Reads the whole named file into text when it is a regular file. Anything
// else (missing, a directory, a named pipe, a device) is refused at once,
// without waiting for a writer that may never come.
bool readRegularFile(const char* name, std::string& text);
