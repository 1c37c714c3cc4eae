// Whole sessions, from the banner to the farewell. A recorded session is a folder under
// tests/sessions holding the input typed, the settings file if any, the expected transcript, if its
// games score shots a "ships" file that says where each game's ship lies, and optionally the
// transcript on a terminal ("terminal") and an "accessible" file, whose session is played in words.
#include "hidden_ships.h"
#include "session_runner.h"

#include <vector>

class RecordedSessionTest : public SessionTest, public ::testing::WithParamInterface<std::string> {
  protected:
    // Copies the session in and finds, with this C library's generator, the
    // seed that hides its ships where it says.
    void SetUp() override {
        SessionTest::SetUp();
        std::error_code none; // a session may have no settings file
        fs::copy(kSessions / GetParam() / "input", "input");
        fs::copy(kSessions / GetParam() / "GameData.txt", "GameData.txt", none);
        const fs::path ships = kSessions / GetParam() / "ships";
        if (fs::exists(ships)) {
            seed_ = std::to_string(seedHiding(readFile(ships)));
            ASSERT_NE(seed_, "0") << "no seed hides the ships of " << ships;
        }
    }
    std::string seed_; // "" when the session's games score no shot
    const bool inWords_ = fs::exists(kSessions / GetParam() / "accessible");
    const std::string game_ = inWords_ ? "GAME --accessible" : "GAME";
    const std::string expected_ = readFile(kSessions / GetParam() / "expected");
};

// HULLSTRIKE_UPDATE_GOLDEN=1 rewrites the transcripts: read the diff.
TEST_P(RecordedSessionTest, InProcess) {
    if (!seed_.empty()) {
        std::srand(static_cast<unsigned>(std::stoul(seed_)));
    }
    accessibleMode = inWords_;
    const std::string out = play(readFile("input"));
    if (std::getenv("HULLSTRIKE_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(kSessions / GetParam() / "expected", std::ios::binary) << out;
    }
    EXPECT_EQ(out, expected_);
}

// The program seeds from the clock, so a session with ships needs the clock
// fixed at its seed: that checks the seeding too.
TEST_P(RecordedSessionTest, Program) {
    EXPECT_EQ(runShell(game_ + " < input > out 2> err", seed_), 0);
    EXPECT_EQ(readFile("out"), expected_);
    EXPECT_EQ(readFile("err"), "");
#ifndef _WIN32
    // On a terminal, where lines end in "\r\n", each drawing starts on a
    // cleared screen, and a session in words clears nothing. The terminal
    // is named "ansi", one that is cleared.
    if (fs::exists(kSessions / GetParam() / "terminal")) {
        if (std::system("command -v script > /dev/null") != 0) {
            GTEST_SKIP() << "script not found: skipped (Debian: apt-get install bsdutils)";
        }
        EXPECT_EQ(
            runShell("TERM=ansi script -qec \"" + game_ + " < input\" /dev/null < /dev/null > out",
                     seed_),
            0);
        EXPECT_EQ(readFile("out"), readFile(kSessions / GetParam() / "terminal"));
    }
#endif
}

INSTANTIATE_TEST_SUITE_P(Recorded, RecordedSessionTest, ::testing::ValuesIn([] {
                             std::vector<std::string> names;
                             for (const auto& session : fs::directory_iterator(kSessions)) {
                                 names.push_back(session.path().filename().string());
                             }
                             return names;
                         }()),
                         [](const auto& info) { return info.param; });
