// The boards, and how the target board is drawn or read out.
#include "game/board.h"

#include "console/screen.h"

#include <algorithm>
#include <iostream>

Board targetBoard;
Board shipBoard;

// Only the square of this game turns to water; marks beyond it stay, and
// are never drawn.
void resetTargetBoard(int size) {
    for (int row = 0; row < size; ++row) {
        std::fill_n(targetBoard[row], size, kWaterMark);
    }
}

// The whole board is emptied, so no section of an earlier ship survives.
void clearShipBoard() {
    for (auto& row : shipBoard) {
        for (auto& cell : row) {
            cell.clear();
        }
    }
}

/* ---------------------------------------------------------------------- */
/* Drawing                                                                */
/* ---------------------------------------------------------------------- */

// Each line is put together first and written with one operation before
// its line end, so that a whole row reaches the console at once.
void drawBoard(int size) {
    clearScreen();

    // Column numbers: one blank after each of 1 to 9, so that every number
    // sits above its cell; from 10 on they run back to back, two digits each.
    std::string line = size > 0 ? "   " : "";
    for (int column = 1; column <= size; ++column) {
        line += std::to_string(column);
        if (column < 10) {
            line += ' ';
        }
    }
    std::cout << line << std::endl;

    line = "  /";
    line.append(2 * static_cast<std::size_t>(size), '-');
    std::cout << line << std::endl;

    // Rows: the number right-aligned in two places, a bar, then each cell
    // followed by a blank.
    for (int row = 0; row < size; ++row) {
        line = row < 9 ? " " : "";
        line += std::to_string(row + 1);
        line += '|';
        for (int column = 0; column < size; ++column) {
            line += targetBoard[row][column];
            line += ' ';
        }
        std::cout << line << std::endl;
    }
}

/* ---------------------------------------------------------------------- */
/* Reading out                                                            */
/* ---------------------------------------------------------------------- */

// The columns of a row whose cells hold the mark, from 1, in increasing
// order and separated by commas: "3, 4"; "" where none does.
static std::string columnsMarked(int row, int size, const char* mark) {
    std::string columns;
    for (int column = 0; column < size; ++column) {
        if (targetBoard[row][column] == mark) {
            columns += (columns.empty() ? "" : ", ") + std::to_string(column + 1);
        }
    }
    return columns;
}

// A listener hears only the rows that hold something, each in one line,
// with the words taken from the same marks a drawing shows.
void readOutBoard(int size) {
    bool anyShot = false;
    for (int row = 0; row < size; ++row) {
        const std::string hits = columnsMarked(row, size, kHitMark);
        const std::string misses = columnsMarked(row, size, kMissMark);
        if (hits.empty() && misses.empty()) {
            continue;
        }
        std::string line = "Down " + std::to_string(row + 1) + ": ";
        if (!hits.empty()) {
            line += "hit at " + hits + (misses.empty() ? "" : "; ");
        }
        if (!misses.empty()) {
            line += "miss at " + misses;
        }
        std::cout << line << '.' << std::endl;
        anyShot = true;
    }
    if (!anyShot) {
        std::cout << "No shots yet." << std::endl;
    }
}
