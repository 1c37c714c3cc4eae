// The switch to the game in words: --accessible, or ACCESSIBLE set to
// anything but "", "0", "false", "no" or "off" in any case. Each row
// is asked of the built program, which starts a game and types b at Across.
#include "session_runner.h"

struct SwitchCase {
    const char* name;
    const char* arguments;  // after the program's name
    const char* accessible; // ACCESSIBLE's value, or null for unset
    bool inWords;
};

static const SwitchCase kSwitches[] = {
    {"flag", "--accessible", nullptr, true},
    {"flag_twice", "--accessible --accessible", nullptr, true},
    {"flag_over_off", "--accessible", "off", true},
    {"one", "", "1", true},
    {"yes", "", "yes", true},
    {"minus_one", "", "-1", true}, // not a number read
    {"false_in_capitals", "", "FALSE", false},
    {"zero", "", "0", false},
    {"no", "", "no", false},
    {"off", "", "off", false},
    {"no_in_capitals", "", "NO", false},
    {"off_capitalised", "", "Off", false},
    {"empty", "", "", false},
    {"unset", "", nullptr, false},
};

class SwitchTest : public SessionTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(SwitchTest, Program) {
    std::ofstream("GameData.txt") << "10\n";
    std::ofstream("input") << "1\nb\n";
    setAccessible(GetParam().accessible);
    EXPECT_EQ(runShell(std::string("GAME ") + GetParam().arguments + " < input > out"), 0);
    accessibleMode = GetParam().inWords;
    EXPECT_EQ(readFile("out"), play("1\nb\n"));
}

INSTANTIATE_TEST_SUITE_P(Row, SwitchTest, ::testing::ValuesIn(kSwitches),
                         [](const auto& info) { return std::string(info.param.name); });
