// The program's entry: greet, seed the generator once, run the menu.
#include "app/menu.h"
#include "app/output.h"
#include "game/board.h"
#include "platform/platform.h"

#include <cstdlib>
#include <ctime>

int main() {
    consoleIsTerminal = outputIsConsole();
    showBanner();
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    runMainMenu();
    checkOutput(); // the farewell, too, must have reached the player
    return 0;
}
