// The system calls behind platform.h on POSIX systems.
#include "platform/posix.h"
#include "platform/platform.h"
#include "platform/posix_shared.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <unistd.h>

// A terminal that says it is dumb (an editor's shell buffer, say), or
// says nothing, would show the clearing sequence as garbage.
bool outputIsConsole() {
    const char* const term = std::getenv("TERM");
    return isatty(STDOUT_FILENO) == 1 && term != nullptr && *term != '\0' &&
           std::strcmp(term, "dumb") != 0;
}

// A terminal or pipe left non-blocking by another program answers EAGAIN
// while nothing has been typed: the game then sleeps in poll until there
// is something to read.
void waitUntilReadable(int file) {
    pollfd input = {file, POLLIN, 0};
    poll(&input, 1, -1);
}

long readBytes(int file, char* bytes, long size) {
    return readWaiting(file, bytes, size);
}

// The data folder lies at a fixed place relative to the program's own
// folder, worked out when the build is configured
// (HULLSTRIKE_DATA_FROM_PROGRAM), so a whole installed tree can be moved
// elsewhere. Where the program can't find itself (no /proc, as in some
// containers and on systems other than Linux), it takes the absolute folder
// the build was configured to install into (HULLSTRIKE_DATA_FOLDER), if
// any: a static program's folder, unpacked anywhere, has none.
std::string dataFolderFrom(const char* programLink) {
    char program[PATH_MAX];
    const ssize_t length = readlink(programLink, program, sizeof program);
    if (length <= 0 || length == static_cast<ssize_t>(sizeof program)) {
#ifdef HULLSTRIKE_DATA_FOLDER
        return HULLSTRIKE_DATA_FOLDER "/";
#else
        return "";
#endif
    }
    std::string folder(program, static_cast<std::size_t>(length));
    folder.erase(folder.rfind('/') + 1);
    return folder + HULLSTRIKE_DATA_FROM_PROGRAM "/";
}

std::string installedDataFolder() {
    return dataFolderFrom("/proc/self/exe");
}
