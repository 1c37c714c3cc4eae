#include "support.h"

#include "game/board.h"
#include "game/game_play.h"
#include "settings/grid_sizes.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

std::string runWithConsole(const std::string& input, const std::function<void()>& body) {
    std::istringstream in(input);
    std::ostringstream out;
    std::streambuf* const keyboard = std::cin.rdbuf(in.rdbuf());
    std::streambuf* const console = std::cout.rdbuf(out.rdbuf());
    body();
    std::cin.rdbuf(keyboard);
    std::cout.rdbuf(console);
    std::cin.clear();
    return out.str();
}

std::string readFile(const std::filesystem::path& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

void expectGolden(const std::string& name, const std::string& actual) {
    const auto path = std::filesystem::path(HULLSTRIKE_TEST_DATA) / name;
    if (std::getenv("HULLSTRIKE_UPDATE_GOLDEN") != nullptr) {
        writeFile(path, actual);
    }
    EXPECT_EQ(readFile(path), actual) << "differs from " << path;
}

void InProcessTest::SetUp() {
    home_ = std::filesystem::current_path();
    std::string dir = (std::filesystem::temp_directory_path() / "hullstrike-XXXXXX").string();
    ASSERT_NE(mkdtemp(dir.data()), nullptr);
    dir_ = dir;
    std::filesystem::current_path(dir_);

    gridSizes = {0, 0, 0};
    currentShot = {0, 0};
    consoleIsTerminal = false;
    for (int row = 0; row < kMaxGridSize; ++row) {
        for (int column = 0; column < kMaxGridSize; ++column) {
            targetBoard[row][column].clear();
            shipBoard[row][column].clear();
        }
    }
    std::srand(1);
}

void InProcessTest::TearDown() {
    std::filesystem::current_path(home_);
    std::filesystem::remove_all(dir_);
}
