// The built program reading a standard input left non-blocking, as a shell
// or a terminal may leave it, fed by the test a little at a time. Each test
// is a shell line, GAME standing for the program with its first ship along
// row 1, columns 1 to 4.
#include "hidden_ships.h"
#include "session_runner.h"

#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

// Runs a line into "result", with a pipe's non-blocking reading end in
// SLOW_IN and its writing end in SLOW_OUT; "await PATTERN" waits until the
// file "out" shows it or the game has ended.
static void runWithSlowInput(const std::string& line) {
    static const std::string clock = std::to_string(seedHiding("row 1 from column 1"));
    int pipe_ends[2];
    ASSERT_EQ(pipe(pipe_ends), 0);
    fcntl(pipe_ends[0], F_SETFL, O_NONBLOCK);
    setenv("SLOW_IN", std::to_string(pipe_ends[0]).c_str(), 1);
    setenv("SLOW_OUT", std::to_string(pipe_ends[1]).c_str(), 1);
    runShell("{ await() { until grep -qsE \"$1\" out || ! kill -0 $!; do sleep 0.01; done; }; " +
                 line + "; } > result 2>&1",
             clock);
    close(pipe_ends[0]);
    close(pipe_ends[1]);
}

// Keys that come apart are waited for: 1, then 0, is read as 10.
TEST_F(SessionTest, InputNotReadyIsWaitedFor) {
    runWithSlowInput(
        "echo 10 > GameData.txt; { GAME <&$SLOW_IN > out; echo \"status $?\"; } & "
        "await 'choice: '; printf '1\\n1' >&$SLOW_OUT; await 'Across: |Sorry'; "
        "printf '0\\n3\\n1\\n1\\n2\\n1\\n3\\n1\\n4\\n1\\n\\nq\\n' >&$SLOW_OUT; wait $!; "
        "grep -c 'Value must' out; grep 'It took' out");
    EXPECT_EQ(readFile("result"), "status 0\n0\nIt took you 5 shots to sink it.\n");
}

// Input not typed yet is slept on: a game that read again and again would
// spend most of two seconds' wait on the processor; one that polled no
// descriptor would never see the "q", and be ended by the timeout.
TEST_F(SessionTest, InputNotReadyIsSleptOn) {
    rusage before = {}, after = {};
    getrusage(RUSAGE_CHILDREN, &before);
    runWithSlowInput("{ GAME <&$SLOW_IN > out; echo \"status $?\"; } & await 'choice: '; sleep 2; "
                     "printf 'q\\n' >&$SLOW_OUT; wait $!; tail -n 2 out");
    getrusage(RUSAGE_CHILDREN, &after);
    EXPECT_EQ(readFile("result"), "status 0\nGoodbye.\n\n");
    const auto seconds = [](const rusage& use) {
        return static_cast<double>(use.ru_utime.tv_sec + use.ru_stime.tv_sec) +
               static_cast<double>(use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
    };
    EXPECT_LT(seconds(after) - seconds(before), 0.5);
}
