// The program's entry: greet, seed the generator once, run the menu, and
// end with status 1 if the game could not be seen or its input read.
#include "app/menu.h"
#include "console/screen.h"
#include "console/streams.h"
#include "platform/platform.h"

#include <cstdlib>
#include <ctime>

int main() {
    consoleIsTerminal = outputIsConsole();
    useCheckedInput();
    showBanner();
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    runMainMenu();
    checkOutput(); // the farewell, too, must have reached the player
    checkInput();
    return 0;
}
