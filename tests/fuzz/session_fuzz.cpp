// One whole session per input, played in-process as the session tests play
// it. An input is a seed byte, then the settings file up to the first NUL,
// then what is typed; with no NUL there is no settings file and the rest
// is all typed. The seed byte's low seven bits seed the generator; its top
// bit has the typed input read through a ReadBuffer from a file, as the
// program reads standard input, rather than from a string. Whatever the
// input, the session must end with the farewell, and no board may show the
// shot being scored.
#include "app/menu.h"
#include "game/board.h"
#include "game/game_play.h"
#include "platform/read_buffer.h"
#include "settings/grid_sizes.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

static std::string home;    // where the fuzzer was started, and writes what it finds
static std::string scratch; // where each session runs, with its settings file

static void removeScratch() {
    unlink((scratch + "/GameData.txt").c_str());
    unlink((scratch + "/input").c_str());
    rmdir(scratch.c_str());
}

// Writes bytes to a new file of that name; ends the run if it can't.
static void writeFile(const char* name, std::string_view bytes) {
    const int file = open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (file < 0 || write(file, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
        std::perror(name);
        std::abort();
    }
    close(file);
}

// Sessions run in a folder of their own, so that no GameData.txt where the
// fuzzer was started is overwritten. What the fuzzer writes (crash-...,
// timeout-...) still goes where it was started: the folder is put before
// the arguments as the place for it, which one given by hand overrides.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    char here[4096];
    const char* const temp = std::getenv("TMPDIR");
    std::string folder = std::string(temp != nullptr ? temp : "/tmp") + "/hullstrike_fuzz.XXXXXX";
    if (getcwd(here, sizeof here) == nullptr || mkdtemp(folder.data()) == nullptr) {
        std::perror("hullstrike_fuzz");
        std::exit(1);
    }
    home = here;
    scratch = folder;
    std::atexit(removeScratch);
    static std::string prefix = "-artifact_prefix=" + home + "/";
    static std::vector<char*> arguments(*argv, *argv + *argc + 1); // with the closing null
    arguments.insert(arguments.begin() + 1, prefix.data());
    *argc += 1;
    *argv = arguments.data();
    return 0;
}

// Puts back what a session changes, as it is when the program starts.
static void resetGame(unsigned seed) {
    gridSizes = {0, 0, 0};
    currentShot = {0, 0};
    for (Board* board : {&targetBoard, &shipBoard}) {
        for (auto& row : *board) {
            for (auto& cell : row) {
                cell.clear();
            }
        }
    }
    std::srand(seed);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const unsigned seed = size > 0 ? data[0] : 0;
    std::string_view typed(reinterpret_cast<const char*>(data), size);
    typed.remove_prefix(size > 0 ? 1 : 0);
    if (chdir(scratch.c_str()) != 0) {
        std::abort();
    }
    unlink("GameData.txt");
    if (const std::size_t end = typed.find('\0'); end != typed.npos) {
        writeFile("GameData.txt", typed.substr(0, end));
        typed.remove_prefix(end + 1);
    }
    resetGame(seed & 0x7F);

    std::istringstream text{std::string(typed)};
    ReadBuffer file(-1);
    std::streambuf* keys = text.rdbuf();
    if ((seed & 0x80) != 0) {
        writeFile("input", typed);
        file.file = open("input", O_RDONLY | O_CLOEXEC);
        keys = &file;
    }
    std::ostringstream out;
    std::streambuf* const keyboard = std::cin.rdbuf(keys);
    std::streambuf* const console = std::cout.rdbuf(out.rdbuf());
    showBanner();
    runMainMenu();
    std::cin.rdbuf(keyboard);
    std::cout.rdbuf(console);
    std::cin.clear();
    std::cout.clear();
    if (file.file >= 0) {
        close(file.file);
    }
    if (chdir(home.c_str()) != 0) {
        std::abort();
    }

    const std::string transcript = out.str();
    if (!transcript.ends_with("\nThank you for playing.\nGoodbye.\n\n") ||
        transcript.find('@') != std::string::npos) {
        std::fputs("hullstrike_fuzz: the session did not end with the farewell, or a board "
                   "showed the shot being scored\n",
                   stderr);
        std::abort();
    }
    return 0;
}
