// The system calls behind platform.h in the WebAssembly build. The same
// code runs in two places: under node, where the files and the standard
// streams are the machine's own, and in the web page, where standard input
// is the answers the player sends from the page and the settings file
// lives in the page's memory.
#include "platform/platform.h"
#include "platform/posix_shared.h"

#include <emscripten.h>

#include <string>

// Node is asked, for the runtime itself takes every standard stream for a
// terminal; as on any POSIX system, a terminal that says it is dumb, or
// says nothing, is not cleared. The page's screen always can be.
EM_JS(int, standardOutputIsTerminal, (), {
    if (typeof process == "object" && typeof require == "function") {
        const term = process.env["TERM"];
        return require("tty").isatty(1) && term && term != "dumb" ? 1 : 0;
    }
    return 1;
});

// The page lends its typed lines through Module.readTypedInput, a promise
// of at most size bytes, empty once the player has ended the input. The
// game waits here, its stack set aside, until the player sends a line.
EM_ASYNC_JS(long, readTypedInput, (char* bytes, long size), {
    const typed = await Module["readTypedInput"](size);
    HEAPU8.set(typed, bytes);
    return typed.length;
});

EM_JS(int, inPage, (), { return typeof Module["readTypedInput"] == "function" ? 1 : 0; });

// Node has no poll for the machine's descriptors: a read that finds no
// bytes ready sleeps a moment before it tries again. Only the node program
// waits here; the page's input is awaited.
EM_JS(void, sleepBriefly, (),
      { Atomics.wait(new Int32Array(new SharedArrayBuffer(4)), 0, 0, 10); });

bool outputIsConsole() {
    return standardOutputIsTerminal() == 1;
}

void waitUntilReadable(int) {
    sleepBriefly();
}

// In the page standard input is the typed lines; under node it is the
// machine's own, read as on any POSIX system.
long readBytes(int file, char* bytes, long size) {
    if (file == kStandardInput && inPage() == 1) {
        return readTypedInput(bytes, size);
    }
    return readWaiting(file, bytes, size);
}

// Nothing is installed beside the program: in the page the player's sizes
// are the settings file from the start, and the node program plays with the
// settings file of its folder alone.
std::string installedDataFolder() {
    return "";
}
