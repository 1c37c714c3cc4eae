// The system calls behind platform.h in the WebAssembly build. The same
// code runs in two places: under node, where the files and the standard
// streams are the machine's own, and in the web page, where standard input
// is what the player types into the page's terminal and the settings file
// lives in the page's memory.
#include "platform/platform.h"

#include <emscripten.h>

#include <cerrno>
#include <iostream>
#include <string>
#include <unistd.h>

// Node is asked, for the runtime itself takes every standard stream for a
// terminal; as on any POSIX system, a terminal that says it is dumb, or
// says nothing, is not cleared. The page's terminal always can be.
EM_JS(int, standardOutputIsTerminal, (), {
    if (typeof process == "object" && typeof require == "function") {
        const term = process.env["TERM"];
        return require("tty").isatty(1) && term && term != "dumb" ? 1 : 0;
    }
    return 1;
});

// The page lends its typed lines through Module.readTypedInput, a promise
// of at most size bytes, empty once the player has ended the input. The
// game waits here, its stack set aside, until the player presses Enter.
EM_ASYNC_JS(long, readTypedInput, (char* bytes, long size), {
    const typed = await Module["readTypedInput"](size);
    HEAPU8.set(typed, bytes);
    return typed.length;
});

EM_JS(int, inPage, (), { return typeof Module["readTypedInput"] == "function" ? 1 : 0; });

// Node has no poll for the machine's descriptors: a read that finds no
// bytes ready sleeps a moment before it tries again.
EM_JS(void, sleepBriefly, (),
      { Atomics.wait(new Int32Array(new SharedArrayBuffer(4)), 0, 0, 10); });

bool outputIsConsole() {
    return standardOutputIsTerminal() == 1;
}

// Home the cursor, then erase the screen, as on any terminal.
void clearConsole() {
    std::cout << "\x1b[H\x1b[2J" << std::flush;
}

// In the page standard input is the typed lines. Under node an input left
// non-blocking by another program answers EAGAIN while nothing has been
// typed: that is waited out rather than taken for the end of the input.
long readBytes(int file, char* bytes, long size) {
    if (file == kStandardInput && inPage() == 1) {
        return readTypedInput(bytes, size);
    }
    for (;;) {
        const ssize_t got = read(file, bytes, static_cast<std::size_t>(size));
        if (got >= 0) {
            return static_cast<long>(got);
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            sleepBriefly();
        } else if (errno != EINTR) {
            return -1;
        }
    }
}

// Nothing is installed beside the program: in the page the player's sizes
// are the settings file from the start, and the node program, like one run
// from the build tree, plays with the settings file of its folder alone.
std::string installedDataFolder() {
    return "";
}
