// What the session tests share: playing a session in-process, running the
// built program from the shell, and a folder of its own for each test.
#pragma once

#include "console/screen.h"
#include "play_session.h"
#include "settings/grid_sizes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

inline const fs::path kSessions = fs::path(HULLSTRIKE_TEST_DATA) / "sessions";

// Read as text, so that Windows' "\r\n" line ends come in as "\n".
inline std::string readFile(const fs::path& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// Plays a session in-process with std::cin reading input; returns its output.
inline std::string play(const std::string& input) {
    std::istringstream in(input);
    return playSession(in.rdbuf());
}

// Runs a shell line in which GAME stands for the built program, run by the
// emulator in a cross build; with a clock, the program's build whose clock
// reads that time. Returns the status, 0 when the line exited 0.
inline int runShell(std::string line, const std::string& clock = "") {
    const std::string path =
        fs::absolute(clock.empty() ? HULLSTRIKE_PROGRAM : HULLSTRIKE_FIXED_CLOCK)
            .make_preferred()
            .string();
#ifdef _WIN32
    _putenv_s("HULLSTRIKE_CLOCK", clock.c_str());
    const std::string game = "\"" + path + "\"";
#else
    // The environment may name valgrind to run the program.
    const std::string game = "timeout 60 env HULLSTRIKE_CLOCK='" + clock +
                             "' $HULLSTRIKE_RUN " HULLSTRIKE_EMULATOR " '" + path + "'";
#endif
    line.replace(line.find("GAME"), 4, game);
#ifdef _WIN32
    line = "\"" + line + "\""; // for cmd /c
#endif
    return std::system(line.c_str());
}

// Sets the ACCESSIBLE environment variable the program started by runShell
// sees, or unsets it for null. (On Windows an empty value unsets it too.)
inline void setAccessible(const char* value) {
#ifdef _WIN32
    _putenv_s("ACCESSIBLE", value != nullptr ? value : "");
#else
    if (value != nullptr) {
        setenv("ACCESSIBLE", value, 1);
    } else {
        unsetenv("ACCESSIBLE");
    }
#endif
}

// Each test runs in an empty folder named by its table and its name, under the build tree, or
// under HULLSTRIKE_SCRATCH where a second run beside the first names another, whatever folder the
// test program was started from: no test writes in the source tree. The game is drawn, whatever
// the environment of the tests asks for, unless a test says otherwise.
class SessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        gridSizes = {0, 0, 0};
        accessibleMode = false;
        setAccessible(nullptr);
        const char* const scratch = std::getenv("HULLSTRIKE_SCRATCH");
        const auto* const test = testing::UnitTest::GetInstance()->current_test_info();
        const fs::path dir = fs::path(scratch != nullptr ? scratch : HULLSTRIKE_TEST_SCRATCH) /
                             test->test_suite_name() / test->name();
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::current_path(dir);
    }
    void TearDown() override {
        fs::current_path(home_);
    }
    const fs::path home_ = fs::current_path();
};
