// What the tests use of POSIX that the Windows C libraries lack.
#pragma once

#ifdef _WIN32

#include <cstring>
#include <direct.h>
#include <io.h>

// Replaces the trailing XXXXXX of path by a name no file has yet and
// creates that directory; returns path, or null when it cannot.
inline char* mkdtemp(char* path) {
    const bool made = _mktemp_s(path, std::strlen(path) + 1) == 0 && _mkdir(path) == 0;
    return made ? path : nullptr;
}

#endif
