// find_seed < ships: prints the seed that hides the ships described on
// standard input (as a recorded session's "ships" file says them) with
// this build's C library, for the tests that run the program from outside:
// the web build's under node and in the browser, and the check that another
// generator preloaded in place of the C library's is the one in use.
#include "hidden_ships.h"

#include <iostream>
#include <iterator>

int main() {
    const std::string ships(std::istreambuf_iterator<char>(std::cin), {});
    const unsigned seed = seedHiding(ships);
    std::cout << seed << '\n';
    return seed != 0 ? 0 : 1;
}
