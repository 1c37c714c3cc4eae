// One whole session per input, played in-process: a seed byte, the settings
// file up to the first NUL (no NUL, no file), then what is typed. The seed's low
// seven bits seed the generator, 64 among them has the game in words, and 128
// has the keys read from a file through a ReadBuffer, as standard input is.
// Every session must end with the farewell, and no board show a shot's "@".
#include "../play_session.h"
#include "console/screen.h"
#include "game/board.h"
#include "game/game_play.h"
#include "platform/read_buffer.h"
#include "settings/grid_sizes.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

static std::string home;    // where the fuzzer started, and writes what it finds
static std::string scratch; // where the sessions run, beside their files

// Sessions run in a new folder (in memory where there is one) to overwrite no
// GameData.txt; what the fuzzer finds goes where it started, by -artifact_prefix.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    home = std::filesystem::current_path().string();
    const bool memory = std::filesystem::is_directory("/dev/shm");
    scratch = (memory ? "/dev/shm" : std::filesystem::temp_directory_path()).string() +
              "/hullstrike_fuzz." + std::to_string(getpid());
    static std::string prefix = "-artifact_prefix=" + home + "/";
    static std::vector<char*> arguments(*argv, *argv + *argc + 1); // with the closing null
    arguments.insert(arguments.begin() + 1, prefix.data());
    *argv = arguments.data();
    ++*argc;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const unsigned seed = size > 0 ? data[0] : 0;
    std::string typed(reinterpret_cast<const char*>(data), size);
    typed.erase(0, 1);
    std::filesystem::remove_all(scratch); // what a process of the same id left in failing
    std::filesystem::create_directories(scratch);
    std::filesystem::current_path(scratch);
    if (const std::size_t end = typed.find('\0'); end != std::string::npos) {
        std::ofstream("GameData.txt", std::ios::binary) << typed.substr(0, end);
        typed.erase(0, end + 1);
    }
    // What a session changes starts as in the program: an input plays alike alone or after others.
    gridSizes = {0, 0, 0};
    currentShot = {0, 0};
    for (int row = 0; row < kMaxGridSize; ++row) {
        std::fill_n(targetBoard[row], kMaxGridSize, "");
        std::fill_n(shipBoard[row], kMaxGridSize, "");
    }
    std::srand(seed & 0x7F);
    accessibleMode = (seed & 0x40) != 0;
    std::istringstream text(typed);
    ReadBuffer file(-1);
    std::streambuf* keys = text.rdbuf();
    if ((seed & 0x80) != 0) {
        std::ofstream("input", std::ios::binary) << typed;
        file.file = open("input", O_RDONLY | O_CLOEXEC);
        keys = &file;
    }
    const std::string transcript = playSession(keys);
    close(file.file); // -1, harmlessly refused, when typed from a string
    std::filesystem::current_path(home);
    std::filesystem::remove_all(scratch);
    const char* const farewell = accessibleMode ? "Thank you for playing. Goodbye.\n"
                                                : "\nThank you for playing.\nGoodbye.\n\n";
    if (!transcript.ends_with(farewell) || transcript.find('@') != std::string::npos) {
        std::fputs("hullstrike_fuzz: no farewell at the end, or a shot's @ on a board\n", stderr);
        std::abort();
    }
    return 0;
}
