// Drawing the target board, and where the ship is hidden.
#include "support.h"

#include "game/board.h"
#include "game/ship_placement.h"

#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

using BoardTest = InProcessTest;

// Every size is drawn over a board that a larger game left full of hits,
// so a cell drawn beyond the size shows up as an "X".
TEST_F(BoardTest, DrawsExactlyTheSquareOfTheSize) {
    for (int size : {0, -4, 1, 3, 9, 10, 12, 35}) {
        resetTargetBoard(kMaxGridSize);
        for (auto& row : targetBoard) {
            for (auto& cell : row) {
                cell = kHitMark;
            }
        }
        resetTargetBoard(size);
        const std::string drawn = runWithConsole("", [size] { drawBoard(size); });
        const std::string name =
            size < 0 ? "golden/board_0.txt" : "golden/board_" + std::to_string(size) + ".txt";
        expectGolden(name, drawn);
    }
}

TEST_F(BoardTest, DrawsHitsAndMissesWithTheirBlank) {
    resetTargetBoard(2);
    targetBoard[0][1] = kHitMark;
    targetBoard[1][0] = kMissMark;
    EXPECT_EQ(runWithConsole("", [] { drawBoard(2); }), "   1 2 \n  /----\n 1|. X \n 2|* . \n");
}

TEST_F(BoardTest, ClearsTheScreenOnlyOnATerminal) {
    consoleIsTerminal = true;
    EXPECT_EQ(runWithConsole("", [] { drawBoard(0); }), "\x1b[H\x1b[2J\n  /\n");
}

TEST_F(BoardTest, SizesBeyondTheBoardsTouchOnlyTheirCells) {
    resetTargetBoard(1000);
    EXPECT_EQ(targetBoard[kMaxGridSize - 1][kMaxGridSize - 1], kWaterMark);
    const std::string drawn = runWithConsole("", [] { drawBoard(1000); });
    EXPECT_EQ(drawn, runWithConsole("", [] { drawBoard(kMaxGridSize); }));
}

// The ship's cells, as (row, column) from 0.
static std::vector<std::pair<int, int>> shipCells() {
    std::vector<std::pair<int, int>> cells;
    for (int row = 0; row < kMaxGridSize; ++row) {
        for (int column = 0; column < kMaxGridSize; ++column) {
            if (shipBoard[row][column] == kShipMark) {
                cells.emplace_back(row, column);
            } else {
                EXPECT_EQ(shipBoard[row][column], "");
            }
        }
    }
    return cells;
}

TEST_F(BoardTest, ShipIsFourStraightCellsWithinTenByTen) {
    std::set<std::vector<std::pair<int, int>>> positions;
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        clearShipBoard();
        std::srand(seed);
        placeShip();
        const auto cells = shipCells();
        ASSERT_EQ(cells.size(), 4u) << "seed " << seed;
        const bool vertical = cells[0].second == cells[3].second;
        for (int k = 0; k < kShipLength; ++k) {
            const auto [row, column] = cells[k];
            EXPECT_EQ(vertical ? column : row, vertical ? cells[0].second : cells[0].first);
            EXPECT_EQ(vertical ? row : column, (vertical ? cells[0].first : cells[0].second) + k);
            EXPECT_LT(row, vertical ? 9 : 10) << "seed " << seed;
            EXPECT_LT(column, vertical ? 10 : 9) << "seed " << seed;
        }
        positions.insert(cells);
    }
    // 6 starts on 10 lines, in each of the two directions.
    EXPECT_EQ(positions.size(), 120u);
}

TEST_F(BoardTest, ShipPlaceFollowsTheThreeDrawsInOrder) {
    for (unsigned seed : {25u, 42u, 20261207u}) {
        std::srand(seed);
        const int direction = std::rand() % 4;
        const int start = std::rand() % 6;
        const int line = std::rand() % 10;
        clearShipBoard();
        std::srand(seed);
        placeShip();
        for (int k = 0; k < kShipLength; ++k) {
            const bool vertical = direction == 0 || direction == 2;
            EXPECT_EQ(vertical ? shipBoard[start + k][line] : shipBoard[line][start + k], kShipMark)
                << "seed " << seed;
        }
    }
    // Seed 25 gives the ship along the top row, columns 1 to 4, which the
    // recorded games rely on.
    clearShipBoard();
    std::srand(25);
    placeShip();
    EXPECT_EQ(shipCells(), (std::vector<std::pair<int, int>>{{0, 0}, {0, 1}, {0, 2}, {0, 3}}));
}
