// Where the ship is hidden, over many seeds of the generator.
#include "game/board.h"
#include "game/ship_placement.h"

#include <gtest/gtest.h>

#include <cstdlib>

// The three draws give the direction (even: down a column), the first
// cell's distance from the edge (0 to 5) and the line (0 to 9); each seed's
// ship lies exactly there and nowhere else.
TEST(ShipPlacementTest, LiesWhereTheThreeDrawsPutIt) {
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        std::srand(seed);
        const int direction = std::rand() % 4, start = std::rand() % 6, line = std::rand() % 10;
        clearShipBoard();
        std::srand(seed);
        placeShip();
        for (int row = 0; row < kMaxGridSize; ++row) {
            for (int column = 0; column < kMaxGridSize; ++column) {
                const int along = direction % 2 == 0 ? row : column;
                const bool onShip = (direction % 2 == 0 ? column : row) == line && along >= start &&
                                    along < start + kShipLength;
                ASSERT_EQ(shipBoard[row][column], onShip ? kShipMark : "") << "seed " << seed;
            }
        }
    }
}
