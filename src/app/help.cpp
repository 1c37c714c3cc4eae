// The help screen.
#include "app/help.h"

#include "console/pause.h"
#include "console/screen.h"
#include "settings/grid_sizes.h"

#include <iostream>

// One line of the sizes block: two tabs, then the level's grid as n x n.
static void showLevelSize(const char* level, int size) {
    std::cout << "\t\t" << level << " will be a grid of " << size << " x " << size << std::endl;
}

// The help in words: the game's own names for what the player types and
// hears, the way to the board, and the sizes as the game says them.
static void sayHelp() {
    std::cout << "Find the ship of 4 cells hidden in a straight line on the grid." << std::endl
              << "At Across type a column, at Down a row, from 1 to the grid's size." << std::endl
              << "Type b at Across or Down to hear the board." << std::endl
              << "Easy is " << gridSizes.easy << " by " << gridSizes.easy << ", Normal "
              << gridSizes.normal << " by " << gridSizes.normal << ", Hard " << gridSizes.hard
              << " by " << gridSizes.hard << "." << std::endl
              << "Ctrl-C leaves at any time." << std::endl;
    waitForEnter();
}

// Written below what is on the console, not on a cleared screen, so the
// menu it came from stays in view above it.
void showHelp() {
    if (accessibleMode) {
        sayHelp();
        return;
    }
    std::cout << std::endl
              << std::endl
              << "This game is similar to Seawrangle." << std::endl
              << std::endl;

    std::cout << "The object of the game is to sink the ship.  There will be one ship " << std::endl
              << "on the grid.  The player will choose horizontal and virtical coordinates "
              << std::endl
              << "and the game will calculate whether those coordiantes were a hit or a "
              << std::endl
              << "miss.  An \"X\" will mark a hit and \"*\" a miss.  The difficulty levels "
              << std::endl
              << "will be set as so; " << std::endl;

    showLevelSize("Easy", gridSizes.easy);
    showLevelSize("Normal", gridSizes.normal);
    showLevelSize("Hard", gridSizes.hard);
    std::cout << std::endl;

    std::cout << "You may exit the game at any time by hitting \"Ctrl-C\"." << std::endl;
    waitForEnter();
}
