// The game's scripts compiled by the player's own script engine, without running them: the
// procedures file alone, then every frame, action and combination script wrapped as the game
// wraps it.
#include <algorithm>
#include <regex>

#include "check/checker.h"
#include "core/project/file_names.h"
#include "core/project/procedures_cipher.h"
#include "platform/system/file_io.h"
#include "platform/system/private_profile.h"
#include "scripting/host/procedures.h"
#include "scripting/vbscript/compile_error.h"
#include "scripting/vbscript/parser.h"

namespace sw::check {

namespace {

// The compile error of a text, or nothing when it compiles.
std::optional<vbs::CompileError> CompileErrorOf(const std::string& text) {
  try {
    vbs::CompileUnit(text);
  } catch (const vbs::CompileError& error) {
    return error;
  }
  return std::nullopt;
}

std::string Describe(const vbs::CompileError& error) {
  return vbs::CompileErrorDescription(error.number) + " (error " + std::to_string(error.number) +
         ")";
}

int LineCount(const std::string& text) {
  return LineOfOffset(text, text.size());
}

bool DefinesObjectTimer(const std::string& procedures, const std::string& number) {
  static const std::regex definition(
      R"((?:^|[\r\n])[ \t]*(?:(?:public|private)[ \t]+)?sub[ \t]+timerobject(\d{1,9})\b)",
      std::regex::icase);
  for (std::sregex_iterator it(procedures.begin(), procedures.end(), definition), end; it != end;
       ++it) {
    if (std::stoi((*it)[1].str()) == std::stoi(number)) return true;
  }
  return false;
}

}  // namespace

void Checker::CheckProcedures() {
  const std::string path = folders_.ConfigFolder + "Procedures";
  const std::optional<std::filesystem::path> file = Find(path, Where{}, "procedures file", true);
  if (!file) return;
  const PrivateProfile profiles(files_);
  const bool scrambled =
      ValOf(profiles.Read(folders_.ConfigFolder + "More", "General", "ProcEncr", "")) == 1;
  const std::optional<std::string> bytes = ReadFileBytes(*file);
  if (!bytes) {
    Report(Where{Shown(path), 0}, Severity::kError, "cannot read the procedures file");
    return;
  }
  try {
    procedures_ = files_.codec().ToUtf8(
        ProceduresFromBytes(*bytes, scrambled, ProjectNameSum(info_.SettingsSection)));
  } catch (const std::exception& e) {
    Report(Where{Shown(path), 0}, Severity::kError,
           std::string("cannot read the procedures: ") + e.what());
    return;
  }
  if (const auto error = CompileErrorOf(procedures_)) {
    // Three header lines come before the first line of the text.
    Report(Where{Shown(path), error->line + 4}, Severity::kError,
           "the procedures do not compile: " + Describe(*error));
  }
}

void Checker::CheckScript(const std::string& stored, const Where& where, std::string_view what) {
  const std::string text = UnescapeScriptText(stored);
  if (text.empty()) return;
  if (const auto error = CompileErrorOf("Sub StartupProcedure\r\n" + text + "\r\nEnd Sub")) {
    const int scriptLine = std::clamp(error->line - 1, 0, LineCount(text) - 1);
    Report(Where{where.file, where.line + scriptLine}, Severity::kError,
           std::string(what) + " does not compile: " + Describe(*error));
    return;
  }
  CheckObjectTimers(text, where);
}

void Checker::CheckObjectTimers(const std::string& text, const Where& where) {
  static const std::regex use(R"(timerobject\s*\(\s*(\d{1,9})\s*\))", std::regex::icase);
  std::set<std::string> reported;
  for (std::sregex_iterator it(text.begin(), text.end(), use), end; it != end; ++it) {
    const std::string number = (*it)[1].str();
    if (DefinesObjectTimer(procedures_, number) || !reported.insert(number).second) continue;
    const std::string before = text.substr(0, static_cast<size_t>(it->position()));
    Report(Where{where.file, where.line + LineCount(before) - 1}, Severity::kError,
           "object timer " + number + " is used, but the procedures define no Sub TimerObject" +
               number);
  }
}

}  // namespace sw::check
