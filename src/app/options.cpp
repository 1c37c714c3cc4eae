// The command line's options, the answer to anything else, and whether the
// game is asked for in words.
#include "app/options.h"

#include "console/streams.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <string>
#include <string_view>

// The usage error status, as the GNU tools use it.
static constexpr int kBadArgument = 2;

static void showUsage() {
    std::cout << "Usage: hullstrike [OPTION]\n"
                 "Find and sink a ship hidden on a square grid, at the console.\n"
                 "\n"
                 "  --accessible  play in words, for a screen reader: nothing is drawn,\n"
                 "                each shot is said in a line, b at Across reads the board\n"
                 "  --help        show this help and exit\n"
                 "  --version     show the version and licence and exit\n"
                 "\n"
                 "With no option, or --accessible, the game starts, reading its keys from\n"
                 "standard input. The environment variable ACCESSIBLE set to anything but\n"
                 "\"\", \"0\" or \"false\" plays in words too.\n"
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
    if (argument == "--accessible") {
        return kPlayInWords;
    }
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

// The flag wins over the variable; a variable set to nothing, or to a word
// that means off, leaves the game as it is drawn.
bool playsInWords(int answer, const char* accessible) {
    if (answer == kPlayInWords) {
        return true;
    }
    if (accessible == nullptr) {
        return false;
    }
    std::string value = accessible;
    std::transform(value.begin(), value.end(), value.begin(),
                   [](unsigned char letter) { return static_cast<char>(std::tolower(letter)); });
    return !value.empty() && value != "0" && value != "false";
}
