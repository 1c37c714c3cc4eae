// Where the ship is hidden: the three draws the game takes from the
// generator, given, and the four cells they put the ship on, written out.
#include "game/board.h"
#include "game/ship_placement.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

struct Placement {
    int direction, start, line;          // the draws, out of 4, 6 and 10
    std::set<std::pair<int, int>> cells; // (row, column) on the ship board
};

// Each direction, and the largest draws along a row and down a column.
const std::vector<Placement> kPlacements = {
    {0, 0, 0, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}}, {1, 0, 0, {{0, 0}, {0, 1}, {0, 2}, {0, 3}}},
    {2, 3, 4, {{3, 4}, {4, 4}, {5, 4}, {6, 4}}}, {3, 2, 7, {{7, 2}, {7, 3}, {7, 4}, {7, 5}}},
    {2, 5, 9, {{5, 9}, {6, 9}, {7, 9}, {8, 9}}}, {3, 5, 9, {{9, 5}, {9, 6}, {9, 7}, {9, 8}}},
};

// The first seed whose first three draws come out so, with whatever
// generator the C library has; 0 when none of the first million does.
unsigned seedDrawing(const Placement& draws) {
    for (unsigned seed = 1; seed <= 1'000'000; ++seed) {
        std::srand(seed);
        const int direction = std::rand() % 4, start = std::rand() % 6, line = std::rand() % 10;
        if (direction == draws.direction && start == draws.start && line == draws.line) {
            return seed;
        }
    }
    return 0;
}

TEST(ShipPlacementTest, LiesOnTheCellsItsDrawsName) {
    for (const Placement& placement : kPlacements) {
        const unsigned seed = seedDrawing(placement);
        ASSERT_NE(seed, 0U);
        clearShipBoard();
        std::srand(seed);
        placeShip();
        std::set<std::pair<int, int>> marked;
        for (int row = 0; row < kMaxGridSize; ++row) {
            for (int column = 0; column < kMaxGridSize; ++column) {
                if (shipBoard[row][column] == kShipMark) {
                    marked.insert({row, column});
                } else {
                    EXPECT_EQ(shipBoard[row][column], "") << row << ", " << column;
                }
            }
        }
        EXPECT_EQ(marked, placement.cells)
            << "draws " << placement.direction << ", " << placement.start << ", " << placement.line;
    }
}
