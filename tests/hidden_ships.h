// Finding the seed that hides a game's ships in known places, with the
// generator of whatever C library the build links: what the session tests
// and the seed finder of the web build share.
#pragma once

#include "game/board.h"
#include "game/ship_placement.h"

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

// The first seed from 1 up with which the game itself hides each game's
// ship where one line of the description puts it, one game after another:
// "row 1 from column 1" lies along row 1 over columns 1 to 4, "column 5
// from row 2" down column 5 over rows 2 to 5. Returns 0 when no seed of
// the first ten million does (a place no ship can take, say).
inline unsigned seedHiding(const std::string& ships) {
    struct Place {
        bool alongRow;
        int line;
        int first;
    };
    std::vector<Place> places;
    std::istringstream words(ships);
    std::string kind, from, other;
    int line = 0, first = 0;
    while (words >> kind >> line >> from >> other >> first) {
        if (line < 1 || line > kMaxGridSize || first < 1 ||
            first + kShipLength - 1 > kMaxGridSize) {
            return 0;
        }
        places.push_back({kind == "row", line - 1, first - 1});
    }
    const auto hidden = [](const Place& place) {
        clearShipBoard();
        placeShip();
        for (int along = place.first; along < place.first + kShipLength; ++along) {
            const std::string& cell =
                place.alongRow ? shipBoard[place.line][along] : shipBoard[along][place.line];
            if (cell != kShipMark) {
                return false;
            }
        }
        return true;
    };
    for (unsigned seed = 1; seed <= 10'000'000; ++seed) {
        std::srand(seed);
        bool all = true;
        for (const Place& place : places) {
            if (!(all = hidden(place))) {
                break;
            }
        }
        if (all) {
            return seed;
        }
    }
    return 0;
}
