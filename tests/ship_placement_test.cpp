// Where the ship is hidden: the game's three draws given, and the four cells they name written out.
#include "game/board.h"
#include "game/ship_placement.h"
#include "hidden_ships.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

// The draws, then each marked cell of the ship board, its mark and its row,column from 0: each
// direction, and the largest draws along a row and down a column.
const std::pair<Draws, std::string> kPlacements[] = {
    {{0, 0, 0}, "@0,0 @1,0 @2,0 @3,0 "}, {{1, 0, 0}, "@0,0 @0,1 @0,2 @0,3 "},
    {{2, 3, 4}, "@3,4 @4,4 @5,4 @6,4 "}, {{3, 2, 7}, "@7,2 @7,3 @7,4 @7,5 "},
    {{2, 5, 9}, "@5,9 @6,9 @7,9 @8,9 "}, {{3, 5, 9}, "@9,5 @9,6 @9,7 @9,8 "},
};

TEST(ShipPlacementTest, LiesOnTheCellsItsDrawsName) {
    for (const auto& [draws, cells] : kPlacements) {
        clearShipBoard();
        std::srand(seedDrawing({draws}));
        placeShip();
        std::string marked;
        for (int row = 0; row < kMaxGridSize; ++row) {
            for (int column = 0; column < kMaxGridSize; ++column) {
                if (!shipBoard[row][column].empty()) {
                    marked += shipBoard[row][column] + std::to_string(row) + "," +
                              std::to_string(column) + " ";
                }
            }
        }
        EXPECT_EQ(marked, cells);
    }
}
