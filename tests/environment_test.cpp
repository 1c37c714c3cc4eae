// The built program in a hostile environment. Each row is a shell line in a
// folder of its own, GAME standing for the program with its first ship along
// row 1, columns 1 to 4; what it writes, standard error too, is compared whole.
#include "hidden_ships.h"
#include "session_runner.h"

#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <unistd.h>

struct EnvironmentCase {
    const char* name;
    const char* line;
    const char* written;
};

// "await PATTERN" waits until the output file shows it or the game has ended.
static const char* const kAwait =
    "await() { until grep -qsE \"$1\" out || ! kill -0 $!; do sleep 0.01; done; }; ";

static const EnvironmentCase kCases[] = {
    // Output that can't be written stops the game at once, whatever input is left.
    {"output_full", "yes 1 2>/dev/null | { GAME > /dev/full; echo \"status $?\"; }",
     "hullstrike: write error: No space left on device\nstatus 1\n"},
    {"output_closed", "yes 1 2>/dev/null | { GAME >&-; echo \"status $?\"; }",
     "hullstrike: write error: Bad file descriptor\nstatus 1\n"},
    {"output_reader_gone",
     "trap '' PIPE; yes 1 2>/dev/null | { GAME; echo \"status $?\" >&2; } | head -c 1 >/dev/null",
     "hullstrike: write error: Broken pipe\nstatus 1\n"},
    // Four invalid keys write 1,001 bytes, the farewell 36 more: over 1,024.
    {"output_fails_at_the_farewell",
     "trap '' XFSZ; ulimit -f 2; printf 'x\\nx\\nx\\nx\\n' | { GAME > out; echo \"status $?\"; }",
     "hullstrike: write error: File too large\nstatus 1\n"},
    // Nor does a prompt wait then (the input stays open, so reading on would
    // hang): the help screen before its pause, a board, the tenth menu.
    {"output_fails_before_a_pause_or_a_shot",
     "trap '' XFSZ; ulimit -f 1; echo 20 > GameData.txt && for key in h 1; do rm -f in; mkfifo in; "
     "{ GAME < in > out & exec 3> in; echo $key >&3; wait $!; echo \"status $?\"; exec 3>&-; }; "
     "done",
     "hullstrike: write error: File too large\nstatus 1\n"
     "hullstrike: write error: File too large\nstatus 1\n"},
    {"output_fails_in_a_prompt",
     "trap '' XFSZ; ulimit -f 4; mkfifo in && { GAME < in > out & exec 3> in; "
     "printf 'x\\nx\\nx\\nx\\nx\\nx\\nx\\nx\\nx\\n' >&3; wait $!; echo \"status $?\"; }",
     "hullstrike: write error: File too large\nstatus 1\n"},
    // Input that fails ends the game as its end does, then says why.
    {"input_a_directory", "GAME < / > out; echo \"status $?\"; tail -n 3 out",
     "hullstrike: read error: Is a directory\nstatus 1\nThank you for playing.\nGoodbye.\n\n"},
    {"input_closed", "GAME <&- > out; echo \"status $?\"; tail -n 3 out",
     "hullstrike: read error: Bad file descriptor\nstatus 1\nThank you for playing.\nGoodbye.\n\n"},
    // EIO, as from a terminal that has hung up: memory at address 0.
    {"input_fails", "exec 3< /proc/self/mem; GAME <&3 > out; echo \"status $?\"",
     "hullstrike: read error: Input/output error\nstatus 1\n"},
    // Input left non-blocking is waited on: 1, then 0, is read as 10.
    {"input_non_blocking",
     "echo 10 > GameData.txt; { GAME <&$SLOW_IN > out; echo \"status $?\"; } & "
     "await 'choice: '; printf '1\\n1' >&$SLOW_OUT; await 'Across: |Sorry'; "
     "printf '0\\n3\\n1\\n1\\n2\\n1\\n3\\n1\\n4\\n1\\n\\nq\\n' >&$SLOW_OUT; wait $!; "
     "grep -c 'Value must' out; grep 'It took' out",
     "status 0\n0\nIt took you 5 shots to sink it.\n"},
    // A settings file that is no ordinary file is passed over; an endless one
    // is read no further than its first bad byte.
    {"settings_no_ordinary_file",
     "mkfifo pipe; for file in pipe /dev/zero /proc/self/pagemap; do ln -sf $file GameData.txt; "
     "printf 'h\\n\\nq\\n' | GAME | grep 'Hard will'; done",
     "\t\tHard will be a grid of 0 x 0\n\t\tHard will be a grid of 0 x 0\n"
     "\t\tHard will be a grid of 0 x 0\n"},
    // An edit counts from the next key; 100 keys first, with at most 64 files
    // open, so that a reload leaving its file open would run out.
    {"settings_edited_between_keys",
     "ulimit -n 64; echo 10 > GameData.txt && mkfifo in && { GAME < in > out & exec 3> in; "
     "yes x | head -n 100 >&3; printf 'h\\n\\n' >&3; "
     "await Press; echo 11 > GameData.txt; "
     "printf 'h\\n\\nq\\n' >&3; wait $!; }; grep 'Easy will' out",
     "\t\tEasy will be a grid of 10 x 10\n\t\tEasy will be a grid of 11 x 11\n"},
    // A terminal is cleared before a board whatever its name (before "dumb" or
    // after it), unless it can't clear: then it gets no escape byte.
    {"terminal_names",
     "echo 10 > GameData.txt && echo 1 > in && for name in ansi alacritty Eterm xterm dumb ''; do "
     "TERM=$name script -qec \"GAME < in\" /dev/null < /dev/null | grep -c \"$(printf '\\033')\"; "
     "done; env -u TERM script -qec \"GAME < in\" /dev/null < /dev/null | grep -c \"$(printf "
     "'\\033')\"",
     "1\n1\n1\n1\n0\n0\n0\n"},
    // In words (by the flag, or ACCESSIBLE=1) a terminal gets no escape byte.
    {"terminal_in_words",
     "echo 10 > GameData.txt && printf '1\\nb\\n1\\n1\\n' > in && for way in --accessible 1; do "
     "export ACCESSIBLE=${way#--accessible}; TERM=xterm script -qec \"GAME ${way%1} < in\" "
     "/dev/null < /dev/null > out; grep -c \"$(printf '\\033')\" out; "
     "grep -c -e 'No shots yet' -e 'Shot 1, ' out; done",
     "0\n2\n0\n2\n"},
};

static void PrintTo(const EnvironmentCase& row, std::ostream* out) {
    *out << row.name;
}

class HostileEnvironmentTest : public SessionTest,
                               public ::testing::WithParamInterface<EnvironmentCase> {};

// Runs a line into "result", with a pipe's non-blocking reading end in
// SLOW_IN and its writing end in SLOW_OUT.
static void runRow(const std::string& line) {
    static const std::string clock = std::to_string(seedHiding("row 1 from column 1"));
    int pipe_ends[2];
    ASSERT_EQ(pipe(pipe_ends), 0);
    fcntl(pipe_ends[0], F_SETFL, O_NONBLOCK);
    setenv("SLOW_IN", std::to_string(pipe_ends[0]).c_str(), 1);
    setenv("SLOW_OUT", std::to_string(pipe_ends[1]).c_str(), 1);
    runShell(std::string("{ ") + kAwait + line + "; } > result 2>&1", clock);
    close(pipe_ends[0]);
    close(pipe_ends[1]);
}

TEST_P(HostileEnvironmentTest, WritesExactly) {
    if (std::string_view(GetParam().line).find("script ") != std::string_view::npos) {
        SKIP_WITHOUT("script", "bsdutils");
    }
    runRow(GetParam().line);
    EXPECT_EQ(readFile("result"), GetParam().written) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Row, HostileEnvironmentTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Input not typed yet is slept on: a game that read again and again would
// spend most of two seconds' wait on the processor; one that polled no
// descriptor would never see the "q", and be ended by the timeout.
TEST_F(SessionTest, InputNotReadyIsSleptOn) {
    rusage before = {}, after = {};
    getrusage(RUSAGE_CHILDREN, &before);
    runRow("{ GAME <&$SLOW_IN > out; echo \"status $?\"; } & await 'choice: '; sleep 2; "
           "printf 'q\\n' >&$SLOW_OUT; wait $!; tail -n 2 out");
    getrusage(RUSAGE_CHILDREN, &after);
    EXPECT_EQ(readFile("result"), "status 0\nGoodbye.\n\n");
    const auto seconds = [](const rusage& use) {
        return static_cast<double>(use.ru_utime.tv_sec + use.ru_stime.tv_sec) +
               static_cast<double>(use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
    };
    EXPECT_LT(seconds(after) - seconds(before), 0.5);
}

// A device behind the settings file's name is never opened at all.
TEST_F(SessionTest, SettingsDeviceIsNeverOpened) {
    SKIP_WITHOUT("strace", "strace");
    if (std::system("strace -o /dev/null true 2>/dev/null") != 0) {
        GTEST_SKIP() << "strace can't trace here: skipped";
    }
    runShell("ln -s /dev/null GameData.txt && printf 'h\\n\\nq\\n' | "
             "strace -f -qq -o trace -e trace=open,openat GAME > /dev/null");
    const std::string trace = readFile("trace");
    EXPECT_NE(trace.find("openat("), std::string::npos) << "nothing traced";
    EXPECT_EQ(trace.find("GameData"), std::string::npos) << trace;
}
