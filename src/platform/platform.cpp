// The system calls behind platform.h, one section per system.
#include "platform/platform.h"

#include <iostream>

#ifdef _WIN32

/* ---------------------------------------------------------------------- */
/* Windows                                                                */
/* ---------------------------------------------------------------------- */

#include <filesystem>
#include <fstream>
#include <iterator>
#include <windows.h>

// A pipe, a file and NUL have no console mode; only a real console has.
bool outputIsConsole() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

// Blanks every cell of the screen buffer in its current colours and homes
// the cursor, through the console itself rather than a command interpreter.
void clearConsole() {
    std::cout.flush();
    const HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
    CONSOLE_SCREEN_BUFFER_INFO screen;
    if (!GetConsoleScreenBufferInfo(console, &screen)) {
        return;
    }
    const DWORD cells = static_cast<DWORD>(screen.dwSize.X) * static_cast<DWORD>(screen.dwSize.Y);
    const COORD home = {0, 0};
    DWORD done = 0;
    FillConsoleOutputCharacterA(console, ' ', cells, home, &done);
    FillConsoleOutputAttribute(console, screen.wAttributes, cells, home, &done);
    SetConsoleCursorPosition(console, home);
}

// Read as text, so that line ends come in as the rest of the program
// expects them.
bool readRegularFile(const char* name, std::string& text) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(name, error)) {
        return false;
    }
    std::ifstream file(name);
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

#else

/* ---------------------------------------------------------------------- */
/* POSIX                                                                  */
/* ---------------------------------------------------------------------- */

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool outputIsConsole() {
    return isatty(STDOUT_FILENO) == 1;
}

// Home the cursor, then erase the screen: every terminal knows these two.
void clearConsole() {
    std::cout << "\x1b[H\x1b[2J" << std::flush;
}

// Opening without blocking means a named pipe with no writer is opened at
// once, and then turned away like every other file that is not regular.
bool readRegularFile(const char* name, std::string& text) {
    const int fd = open(name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info = {};
    bool readable = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    char chunk[4096];
    ssize_t got = 0;
    while (readable && (got = read(fd, chunk, sizeof chunk)) > 0) {
        text.append(chunk, static_cast<std::size_t>(got));
    }
    close(fd);
    return readable && got == 0;
}

#endif
