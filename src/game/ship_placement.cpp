// Where the ship goes.
#include "game/ship_placement.h"

#include "game/board.h"

#include <cstdlib>

// Three draws, always in this order, decide the place: the direction
// (even: down a column, odd: along a row), the first cell's distance from
// the edge (0 to 5), and which column or row it lies on (0 to 9). A seed
// therefore always gives the same ship.
void placeShip() {
    const int direction = std::rand() % 4;
    const int start = std::rand() % 6;
    const int line = std::rand() % 10;
    const bool vertical = direction % 2 == 0;

    for (int k = 0; k < kShipLength; ++k) {
        if (vertical) {
            shipBoard[start + k][line] = kShipMark;
        } else {
            shipBoard[line][start + k] = kShipMark;
        }
    }
}
