// Checking the game's standard streams.
#include "console/streams.h"

#include "platform/platform.h"
#include "platform/read_buffer.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>

static ReadBuffer standardInput(kStandardInput);

// Every prompt reads through std::cin, so every prompt reads through this.
void useCheckedInput() {
    std::cin.rdbuf(&standardInput);
}

// Writes the line that names the failure, and ends the program.
static void fail(const char* what, int reason) {
    std::cerr << "hullstrike: " << what << " error: " << std::strerror(reason) << std::endl;
    std::exit(1);
}

// Once a write has failed the stream writes nothing more, so errno still
// holds the reason when this runs before the next read.
void checkOutput() {
    std::cout.flush();
    if (!std::cout) {
        fail("write", errno);
    }
}

void checkInput() {
    if (standardInput.error != 0) {
        fail("read", standardInput.error);
    }
}
