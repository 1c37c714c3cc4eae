// The seed whose draws hide each game's ship in a known place, with any C library's generator.
#pragma once

#include <array>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

// One ship's draws: the direction out of 4, the first cell out of 6, the line out of 10.
using Draws = std::array<int, 3>;

// The first seed from 1 up whose draws come out so, game after game; 0 if none of ten million.
inline unsigned seedDrawing(const std::vector<Draws>& games) {
    for (unsigned seed = 1; seed <= 10'000'000; ++seed) {
        std::srand(seed);
        bool drawn = true;
        for (auto game = games.begin(); drawn && game != games.end(); ++game) {
            const int direction = std::rand() % 4, start = std::rand() % 6;
            drawn =
                direction == (*game)[0] && start == (*game)[1] && std::rand() % 10 == (*game)[2];
        }
        if (drawn) {
            return seed;
        }
    }
    return 0;
}

// The seed for a session's "ships", a line a game: "row 1 from column 1" lies
// along row 1 over columns 1 to 4 (draws 1, 0, 0), "column 5 from row 2" down
// column 5 over rows 2 to 5 (draws 0, 1, 4).
inline unsigned seedHiding(const std::string& ships) {
    std::istringstream places(ships);
    std::vector<Draws> games;
    std::string kind, from, other;
    for (int line = 0, first = 0; places >> kind >> line >> from >> other >> first;) {
        games.push_back({kind == "row" ? 1 : 0, first - 1, line - 1});
    }
    return seedDrawing(games);
}
