// Playing one game: taking shots, scoring them, and telling the result.
#pragma once

// A shot's column (across) and row (down), both counted from 1.
struct Shot {
    int across;
    int down;
};

// The last shot entered; it carries over from shot to shot and game to game.
extern Shot currentShot;

// Plays one game on a size by size grid until the ship is sunk and the
// player has pressed Enter. A size the boards cannot hold starts no game.
// Returns false if the input ended before the ship was sunk.
bool playGame(int size);

// Asks for Across and Down until each lies from 1 to size, stores them in
// currentShot and marks the aimed-at target cell; in accessibleMode, b at
// either prompt reads out the board, with the game's shots made and hits
// so far, and asks again. Returns false if the input ended first.
bool enterShot(int size, int shotsMade, int hits);

// Scores the cell at currentShot: 1 for a hit, 0 for a miss.
int scoreShot();
