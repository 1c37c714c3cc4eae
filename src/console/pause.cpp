// The pause prompt.
#include "console/pause.h"

#include "console/streams.h"

#include <iostream>

// Every caller arrives right after a formatted read, which leaves that
// answer's line end in the input: the first ignore takes it, and the
// second is the one that waits. At the end of the input both return at once.
void waitForEnter() {
    std::cout << std::endl << "Press the \"Enter\" key to continue . . . ";
    checkOutput();
    std::cin.ignore();
    std::cin.ignore();
    std::cout << std::endl;
}
