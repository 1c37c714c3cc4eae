// Finding the seed that hides each game's ship in a known place, with the
// generator of whatever C library the build links.
#pragma once

#include "game/board.h"
#include "game/ship_placement.h"

#include <cstdlib>
#include <sstream>
#include <string>

// The first seed from 1 up with which the game itself hides each game's
// ship where one line of the description puts it, game after game: "row 1
// from column 1" lies along row 1 over columns 1 to 4, "column 5 from row
// 2" down column 5 over rows 2 to 5. 0 when no seed of the first ten
// million does.
inline unsigned seedHiding(const std::string& ships) {
    for (unsigned seed = 1; seed <= 10'000'000; ++seed) {
        std::srand(seed);
        std::istringstream places(ships);
        std::string kind, from, other;
        int line = 0, first = 0;
        bool hidden = true;
        while (hidden && places >> kind >> line >> from >> other >> first) {
            clearShipBoard();
            placeShip();
            for (int k = 0; k < kShipLength && hidden; ++k) {
                const int row = kind == "row" ? line : first + k;
                const int column = kind == "row" ? first + k : line;
                hidden = row >= 1 && row <= kMaxGridSize && column >= 1 && column <= kMaxGridSize &&
                         shipBoard[row - 1][column - 1] == kShipMark;
            }
        }
        if (hidden) {
            return seed;
        }
    }
    return 0;
}
