// Runs one test of this test program again in a process of its own, so that a test can check
// what survives a restart of the player.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace sw::testing {

// Runs the named test (a gtest filter) with extra environment variables, where the child test
// finds its input; true when it passed. Values must not hold single quotes.
inline bool RunTestInChild(const std::string& test,
                           const std::vector<std::pair<std::string, std::string>>& environment) {
  std::string command;
  for (const auto& [name, value] : environment) command += name + "='" + value + "' ";
  command += "'" + std::filesystem::read_symlink("/proc/self/exe").string() +
             "' --gtest_filter=" + test + " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

}  // namespace sw::testing
