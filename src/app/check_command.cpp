#include "app/check_command.h"

#include <stdexcept>

#include "check/game_check.h"

namespace sw::app {

int RunCheck(const PlayerOptions& options, std::ostream& out, std::ostream& err) {
  std::vector<check::Finding> findings;
  try {
    findings = check::CheckGame(options.check_dir, options.codepage);
  } catch (const std::invalid_argument&) {
    err << "scenewright: unknown code page '" << options.codepage
        << "' ('iconv -l' lists the names)\n";
    return kUsageExit;
  }
  for (const check::Finding& finding : findings) out << check::FormatFinding(finding) << '\n';
  return check::HasErrors(findings) ? 1 : 0;
}

}  // namespace sw::app
