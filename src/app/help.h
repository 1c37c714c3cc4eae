// The help screen: the object of the game, the marks, the level sizes and
// the way out.
#pragma once

// Writes the help text below whatever is on the console, with the sizes
// as last loaded, then waits for Enter.
void showHelp();
