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

// The columns of a row whose cells hold the mark, from 1 and in increasing
// order, said as a list is said aloud: "3", "3 and 4", "2, 5 and 11"; ""
// where none does.
static std::string columnsMarked(int row, int size, const char* mark) {
    std::string columns;
    std::string last;
    for (int column = 0; column < size; ++column) {
        if (targetBoard[row][column] == mark) {
            if (!last.empty()) {
                columns += (columns.empty() ? "" : ", ") + last;
            }
            last = std::to_string(column + 1);
        }
    }
    return columns.empty() ? last : columns + " and " + last;
}

// One part of a row's line: the columns holding one mark, after the word
// for one or for several, by how many there are; "" where there are none.
static std::string markedPart(int row, int size, const char* mark, const char* one,
                              const char* several) {
    const std::string columns = columnsMarked(row, size, mark);
    if (columns.empty()) {
        return "";
    }
    const bool single = columns.find(' ') == std::string::npos;
    return (single ? one : several) + std::string(" at Across ") + columns;
}

// A listener hears only the rows that hold something, each in one line,
// with the words taken from the same marks a drawing shows; a number heard
// is always said with the name of what it counts, so that no two of them
// sound like a pair of coordinates.
void readOutBoard(int size) {
    for (int row = 0; row < size; ++row) {
        const std::string hits = markedPart(row, size, kHitMark, "hit", "hits");
        const std::string misses = markedPart(row, size, kMissMark, "miss", "misses");
        if (hits.empty() && misses.empty()) {
            continue;
        }
        const char* const between = hits.empty() || misses.empty() ? "" : "; ";
        std::cout << "Down " << row + 1 << ": " << hits << between << misses << "." << std::endl;
    }
}
