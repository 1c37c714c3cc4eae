// The play of one game.
#include "game/game_play.h"

#include "console/pause.h"
#include "console/screen.h"
#include "console/streams.h"
#include "game/board.h"
#include "game/ship_placement.h"

#include <iostream>
#include <limits>
#include <string>

Shot currentShot = {0, 0};

// Whether a level's size lies from 1 to the boards' side.
static bool fitsTheBoards(int n) {
    return n >= 1 && n <= kMaxGridSize;
}

// A level whose size the boards cannot hold is turned away before anything
// is touched, so that the boards and the generator stay as they were.
static void refuseGridSize(int size) {
    if (accessibleMode) {
        std::cout << "The grid size for that level is " << size << ": set a size from 1 to "
                  << kMaxGridSize << " in GameData.txt." << std::endl;
        return;
    }
    std::cout << std::endl
              << "Sorry, the grid size for that level is " << size << "." << std::endl
              << "Please set a size from 1 to " << kMaxGridSize << " in \"GameData.txt\"."
              << std::endl
              << std::endl
              << std::endl;
}

// The fresh board: drawn, or in words its size and how to hear it.
static void showNewBoard(int size) {
    if (!accessibleMode) {
        drawBoard(size);
        return;
    }
    std::cout << "Grid " << size << " by " << size << ". Type b at Across or Down for the board."
              << std::endl;
}

// A count with the word for what it counts, one or several: "1 hit", "2 hits".
static std::string counted(int count, const char* one, const char* several) {
    return std::to_string(count) + ' ' + (count == 1 ? one : several);
}

// Whether the shot being scored is at a cell already shot in this game, hit
// or missed: read from the cell's mark just before the shot replaces it.
static bool cellShotBefore = false;

// The board after a shot: drawn again, or in words only what changed, the
// shot's cell read from its mark, "again" where it had been shot before,
// then the counts so far.
static void showShot(int size, int shots, int hits) {
    if (!accessibleMode) {
        drawBoard(size);
        return;
    }
    const bool hit = targetBoard[currentShot.down - 1][currentShot.across - 1] == kHitMark;
    std::cout << "Across " << currentShot.across << ", Down " << currentShot.down << ": "
              << (hit ? "hit" : "miss") << (cellShotBefore ? " again" : "") << ". Shot " << shots
              << ", " << counted(hits, "hit", "hits") << "." << std::endl;
}

// The end of a game: the message and the count, set off by blank lines, or
// in words one sentence.
static void showSunk(int shots) {
    if (accessibleMode) {
        std::cout << "You sank my ship in " << shots << " shots." << std::endl;
        return;
    }
    std::cout << std::endl
              << std::endl
              << "\"Hey!  You sunk my ship!\"" << std::endl
              << "It took you " << shots << " shots to sink it." << std::endl
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
    showNewBoard(size);

    int hits = 0;
    int shots = 0;
    while (hits < kShipLength) {
        ++shots;
        if (!enterShot(size, shots - 1, hits)) {
            return false;
        }
        hits += scoreShot();
        showShot(size, shots, hits);
    }

    showSunk(shots);
    waitForEnter();
    return true;
}

/* ---------------------------------------------------------------------- */
/* Shots                                                                  */
/* ---------------------------------------------------------------------- */

// Whether the next answer, past any blanks and line ends, starts with b or
// B. Only blanks are taken, so a number is then read as it would have been.
static bool asksForBoard() {
    std::cin >> std::ws;
    const auto next = std::cin.peek();
    return next == 'b' || next == 'B';
}

// The board in words, asked for at either prompt: the grid and the counts
// so far, then a line for each row that holds a shot.
static void sayBoard(int size, int shotsMade, int hits) {
    std::cout << "Grid " << size << " by " << size << ". ";
    if (shotsMade == 0) {
        std::cout << "No shots yet." << std::endl;
    } else {
        std::cout << counted(shotsMade, "shot", "shots") << ", " << counted(hits, "hit", "hits")
                  << "." << std::endl;
    }
    readOutBoard(size);
}

// Asks for one coordinate until the player types a number from 1 to size.
// A number out of range is refused and the rest of its line is kept, so
// "99 2" answers with 2 next. Anything that can't be read as a number
// (letters, a number too large for an int) is refused in the same words,
// and the rest of its line is dropped so the next answer starts afresh.
// Where the board is told in words, an answer that starts with b or B
// (after any blanks) reads the board out instead, drops the rest of its
// line and asks again, and a refusal names the coordinate.
// Returns false once the input has ended.
static bool readCoordinate(const char* name, int size, int& value, int shotsMade, int hits) {
    for (;;) {
        std::cout << name << ": ";
        checkOutput();
        if (accessibleMode && asksForBoard()) {
            sayBoard(size, shotsMade, hits);
            std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
            continue;
        }
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
        if (accessibleMode) {
            std::cout << name << " must be a number from 1 to " << size << "." << std::endl;
        } else {
            std::cout << "Value must be greater than zero and less than or equal to " << size
                      << std::endl;
        }
    }
}

bool enterShot(int size, int shotsMade, int hits) {
    if (!accessibleMode) {
        std::cout << "Enter coordinates" << std::endl;
    }
    if (!readCoordinate("Across", size, currentShot.across, shotsMade, hits) ||
        !readCoordinate("Down", size, currentShot.down, shotsMade, hits)) {
        return false;
    }
    std::string& cell = targetBoard[currentShot.down - 1][currentShot.across - 1];
    cellShotBefore = cell != kWaterMark;
    cell = kShipMark;
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
