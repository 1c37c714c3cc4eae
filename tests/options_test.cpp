// The switch to the game in words: --accessible as the first argument, or
// ACCESSIBLE set to anything but "", "0" or "false" in any case. Each row
// is asked of the built program, which starts a game and types b at Across.
#include "session_runner.h"

#include <vector>

struct SwitchCase {
    const char* name;
    std::vector<const char*> argv; // the program's name first
    const char* accessible;        // ACCESSIBLE's value, or null for unset
    bool inWords;
};

static const SwitchCase kSwitches[] = {
    {"flag", {"hullstrike", "--accessible"}, nullptr, true},
    {"flag_then_another", {"hullstrike", "--accessible", "--bogus"}, nullptr, true},
    {"flag_over_zero", {"hullstrike", "--accessible"}, "0", true},
    {"one", {"hullstrike"}, "1", true},
    {"yes", {"hullstrike"}, "yes", true},
    {"minus_one", {"hullstrike"}, "-1", true}, // not a number read
    {"false_in_capitals", {"hullstrike"}, "FALSE", false},
    {"zero", {"hullstrike"}, "0", false},
    {"empty", {"hullstrike"}, "", false},
    {"unset", {"hullstrike"}, nullptr, false},
};

static void PrintTo(const SwitchCase& row, std::ostream* out) {
    *out << row.name;
}

class SwitchTest : public SessionTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(SwitchTest, Program) {
    std::ofstream("GameData.txt") << "10\n";
    std::ofstream("input") << "1\nb\n";
    std::string line = "GAME";
    for (std::size_t i = 1; i < GetParam().argv.size(); ++i) {
        line += std::string(" ") + GetParam().argv[i];
    }
    setAccessible(GetParam().accessible);
    EXPECT_EQ(runShell(line + " < input > out"), 0);
    accessibleMode = GetParam().inWords;
    EXPECT_EQ(readFile("out"), play("1\nb\n"));
}

INSTANTIATE_TEST_SUITE_P(Row, SwitchTest, ::testing::ValuesIn(kSwitches),
                         [](const auto& info) { return std::string(info.param.name); });
