// Loading the level sizes, one file after another, as the menu does.
#include "support.h"

#include "settings/grid_sizes.h"

#include <array>
#include <filesystem>
#include <optional>

using SettingsTest = InProcessTest;

// Each row loads after the rows above it, so a size that is not read
// shows the value the last good load left.
TEST_F(SettingsTest, LoadsWhatCanBeReadAndKeepsTheRest) {
    const std::pair<std::optional<std::string>, std::array<int, 3>> loads[] = {
        {std::nullopt, {0, 0, 0}}, // no file yet: all 0
        {"10 15 20", {10, 15, 20}},
        {"\t11\r\n+12\n\n13 and then 1 2 3", {11, 12, 13}},
        {"-1 -15 +0", {-1, -15, 0}},
        {"-2147483648 2147483647 9", {-2147483648, 2147483647, 9}},
        {"4 5", {4, 5, 9}},
        {"6 2147483648 7", {6, 5, 9}},
        {"7 8 -2147483649", {7, 8, 9}},
        {"1.5 2 3", {1, 8, 9}},
        {"abc 10 15 20", {1, 8, 9}},
        {"", {1, 8, 9}},
        {std::nullopt, {1, 8, 9}}, // the file removed after a good load
    };
    for (const auto& [file, expected] : loads) {
        std::filesystem::remove(kGridSizesFile);
        if (file) {
            writeFile(kGridSizesFile, *file);
        }
        loadGridSizes();
        EXPECT_EQ((std::array{gridSizes.easy, gridSizes.normal, gridSizes.hard}), expected)
            << "file: " << file.value_or("(none)");
    }
}
