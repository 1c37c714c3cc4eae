// The welcome banner and the main menu, the program's way in and out.
#pragma once

// Greets the player.
void showBanner();

// Shows the menu and acts on each key until the player quits or the input
// ends, then says goodbye.
void runMainMenu();
