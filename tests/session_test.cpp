// Whole sessions, from the banner to the farewell, against the transcripts
// under tests/sessions. Each case is a folder holding the input typed, the
// settings file if there is one, the generator's seed if its games score
// any shot, and the expected transcript.
#include "support.h"

#include "app/menu.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

static const std::filesystem::path kSessions =
    std::filesystem::path(HULLSTRIKE_TEST_DATA) / "sessions";

static std::vector<std::string> recordedSessions() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kSessions)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class SessionTest : public InProcessTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(SessionTest, TranscriptMatches) {
    const auto recorded = kSessions / GetParam();
    if (std::filesystem::exists(recorded / "GameData.txt")) {
        std::filesystem::copy_file(recorded / "GameData.txt", dir_ / "GameData.txt");
    }
    if (std::filesystem::exists(recorded / "seed")) {
        std::srand(static_cast<unsigned>(std::stoul(readFile(recorded / "seed"))));
    }
    const std::string out = runWithConsole(readFile(recorded / "input"), [] {
        showBanner();
        runMainMenu();
    });
    expectGolden("sessions/" + GetParam() + "/expected", out);
}

INSTANTIATE_TEST_SUITE_P(Recorded, SessionTest, ::testing::ValuesIn(recordedSessions()),
                         [](const auto& info) { return info.param; });
