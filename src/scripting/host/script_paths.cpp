#include "scripting/host/script_paths.h"

#include "core/game/game_runtime.h"
#include "platform/system/confined_path.h"

namespace sw {

std::string CompleteProjectPath(const GameRuntime& runtime, const std::string& name) {
  return CompleteGamePath(runtime.folders.ProjectFolder, name);
}

}  // namespace sw
