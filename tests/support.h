// What the in-process tests share: a console made of strings, a working
// directory of the test's own, and golden files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

// Runs body with std::cin reading input; returns what it wrote to std::cout.
std::string runWithConsole(const std::string& input, const std::function<void()>& body);

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& text);

// Compares actual with the file tests/NAME. With HULLSTRIKE_UPDATE_GOLDEN
// set it rewrites the file instead: read the diff before committing it.
void expectGolden(const std::string& name, const std::string& actual);

// Each test runs in an empty temporary directory, with the program's state
// as at start-up and the generator seeded with 1.
class InProcessTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path home_, dir_;
};
