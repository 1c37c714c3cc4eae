// Drawing the target board, and where the ship is hidden.
#include "support.h"

#include "game/board.h"
#include "game/game_play.h"
#include "game/ship_placement.h"

#include <cstdlib>
#include <set>
#include <vector>

using BoardTest = InProcessTest;

// Every size is drawn over a board that a larger game left full of hits,
// so any cell drawn beyond the size shows up as an "X".
TEST_F(BoardTest, DrawsExactlyTheSquareOfTheSize) {
    for (int size : {0, -4, 1, 3, 9, 10, 12, 35, 36, 1000}) {
        for (auto& row : targetBoard) {
            std::fill(std::begin(row), std::end(row), kHitMark);
        }
        resetTargetBoard(size);
        const int drawn = std::clamp(size, 0, kMaxGridSize);
        expectGolden("golden/board_" + std::to_string(drawn) + ".txt",
                     runWithConsole("", [size] { drawBoard(size); }));
    }
    consoleIsTerminal = true;
    EXPECT_EQ(runWithConsole("", [] { drawBoard(0); }), "\x1b[H\x1b[2J\n  /\n");
}

// The ship board's "@" cells, each as row * 100 + column, counted from 0.
static std::vector<int> shipCells() {
    std::vector<int> cells;
    for (int row = 0; row < kMaxGridSize; ++row) {
        for (int column = 0; column < kMaxGridSize; ++column) {
            if (!shipBoard[row][column].empty()) {
                EXPECT_EQ(shipBoard[row][column], kShipMark);
                cells.push_back(row * 100 + column);
            }
        }
    }
    return cells;
}

TEST_F(BoardTest, ShipLiesWhereTheThreeDrawsPutIt) {
    std::set<std::vector<int>> positions;
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        std::srand(seed);
        const int direction = std::rand() % 4, start = std::rand() % 6, line = std::rand() % 10;
        const int first = direction % 2 == 0 ? start * 100 + line : line * 100 + start;
        const int step = direction % 2 == 0 ? 100 : 1;
        clearShipBoard();
        std::srand(seed);
        placeShip();
        const std::vector<int> cells = shipCells();
        ASSERT_EQ(cells, (std::vector{first, first + step, first + 2 * step, first + 3 * step}));
        positions.insert(cells);
    }
    EXPECT_EQ(positions.size(), 120u); // 6 starts on 10 lines, in both directions
    // Every ship lies within ten rows and columns, never on row 10, column 10.
    for (const auto& cells : positions) {
        for (int cell : cells) {
            EXPECT_TRUE(cell % 100 < 10 && cell < 909) << cell;
        }
    }
}

TEST_F(BoardTest, NoShotLandsBeyondTheBoards) {
    EXPECT_EQ(scoreShot(), 0); // no shot entered yet
    EXPECT_EQ(runWithConsole("36\n35\n35\n", [] { EXPECT_TRUE(enterShot(1000)); }),
              "Enter coordinates\nAcross: Value must be greater than zero and less than or equal "
              "to 35\nAcross: Down: ");
    EXPECT_EQ(targetBoard[34][34], kShipMark);
}
