// Stopping when the game's output can't be written.
#include "app/output.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>

// Once a write has failed the stream writes nothing more, so errno still
// holds the reason when this runs before the next read.
void checkOutput() {
    std::cout.flush();
    if (std::cout) {
        return;
    }
    std::cerr << "hullstrike: write error: " << std::strerror(errno) << std::endl;
    std::exit(1);
}
