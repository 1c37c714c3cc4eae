// The switch to the game in words: --accessible as the first argument, or
// ACCESSIBLE set to anything but "", "0" or "false" in any case. Each row
// is asked in-process and then of the built program, which starts a game
// and types b at Across: a "No shots yet." that is there exactly when the
// row plays in words.
#include "app/options.h"
#include "session_runner.h"

#include <iterator>
#include <sstream>
#include <vector>

struct SwitchCase {
    const char* name;
    const char* arguments;  // after the program's name, separated by blanks
    const char* accessible; // ACCESSIBLE's value, or null for unset
    bool inWords;
};

static const SwitchCase kSwitches[] = {
    {"flag", "--accessible", nullptr, true},
    {"flag_then_another", "--accessible --bogus", nullptr, true}, // the first decides
    {"flag_over_zero", "--accessible", "0", true},
    {"one", "", "1", true},
    {"yes", "", "yes", true},
    {"false_in_capitals", "", "FALSE", false},
    {"zero", "", "0", false},
    {"empty", "", "", false},
    {"unset", "", nullptr, false},
};

static void PrintTo(const SwitchCase& row, std::ostream* out) {
    *out << row.name;
}

class SwitchTest : public SessionTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(SwitchTest, InProcess) {
    std::istringstream words(std::string("hullstrike ") + GetParam().arguments);
    std::vector<std::string> arguments{std::istream_iterator<std::string>(words), {}};
    std::vector<const char*> argv;
    for (const auto& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    const int argc = static_cast<int>(argv.size());
    EXPECT_EQ(answerCommandLine(argc, argv.data()), kPlayGame);
    EXPECT_EQ(asksForAccessibleMode(argc, argv.data(), GetParam().accessible), GetParam().inWords);
}

TEST_P(SwitchTest, Program) {
    std::ofstream("GameData.txt", std::ios::binary) << "10\n";
    std::ofstream("input", std::ios::binary) << "1\nb\n";
    setAccessible(GetParam().accessible);
    EXPECT_EQ(runShell(std::string("GAME ") + GetParam().arguments + " < input > out"), 0);
    setAccessible(nullptr);
    accessibleMode = GetParam().inWords;
    const std::string expected = play("1\nb\n");
    EXPECT_EQ(expected.find("No shots yet.") != std::string::npos, GetParam().inWords);
    EXPECT_EQ(readFile("out"), expected);
}

INSTANTIATE_TEST_SUITE_P(Row, SwitchTest, ::testing::ValuesIn(kSwitches),
                         [](const auto& info) { return std::string(info.param.name); });
