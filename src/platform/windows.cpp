// The system calls behind platform.h on Windows.
#include "platform/platform.h"

#include <fcntl.h>
#include <filesystem>
#include <io.h>
#include <iostream>
#include <sys/stat.h>
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

// Opened in text mode, so that line ends come in as the rest of the program
// expects them. The descriptor is looked at again once open, so that a file
// swapped in after the first look is refused as well.
int openRegularFile(const char* name) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(name, error)) {
        return -1;
    }
    const int file = _open(name, _O_RDONLY | _O_TEXT);
    struct _stat64 info = {};
    if (file >= 0 && (_fstat64(file, &info) != 0 || (info.st_mode & _S_IFREG) == 0)) {
        _close(file);
        return -1;
    }
    return file;
}

// Standard input is in text mode too: "\r\n" comes in as "\n", and Ctrl-Z
// at the start of a console line ends the input.
long readBytes(int file, char* bytes, long size) {
    return _read(file, bytes, static_cast<unsigned>(size));
}

void closeFile(int file) {
    _close(file);
}

// A Windows game is a folder: its data lies beside the program, so that a
// console started anywhere else still finds it. A path too long for the
// buffer is cut short, and is then passed over as "none".
std::string installedDataFolder() {
    char program[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return "";
    }
    std::string folder(program, length);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder;
}
