// Plays a whole session in-process, as the program does from its entry:
// what the test programs and the fuzz target share.
#pragma once

#include "app/menu.h"

#include <iostream>
#include <sstream>
#include <streambuf>
#include <string>

// Plays a session with std::cin reading keys; returns what it wrote. The
// console's streams are given back, and std::cin cleared, as they were.
inline std::string playSession(std::streambuf* keys) {
    std::ostringstream out;
    std::streambuf* const keyboard = std::cin.rdbuf(keys);
    std::streambuf* const console = std::cout.rdbuf(out.rdbuf());
    showBanner();
    runMainMenu();
    std::cin.rdbuf(keyboard);
    std::cout.rdbuf(console);
    std::cin.clear();
    return out.str();
}
