// The two boards of a game, the marks their cells hold, and showing the
// target board on the console: drawn, or read out in words.
#pragma once

#include <string>

// The largest side a board can hold.
inline constexpr int kMaxGridSize = 35;

// A square grid of cell texts, addressed [row][column] from 0.
using Board = std::string[kMaxGridSize][kMaxGridSize];

inline constexpr const char* kWaterMark = "."; // not fired at in this game
inline constexpr const char* kShipMark = "@";  // a ship section, or the shot being scored
inline constexpr const char* kHitMark = "X";   // a shot that hit
inline constexpr const char* kMissMark = "*";  // a shot that missed

// What the player sees: water, hits and misses.
extern Board targetBoard;
// What the player is looking for: the ship's cells, and nothing else.
extern Board shipBoard;

// Sets the top-left size by size cells of the target board to water. Like
// drawBoard, it takes a size of at most kMaxGridSize: the game checks a
// level's size before it touches a board.
void resetTargetBoard(int size);
// Empties every cell of the ship board.
void clearShipBoard();
// Clears the console and draws the top-left size by size cells of the
// target board under a row of column numbers.
void drawBoard(int size);
// Reads out the top-left size by size cells of the target board in words:
// a line for each row that holds a shot, top to bottom, naming the columns
// of its hits and then of its misses; nothing where no cell was shot.
void readOutBoard(int size);
