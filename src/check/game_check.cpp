#include "check/game_check.h"

#include "check/checker.h"

namespace sw::check {

std::vector<Finding> CheckGame(const std::filesystem::path& folder, std::string_view code_page) {
  Checker checker(folder, code_page);
  checker.Run();
  return checker.TakeFindings();
}

}  // namespace sw::check
