// The program's entry: answer the command line, load the sizes installed
// with the game, tell whether it is to be played in words, greet, seed the
// generator once, run the menu, and end with status 1 if the game could
// not be seen or its input read.
#include "app/menu.h"
#include "app/options.h"
#include "console/screen.h"
#include "console/streams.h"
#include "platform/platform.h"
#include "settings/grid_sizes.h"

#include <cstdlib>
#include <ctime>
#include <string>

int main(int argc, char* argv[]) {
    const int status = answerCommandLine(argc, argv);
    if (status >= 0) { // answered: an exit status, not a game to play
        return status;
    }
    // Once, so a first run plays with the shipped sizes; every menu key
    // then loads the settings file of the current folder over them.
    const std::string dataFolder = installedDataFolder();
    if (!dataFolder.empty()) {
        loadGridSizesFrom((dataFolder + kGridSizesFile).c_str());
    }
    consoleIsTerminal = outputIsConsole();
    accessibleMode = playsInWords(status, std::getenv("ACCESSIBLE"));
    useCheckedInput();
    showBanner();
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    runMainMenu();
    checkOutput(); // the farewell, too, must have reached the player
    checkInput();
    return 0;
}
