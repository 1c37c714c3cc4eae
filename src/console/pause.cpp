// The pause prompt.
#include "console/pause.h"

#include "console/screen.h"
#include "console/streams.h"

#include <iostream>

// Every caller arrives right after a formatted read, which leaves that
// answer's line end in the input: the first ignore takes it, and the
// second is the one that waits. At the end of the input both return at once.
// In words the prompt is a plain sentence, with no blank line before it.
void waitForEnter() {
    if (accessibleMode) {
        std::cout << "Press Enter to continue.";
    } else {
        std::cout << std::endl << "Press the \"Enter\" key to continue . . . ";
    }
    checkOutput();
    std::cin.ignore();
    std::cin.ignore();
    std::cout << std::endl;
}
