// The few things the standard library cannot do, and the only code that
// knows which system it runs on: telling a console from a pipe or a file,
// clearing the console, and reading standard input and the settings file
// safely. Each system has a file of its own beside this one (posix,
// windows, web), and the two with POSIX calls share posix_shared; the
// build compiles those for its target.
#pragma once

#include <string>

// The descriptor of standard input, for readBytes.
inline constexpr int kStandardInput = 0;

// Whether standard output is a console the player looks at and that can be
// cleared, rather than a pipe, a file, the null device or a terminal that
// knows no clearing.
bool outputIsConsole();

// Clears the console and puts the cursor at its top-left corner. Whatever
// the game has written before is flushed first, so it is cleared too.
void clearConsole();

// Opens the named file for reading when, and only when, it is a regular
// file: anything else (missing, a directory, a named pipe, a device) is
// refused without being opened. Returns a descriptor for readBytes, or -1.
int openRegularFile(const char* name);

// Reads up to size bytes from an open descriptor into bytes. An input that
// has no bytes ready yet is waited on, even when it was left non-blocking.
// Returns the count read, 0 at the end of the input, or -1 when the read
// failed, with errno saying why.
long readBytes(int file, char* bytes, long size);

// Closes a descriptor from openRegularFile.
void closeFile(int file);

// The folder, ending in a separator, where the installed game keeps the
// files it ships with, found from where the running program lies; or ""
// where the system has no such folder or it can't be told.
std::string installedDataFolder();
