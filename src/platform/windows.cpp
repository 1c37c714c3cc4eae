// The system calls behind platform.h on Windows.
#include "platform/platform.h"

#include <algorithm>
#include <cstddef>
#include <fcntl.h>
#include <filesystem>
#include <io.h>
#include <iostream>
#include <string>
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

// The rest of the program passes file names as UTF-8, which Windows takes
// as UTF-16: these two convert at its calls, so that a name outside the
// code page of the moment (a folder named in Cyrillic and kana, say) still
// opens. Either gives "" for what is not a whole name in the other form.
static std::wstring wideName(const std::string& name) {
    const int size = static_cast<int>(name.size());
    const int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, name.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
    if (length > 0) {
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, name.data(), size, wide.data(), length);
    }
    return wide;
}

static std::string utf8Name(const std::wstring& wide) {
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), size,
                                           nullptr, 0, nullptr, nullptr);
    std::string name(static_cast<std::size_t>(std::max(length, 0)), '\0');
    if (length > 0) {
        WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), size, name.data(), length,
                            nullptr, nullptr);
    }
    return name;
}

// Opened by its wide name, in text mode, so that line ends come in as the
// rest of the program expects them. The descriptor is looked at again once
// open, so that a file swapped in after the first look is refused as well.
int openRegularFile(const char* name) {
    const std::wstring wide = wideName(name);
    std::error_code error;
    if (wide.empty() || !std::filesystem::is_regular_file(std::filesystem::path(wide), error)) {
        return -1;
    }
    const int file = _wopen(wide.c_str(), _O_RDONLY | _O_TEXT);
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
// console started anywhere else still finds it. The program's path is
// asked for in UTF-16, whatever its characters, into a buffer doubled until
// the path fits, whatever its length (a path cut short fills the buffer).
std::string installedDataFolder() {
    std::wstring program(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, program.data(),
                                        static_cast<DWORD>(program.size()))) == program.size()) {
        program.resize(2 * program.size());
    }
    if (length == 0) {
        return "";
    }
    program.resize(length);
    program.erase(program.find_last_of(L"\\/") + 1);
    return utf8Name(program);
}
