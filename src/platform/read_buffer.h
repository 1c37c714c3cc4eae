// The buffer a stream reads an open descriptor through: standard input for
// std::cin, and the settings file.
#pragma once

#include <streambuf>
#include <string_view>

// Refilled from the descriptor a block at a time, so that reading costs
// this block and no more whatever the size of what is read. A read that
// fails ends the input, as its end does, and leaves the reason in error.
struct ReadBuffer : std::streambuf {
    explicit ReadBuffer(int descriptor) : file(descriptor) {}

    // Skips prefix when the input starts with it.
    void skipPrefix(std::string_view prefix);

    int file;
    int error = 0; // errno of the read that failed, or 0
    char block[4096] = {};

  protected:
    int_type underflow() override;
};
