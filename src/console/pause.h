// The pause prompt that holds the screen until the player presses Enter.
#pragma once

// Waits until two characters have been taken from the input (the line end
// of the last answer, then the player's Enter), or the input has ended.
void waitForEnter();
