// The boards, and how the target board is drawn.
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
