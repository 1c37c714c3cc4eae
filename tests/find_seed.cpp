// find_seed < ships: the seed that hides the ships described (as in a
// session's "ships" file) with this build's generator, for the tests that
// run the game from outside: the web build's, and the preloaded generators'.
#include "hidden_ships.h"

#include <iostream>
#include <iterator>

int main() {
    const std::string ships(std::istreambuf_iterator<char>(std::cin), {});
    const unsigned seed = seedHiding(ships);
    std::cout << seed << '\n';
    return seed != 0 ? 0 : 1;
}
