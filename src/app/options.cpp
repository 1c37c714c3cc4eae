// The command line's two options and the answer to anything else.
#include "app/options.h"

#include "console/streams.h"

#include <iostream>
#include <string_view>

// The usage error status, as the GNU tools use it.
static constexpr int kBadArgument = 2;

static void showUsage() {
    std::cout << "Usage: hullstrike [OPTION]\n"
                 "Find and sink a ship hidden on a square grid, at the console.\n"
                 "\n"
                 "  --help     show this help and exit\n"
                 "  --version  show the version and licence and exit\n"
                 "\n"
                 "With no option the game starts, reading its keys from standard input.\n"
                 "The grid sizes come from the GameData.txt installed with the game,\n"
                 "then from GameData.txt in the current folder at every menu key.\n";
}

static void showVersion() {
    std::cout << "hullstrike " HULLSTRIKE_VERSION "\n"
                 "Copyright (c) 2026 The Hullstrike developers\n"
                 "Licence BSD-2-Clause: free to use, change and share, with no warranty.\n";
}

// The first argument decides: an option is answered at once and ends the
// program, so nothing after it is looked at.
int answerCommandLine(int argc, const char* const argv[]) {
    if (argc < 2) {
        return kPlayGame;
    }
    const std::string_view argument = argv[1];
    if (argument == "--help") {
        showUsage();
    } else if (argument == "--version") {
        showVersion();
    } else {
        std::cerr << "hullstrike: unrecognised argument '" << argument << "'\n"
                  << "Try 'hullstrike --help' for more information." << std::endl;
        return kBadArgument;
    }
    checkOutput();
    return 0;
}
