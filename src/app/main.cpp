// The program's entry: greet, seed the generator once, run the menu.
#include "app/menu.h"
#include "game/board.h"

#include <cstdlib>
#include <ctime>

#ifndef _WIN32
#include <unistd.h>
#endif

int main() {
#ifndef _WIN32
    consoleIsTerminal = isatty(STDOUT_FILENO) == 1;
#endif
    showBanner();
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    runMainMenu();
    return 0;
}
