#include "scripting/host/script_paths.h"

#include "core/game/game_runtime.h"

namespace sw {

std::string CompleteProjectPath(const GameRuntime& runtime, const std::string& name) {
  return name.find('\\') == std::string::npos ? runtime.folders.ProjectFolder + name : name;
}

bool IsInsideFolder(const std::filesystem::path& path, const std::filesystem::path& folder) {
  // Symbolic links are followed, so a link inside the game cannot lead a write elsewhere.
  std::error_code ignored;
  const std::string p =
      std::filesystem::weakly_canonical(std::filesystem::absolute(path), ignored).string();
  std::string f =
      std::filesystem::weakly_canonical(std::filesystem::absolute(folder), ignored).string();
  if (!f.empty() && f.back() != '/') f += '/';
  return p.compare(0, f.size(), f) == 0;
}

}  // namespace sw
