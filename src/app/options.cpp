// The command line's options, the answer to anything else, and whether the
// game is asked for in words.
#include "app/options.h"

#include "console/streams.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

// The usage error status, as the GNU tools use it.
static constexpr int kBadArgument = 2;

// The options are read in order, so --accessible may come before either
// of the other two, which answer and end the program.
static void showUsage() {
    std::cout << "Usage: hullstrike [--accessible] [--help | --version]\n"
                 "Find and sink a ship hidden on a square grid, at the console.\n"
                 "\n"
                 "  --accessible  play in words, for a screen reader: nothing is drawn,\n"
                 "                each shot is said in a line, and b at Across or Down\n"
                 "                reads out the board and the shots so far\n"
                 "  --help        show this help and exit\n"
                 "  --version     show the version and licence and exit\n"
                 "\n"
                 "With no option, or --accessible alone, the game starts, reading its keys\n"
                 "from standard input. The environment variable ACCESSIBLE plays in words\n"
                 "too, unless it is empty or \"0\", \"false\", \"no\" or \"off\" in any case.\n"
                 "The grid sizes come from the GameData.txt installed with the game,\n"
                 "then from GameData.txt in the current folder at every menu key.\n";
}

static void showVersion() {
    std::cout << "hullstrike " HULLSTRIKE_VERSION "\n"
                 "Copyright (c) 2026 The Hullstrike developers\n"
                 "Licence BSD-2-Clause: free to use, change and share, with no warranty.\n";
}

// The arguments are read left to right: --accessible asks for the game in
// words and reading goes on; --help and --version answer at once and end
// the program, so nothing after them is looked at; anything else is
// refused.
int answerCommandLine(int argc, const char* const argv[]) {
    int answer = kPlayGame;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--accessible") {
            answer = kPlayInWords;
            continue;
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
    return answer;
}

// The flag wins over the variable; a variable set to nothing, or to a word
// that means off in any case, leaves the game as it is drawn.
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
    static constexpr std::string_view kOff[] = {"", "0", "false", "no", "off"};
    return std::none_of(std::begin(kOff), std::end(kOff),
                        [&value](std::string_view off) { return value == off; });
}
