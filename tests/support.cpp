#include "support.h"

#include "game/board.h"
#include "game/game_play.h"
#include "settings/grid_sizes.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include <unistd.h>

std::string runWithConsole(const std::string& input, const std::function<void()>& body) {
    std::istringstream in(input);
    std::ostringstream out;
    std::streambuf* const oldIn = std::cin.rdbuf(in.rdbuf());
    std::streambuf* const oldOut = std::cout.rdbuf(out.rdbuf());
    std::cin.clear();
    body();
    std::cin.rdbuf(oldIn);
    std::cout.rdbuf(oldOut);
    std::cin.clear();
    return out.str();
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::filesystem::path testData(const std::string& name) {
    return std::filesystem::path(HULLSTRIKE_TEST_DATA) / name;
}

void expectGolden(const std::string& name, const std::string& actual) {
    const auto path = testData(name);
    if (std::getenv("HULLSTRIKE_UPDATE_GOLDEN") != nullptr) {
        writeFile(path, actual);
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(path)) << path;
    EXPECT_EQ(readFile(path), actual) << "differs from " << path;
}

void InProcessTest::SetUp() {
    home_ = std::filesystem::current_path();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("hullstrike-") + std::to_string(::getpid()) + "-" +
                       info->test_suite_name() + "-" + info->name();
    std::replace(name.begin(), name.end(), '/', '_');
    dir_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
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
