// What the POSIX and the WebAssembly builds share, the second's runtime
// offering the same calls: the terminal's clearing sequence, opening the
// settings file, and reading a descriptor that may have been left
// non-blocking.
#include "platform/posix_shared.h"

#include "platform/platform.h"

#include <cerrno>
#include <fcntl.h>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

// Home the cursor, then erase the screen: every terminal knows these two.
void clearConsole() {
    std::cout << "\x1b[H\x1b[2J" << std::flush;
}

// The path is looked at before anything is opened, because opening a
// device can have effects of its own: a terminal may become the game's
// controlling one, a tape may rewind. The descriptor is looked at again,
// so that a file swapped in between the two is refused as well. Opening
// without blocking and without taking a terminal keeps even that swap
// harmless. (Under node a file is opened blocking whatever the flags say:
// there the first look is what keeps a named pipe from hanging the open.)
int openRegularFile(const char* name) {
    struct stat info = {};
    if (stat(name, &info) != 0 || !S_ISREG(info.st_mode)) {
        return -1;
    }
    const int file = open(name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file >= 0 && (fstat(file, &info) != 0 || !S_ISREG(info.st_mode))) {
        close(file);
        return -1;
    }
    return file;
}

void closeFile(int file) {
    close(file);
}

// EAGAIN means an input left non-blocking has nothing yet: it is waited
// for, not taken for the end of the input.
long readWaiting(int file, char* bytes, long size) {
    for (;;) {
        const ssize_t got = read(file, bytes, static_cast<std::size_t>(size));
        if (got >= 0) {
            return static_cast<long>(got);
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            waitUntilReadable(file);
        } else if (errno != EINTR) {
            return -1;
        }
    }
}
