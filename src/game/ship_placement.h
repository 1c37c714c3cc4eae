// Hiding the ship on the ship board.
#pragma once

// The ship's length, and the number of hits that sinks it.
inline constexpr int kShipLength = 4;

// Hides one straight ship of kShipLength cells within the first ten rows
// and columns of the ship board, drawing its place from rand().
void placeShip();
