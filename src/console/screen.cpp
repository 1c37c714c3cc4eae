// Clearing the console.
#include "console/screen.h"

#include "platform/platform.h"

bool consoleIsTerminal = false;
bool accessibleMode = false;

// Only a console is cleared; a pipe or a file gets nothing, so that it
// holds the game's own text and no more.
void clearScreen() {
    if (consoleIsTerminal) {
        clearConsole();
    }
}
