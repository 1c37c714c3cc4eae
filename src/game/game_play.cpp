// The play of one game.
#include "game/game_play.h"

#include "console/pause.h"
#include "console/streams.h"
#include "game/board.h"
#include "game/ship_placement.h"

#include <iostream>
#include <limits>

Shot currentShot = {0, 0};

// Whether a level's size lies from 1 to the boards' side.
static bool fitsTheBoards(int n) {
    return n >= 1 && n <= kMaxGridSize;
}

// A level whose size the boards cannot hold is turned away before anything
// is touched, so that the boards and the generator stay as they were.
static void refuseGridSize(int size) {
    std::cout << std::endl
              << "Sorry, the grid size for that level is " << size << "." << std::endl
              << "Please set a size from 1 to " << kMaxGridSize << " in \"GameData.txt\"."
              << std::endl
              << std::endl
              << std::endl;
}

// Prepares the boards, hides the ship and takes shots until the fourth hit;
// every shot counts, repeated ones too.
bool playGame(int size) {
    if (!fitsTheBoards(size)) {
        refuseGridSize(size);
        return true;
    }

    resetTargetBoard(size);
    clearShipBoard();
    placeShip();
    drawBoard(size);

    int hits = 0;
    int shots = 0;
    while (hits < kShipLength) {
        ++shots;
        if (!enterShot(size)) {
            return false;
        }
        hits += scoreShot();
        drawBoard(size);
    }

    std::cout << std::endl
              << std::endl
              << "\"Hey!  You sunk my ship!\"" << std::endl
              << "It took you " << shots << " shots to sink it." << std::endl
              << std::endl
              << std::endl;
    waitForEnter();
    return true;
}

/* ---------------------------------------------------------------------- */
/* Shots                                                                  */
/* ---------------------------------------------------------------------- */

// Asks for one coordinate until the player types a number from 1 to size.
// A number out of range is refused and the rest of its line is kept, so
// "99 2" answers with 2 next. Anything that can't be read as a number
// (letters, a number too large for an int) is refused in the same words,
// and the rest of its line is dropped so the next answer starts afresh.
// Returns false once the input has ended.
static bool readCoordinate(const char* prompt, int size, int& value) {
    for (;;) {
        std::cout << prompt;
        checkOutput();
        if (std::cin >> value) {
            if (value >= 1 && value <= size) {
                return true;
            }
        } else if (std::cin.eof()) {
            return false;
        } else {
            std::cin.clear();
            std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
        }
        std::cout << "Value must be greater than zero and less than or equal to " << size
                  << std::endl;
    }
}

bool enterShot(int size) {
    std::cout << "Enter coordinates" << std::endl;
    if (!readCoordinate("Across: ", size, currentShot.across) ||
        !readCoordinate("Down: ", size, currentShot.down)) {
        return false;
    }
    targetBoard[currentShot.down - 1][currentShot.across - 1] = kShipMark;
    return true;
}

// The shot's cell has just been marked "@", so it matches the ship board
// exactly where a ship section lies.
int scoreShot() {
    std::string& cell = targetBoard[currentShot.down - 1][currentShot.across - 1];
    if (cell == shipBoard[currentShot.down - 1][currentShot.across - 1]) {
        cell = kHitMark;
        return 1;
    }
    cell = kMissMark;
    return 0;
}
