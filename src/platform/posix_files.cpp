// Opening the settings file where the system's files are POSIX ones: on
// POSIX systems, and in the WebAssembly build, whose runtime offers the
// same calls.
#include "platform/platform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
