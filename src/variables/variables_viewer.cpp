#include "variables/variables_viewer.h"

#include "core/game/game_runtime.h"
#include "core/game/step_errors.h"
#include "variables/variable_store.h"

namespace sw {

namespace {

constexpr size_t kLinesPerBox = 25;
const char* const kTitle = "Variables Status";

}  // namespace

std::vector<std::string> VariablesStatusLines(const VariableStore& store) {
  std::vector<std::string> lines = {
      "This window allows you to view the value of all the project variables. To create a new "
      "project variable, click \"Project Variables...\" from the frame editor menu. To manually "
      "change the value of a variable, click \"Execute VBS code...\" from the Debug menu, and "
      "then enter: \"VARIABLE_NAME = NEW_VALUE\" (without the quotes).",
      "", "",
      "-------------------------- INTEGER VARIABLES: --------------------------             ", ""};
  store.Variables.ForEach([&lines](const ClassVariable& variable) {
    lines.push_back(variable.Name() + " = " + std::to_string(variable.Value()));
  });
  lines.push_back("");
  lines.push_back(
      "-------------------------- VARIANT VARIABLES: --------------------------             ");
  lines.push_back("");
  store.VariablesVariant.ForEach([&lines](const ClassVariableVariant& variable) {
    lines.push_back(variable.Name() + " = " + variable.Value().ToStringUtf8());
  });
  return lines;
}

std::vector<std::string> VariablesStatusPages(const std::vector<std::string>& lines) {
  std::vector<std::string> pages;
  std::string page;
  for (size_t i = 0; i < lines.size(); ++i) {
    page += lines[i] + "\r\n";
    if ((i + 1) % kLinesPerBox == 0 && i + 1 != lines.size()) {
      pages.push_back(page);
      page = std::string(52, ' ') + "\r\n";
    }
  }
  pages.push_back(page + "\r\n");
  return pages;
}

void ViewVariablesStatus(GameRuntime& runtime, const VariableStore& store) {
  try {
    platform::MessageStyle info;
    info.icon = platform::MessageIcon::kInformation;
    for (const std::string& page : VariablesStatusPages(VariablesStatusLines(store))) {
      runtime.ShowMessage(page, kTitle, info);
    }
  } catch (const std::exception& e) {
    platform::MessageStyle warning;
    warning.icon = platform::MessageIcon::kWarning;
    runtime.ShowMessage("Error displaying variables status. " + ErrorDescription(e), "Error",
                        warning);
  }
}

}  // namespace sw
