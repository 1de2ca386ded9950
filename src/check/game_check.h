// Reads a whole game folder the way the player would, without a window, and lists what would
// go wrong: missing or unreadable files, names that do not exist, scripts that do not compile.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "check/finding.h"

namespace sw::check {

// Findings in the order the files were read: the configuration, the procedures, every frame
// (by name), then the inventory items and their combinations.
std::vector<Finding> CheckGame(const std::filesystem::path& folder,
                               std::string_view code_page = "WINDOWS-1252");

}  // namespace sw::check
