// Helpers shared by the in-process tests: a console made of strings, a
// working directory of the test's own, and the program's state set back
// to how it is at start-up.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

// Runs body with std::cin reading input and returns what it wrote to std::cout.
std::string runWithConsole(const std::string& input, const std::function<void()>& body);

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& text);

// A file under tests/ in the source tree.
std::filesystem::path testData(const std::string& name);

// Compares actual with the golden file at name. With HULLSTRIKE_UPDATE_GOLDEN
// set, rewrites the golden file instead (review the diff before committing).
void expectGolden(const std::string& name, const std::string& actual);

// Each test runs in an empty temporary directory with the program's state
// as it is at start-up, and the generator seeded with 1.
class InProcessTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path home_;
    std::filesystem::path dir_;
};
