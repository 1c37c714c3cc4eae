// Loading the level sizes, one file after another, as the menu does.
#include "session_runner.h"

#include <array>

// Each file is loaded over what the files above it left ("-" is no file at
// all), so a size that can't be read keeps the value of the last good load.
TEST_F(SessionTest, SettingsLoadWhatCanBeReadAndKeepTheRest) {
    const std::string mark = "\xEF\xBB\xBF"; // UTF-8's byte-order mark, as Notepad saves it
    const std::pair<std::string, std::array<int, 3>> loads[] = {
        {"10 15 20", {10, 15, 20}},
        {"\t11\r\n+12\n\n13 and then 1 2 3", {11, 12, 13}},
        {"-2147483648 2147483647 +0", {-2147483648, 2147483647, 0}},
        {"4 5", {4, 5, 0}},
        {"6 2147483648 7", {6, 5, 0}},
        {"7 8 -2147483649", {7, 8, 0}},
        {"1.5 2 3", {1, 8, 0}},
        {"abc 10 15 20", {1, 8, 0}},
        {"9", {9, 8, 0}}, // a file of one byte
        {mark + "21\n22\n23", {21, 22, 23}},
        {" " + mark + "24 25 26", {21, 22, 23}},              // a mark anywhere else is no number
        {std::string(4095, ' ') + "31\n32 33", {31, 32, 33}}, // 31 spans two blocks
        {"-", {31, 32, 33}},
    };
    for (const auto& [file, expected] : loads) {
        fs::remove("GameData.txt");
        if (file != "-") {
            std::ofstream("GameData.txt", std::ios::binary) << file;
        }
        loadGridSizes();
        EXPECT_EQ((std::array{gridSizes.easy, gridSizes.normal, gridSizes.hard}), expected) << file;
    }
}

#ifndef _WIN32
#include "platform/posix.h"

// The shipped sizes lie where the link to the program says (the build tree
// is laid out as installed), or, where it can't be read (no /proc), in the
// folder the build installs them into.
TEST_F(SessionTest, InstalledSizesAreFoundWithOrWithoutProc) {
    fs::create_symlink(HULLSTRIKE_BUILT_PROGRAM, "program");
    EXPECT_TRUE(fs::is_regular_file(dataFolderFrom("program") + kGridSizesFile));
    const std::string configured = HULLSTRIKE_CONFIGURED_DATA;
    EXPECT_EQ(dataFolderFrom("no-such-link"), configured.empty() ? "" : configured + "/");
}
#endif
