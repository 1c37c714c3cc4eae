// Playing games in-process: what a game draws from the generator, and how
// shots are taken and scored.
#include "support.h"

#include "app/menu.h"
#include "game/board.h"
#include "game/game_play.h"
#include "game/ship_placement.h"

#include <climits>
#include <cstdlib>

using GameTest = InProcessTest;

// Fires at every cell of a size by size square, row by row, then presses
// Enter at the pause.
static std::string sweep(int size) {
    std::string input;
    for (int down = 1; down <= size; ++down) {
        for (int across = 1; across <= size; ++across) {
            input += std::to_string(across) + "\n" + std::to_string(down) + "\n";
        }
    }
    return input + "\n";
}

TEST_F(GameTest, SizeTheBoardsCannotHoldStartsNoGame) {
    for (int size : {0, -3, 36, INT_MAX, INT_MIN}) {
        resetTargetBoard(kMaxGridSize);
        std::srand(7);
        const int next = std::rand();
        std::srand(7);
        bool stillPlaying = false;
        const std::string out = runWithConsole("1\n1\n", [&] { stillPlaying = playGame(size); });
        EXPECT_TRUE(stillPlaying);
        EXPECT_EQ(out, "\nSorry, the grid size for that level is " + std::to_string(size) +
                           ".\nPlease set a size from 1 to 35 in \"GameData.txt\".\n\n\n");
        EXPECT_EQ(std::rand(), next) << "size " << size;
        EXPECT_EQ(targetBoard[0][0], kWaterMark);
    }
}

TEST_F(GameTest, EachGameTakesTheNextThreeDraws) {
    std::srand(99);
    for (int skip = 0; skip < 3; ++skip) {
        std::rand();
    }
    const int direction = std::rand() % 4;
    const int start = std::rand() % 6;
    const int line = std::rand() % 10;

    std::srand(99);
    runWithConsole(sweep(10) + sweep(10), [] {
        ASSERT_TRUE(playGame(10));
        ASSERT_TRUE(playGame(10));
    });
    for (int k = 0; k < kShipLength; ++k) {
        const bool vertical = direction % 2 == 0;
        EXPECT_EQ(vertical ? shipBoard[start + k][line] : shipBoard[line][start + k], kShipMark);
    }
}

TEST_F(GameTest, SweepSinksTheShipOnItsLastCell) {
    // Seed 42 hides the ship down column 2, rows 1 to 4: the fourth hit is
    // the 32nd cell fired at, row by row.
    std::srand(42);
    const std::string out = runWithConsole(sweep(10), [] { ASSERT_TRUE(playGame(10)); });
    EXPECT_NE(out.find("It took you 32 shots to sink it.\n"), std::string::npos);
}

TEST_F(GameTest, ShotsAreRefusedUntilInRange) {
    struct Case {
        std::string input;
        int across;
        int down;
        int refusals;
    };
    const Case cases[] = {
        {"1\n1\n", 1, 1, 0},
        {"7\n7\n", 7, 7, 0},
        {"0\n-1\n8\n7\n1\n", 7, 1, 3},
        {"2\n0\n8\n-7\n3\n", 2, 3, 3},
        {"x\n2 junk\n3\n", 2, 3, 2},
        {"2147483648\n-99999999999 5\n4\n4\n", 4, 4, 2},
        {"3 4\n", 3, 4, 0},
        {"\n\n 5\t\n\n6\n", 5, 6, 0},
    };
    for (const Case& c : cases) {
        bool entered = false;
        const std::string out = runWithConsole(c.input, [&] { entered = enterShot(7); });
        EXPECT_TRUE(entered) << c.input;
        EXPECT_EQ(currentShot.across, c.across) << c.input;
        EXPECT_EQ(currentShot.down, c.down) << c.input;
        EXPECT_EQ(targetBoard[c.down - 1][c.across - 1], kShipMark);
        std::string expectedStart = "Enter coordinates\n";
        EXPECT_EQ(out.substr(0, expectedStart.size()), expectedStart);
        std::size_t refusals = 0;
        for (std::size_t at = 0; (at = out.find("than or equal to 7\n", at)) != std::string::npos;
             ++at) {
            ++refusals;
        }
        EXPECT_EQ(refusals, static_cast<std::size_t>(c.refusals)) << c.input;
        EXPECT_EQ(out.find("Enter coordinates", 1), std::string::npos);
    }
}

TEST_F(GameTest, ShotAtTheEndOfInputIsNotEntered) {
    for (const std::string input : {"", "3", "3\n", "3\n\n  ", "x", "-", "99999999999"}) {
        bool entered = true;
        runWithConsole(input, [&] { entered = enterShot(5); });
        EXPECT_FALSE(entered) << input;
    }
}

TEST_F(GameTest, RepeatedShotsScoreAgain) {
    clearShipBoard();
    resetTargetBoard(3);
    shipBoard[1][2] = kShipMark;
    const int hitsThenMisses[] = {1, 1, 0, 0};
    const Shot shots[] = {{3, 2}, {3, 2}, {1, 1}, {1, 1}};
    for (int k = 0; k < 4; ++k) {
        currentShot = shots[k];
        targetBoard[shots[k].down - 1][shots[k].across - 1] = kShipMark;
        EXPECT_EQ(scoreShot(), hitsThenMisses[k]);
    }
    EXPECT_EQ(targetBoard[1][2], kHitMark);
    EXPECT_EQ(targetBoard[0][0], kMissMark);
}

TEST_F(GameTest, ShotsStayOnTheBoards) {
    EXPECT_EQ(scoreShot(), 0); // no shot entered yet
    const std::string out = runWithConsole("36\n35\n35\n", [] { ASSERT_TRUE(enterShot(1000)); });
    EXPECT_EQ(out, "Enter coordinates\nAcross: Value must be greater than zero and less than or "
                   "equal to 35\nAcross: Down: ");
    EXPECT_EQ(targetBoard[34][34], kShipMark);
}
