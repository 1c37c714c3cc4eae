// The welcome banner, the main menu and its keys.
#include "app/menu.h"

#include "app/help.h"
#include "console/screen.h"
#include "console/streams.h"
#include "game/game_play.h"
#include "settings/grid_sizes.h"

#include <iostream>

// The greeting, once per run, set off by blank lines above and below; in
// words, one line with nothing to hear around it.
void showBanner() {
    if (accessibleMode) {
        std::cout << "Welcome to Hullstrike." << std::endl;
        return;
    }
    std::cout << std::endl << std::endl << "Welcome to \"Hullstrike\" " << std::endl << std::endl;
}

// The menu ends in a prompt with no line end, so the key is typed beside it.
// In words it is one line, the keys and what each does, said at each pass.
static void showMenu() {
    if (accessibleMode) {
        std::cout << "Menu: 1 Easy, 2 Normal, 3 Hard, H Help, Q Quit." << std::endl
                  << "Your choice: ";
        return;
    }
    std::cout << "Please select your choice:" << std::endl
              << "1 - Easy" << std::endl
              << "2 - Normal" << std::endl
              << "3 - Hard" << std::endl
              << std::endl
              << "H - Help" << std::endl
              << "Q - Quit" << std::endl
              << "-------------------------" << std::endl
              << "Please enter your choice: ";
}

// The answer to any key the menu does not know, naming the keys it does;
// in words the menu that follows names them.
static void showInvalidOption() {
    if (accessibleMode) {
        std::cout << "Not a choice." << std::endl;
        return;
    }
    std::cout << std::endl
              << "Sorry, that is an invalid option." << std::endl
              << "Please select either \"1\", \"2\", \"3\", \"H\" or \"Q\"." << std::endl
              << std::endl
              << std::endl;
}

// The farewell: the last thing every run writes, however it ends.
static void sayGoodbye() {
    if (accessibleMode) {
        std::cout << "Thank you for playing. Goodbye." << std::endl;
        return;
    }
    std::cout << std::endl
              << "Thank you for playing." << std::endl
              << "Goodbye." << std::endl
              << std::endl;
}

// Acts on one menu key with the sizes just loaded. Returns false when the
// menu should end: the player quit, or the input ended during a game.
static bool actOnKey(char key) {
    switch (key) {
    case '1':
        return playGame(gridSizes.easy);
    case '2':
        return playGame(gridSizes.normal);
    case '3':
        return playGame(gridSizes.hard);
    case 'H':
    case 'h':
        showHelp();
        return true;
    case 'Q':
    case 'q':
        return false;
    default:
        showInvalidOption();
        return true;
    }
}

// Each pass reloads the sizes after the key is read and before it is acted
// on, so an edit to the settings file counts from the next key pressed. The
// key read skips blanks and line ends and leaves the rest of the line for
// whatever reads next. When no key can be read because the input has ended,
// the menu ends as if the player had quit, instead of asking forever.
void runMainMenu() {
    bool keepRunning = true;
    while (keepRunning) {
        showMenu();
        char key = 0;
        checkOutput();
        if (!(std::cin >> key)) {
            break;
        }
        loadGridSizes();
        keepRunning = actOnKey(key);
    }
    sayGoodbye();
}
