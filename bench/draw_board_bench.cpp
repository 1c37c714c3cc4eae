// drawBoard, the game's hot path, into a stream that discards everything.
#include "game/board.h"

#include <benchmark/benchmark.h>

#include <iostream>
#include <streambuf>

namespace {

// Takes every character and keeps none.
struct NullBuffer : std::streambuf {
    int overflow(int c) override {
        return c;
    }
    std::streamsize xsputn(const char*, std::streamsize n) override {
        return n;
    }
};

void drawBoardOfSize(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    resetTargetBoard(size);
    targetBoard[0][0] = kHitMark;
    targetBoard[1][1] = kMissMark;
    NullBuffer sink;
    std::streambuf* const console = std::cout.rdbuf(&sink);
    for (auto _ : state) {
        drawBoard(size);
    }
    std::cout.rdbuf(console);
}

} // namespace

BENCHMARK(drawBoardOfSize)->Arg(10)->Arg(35);
BENCHMARK_MAIN();
