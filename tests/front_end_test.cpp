// The settings file, the pause prompt and the help screen.
#include "support.h"

#include "app/help.h"
#include "app/pause.h"
#include "settings/grid_sizes.h"

#include <climits>
#include <filesystem>
#include <iostream>
#include <optional>

using FrontEndTest = InProcessTest;

static bool operator==(const GridSizes& a, const GridSizes& b) {
    return a.easy == b.easy && a.normal == b.normal && a.hard == b.hard;
}

static std::ostream& operator<<(std::ostream& out, const GridSizes& s) {
    return out << s.easy << " " << s.normal << " " << s.hard;
}

// Each load starts from the sizes 4 5 6, so a size left alone shows.
TEST_F(FrontEndTest, LoadsWhatTheFileHoldsAndKeepsWhatItCannotRead) {
    struct Case {
        std::optional<std::string> file; // no file at all when empty
        GridSizes expected;
    };
    const Case cases[] = {
        {"10 15 20", {10, 15, 20}},
        {"10\n15\n20\n", {10, 15, 20}},
        {"\t 10\r\n15\r\n20\r\n", {10, 15, 20}},
        {"+10 -15 +0", {10, -15, 0}},
        {"-2147483648 2147483647 9", {INT_MIN, INT_MAX, 9}},
        {"7 8 9 and then 1 2 3", {7, 8, 9}},
        {"10 15", {10, 15, 6}},
        {"10 99999999999 20", {10, 5, 6}},
        {"10 15 -2147483649", {10, 15, 6}},
        {"1.5 2 3", {1, 5, 6}},
        {"abc 10 15 20", {4, 5, 6}},
        {"", {4, 5, 6}},
        {std::nullopt, {4, 5, 6}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(kGridSizesFile);
        if (c.file) {
            writeFile(kGridSizesFile, *c.file);
        }
        gridSizes = {4, 5, 6};
        loadGridSizes();
        EXPECT_EQ(gridSizes, c.expected) << "file: " << c.file.value_or("(none)");
    }
}

TEST_F(FrontEndTest, KeepsTheLastSizesOnceTheFileIsGone) {
    writeFile(kGridSizesFile, "12 14 16");
    loadGridSizes();
    std::filesystem::remove(kGridSizesFile);
    loadGridSizes();
    EXPECT_EQ(gridSizes, (GridSizes{12, 14, 16}));
    writeFile(kGridSizesFile, "3");
    loadGridSizes();
    EXPECT_EQ(gridSizes, (GridSizes{3, 14, 16}));
}

// What is left in the input after the pause shows how much it took.
TEST_F(FrontEndTest, PauseTakesTwoCharactersOrTheEndOfInput) {
    struct Case {
        std::string input;
        std::string left;
    };
    const Case cases[] = {
        {"\n\nQ\n", "Q\n"},   // the last answer's line end, then the player's Enter
        {" 8\nQ\n", "\nQ\n"}, // "7 8" at Down leaves " 8": no wait at all
        {"\nxyz\n", "yz\n"},  // any key then Enter: the rest stays in the input
        {"\n", ""},           {"", ""},
    };
    for (const Case& c : cases) {
        std::string left;
        const std::string out = runWithConsole(c.input, [&left] {
            waitForEnter();
            std::cin.clear();
            left.assign(std::istreambuf_iterator<char>(std::cin), {});
        });
        EXPECT_EQ(out, "\nPress the \"Enter\" key to continue . . . \n") << c.input;
        EXPECT_EQ(left, c.left) << c.input;
    }
}

TEST_F(FrontEndTest, HelpShowsTheSizesAsLoaded) {
    const std::pair<GridSizes, std::string> cases[] = {
        {{10, 15, 20}, "golden/help_10_15_20.txt"},
        {{0, 0, 0}, "golden/help_no_file.txt"},
        {{-1, -15, -2147483647}, "golden/help_negative.txt"},
    };
    for (const auto& [sizes, golden] : cases) {
        gridSizes = sizes;
        expectGolden(golden, runWithConsole("\n\n", showHelp));
    }
}
