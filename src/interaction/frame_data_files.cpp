#include "interaction/frame_data_files.h"

#include "core/frames/frame_paths.h"
#include "core/game/game_runtime.h"

namespace sw {

std::string ExistingFrameFile(GameRuntime& runtime, const std::string& frame,
                              const std::string& extension) {
  auto exists = [&runtime](const std::string& p) { return runtime.FileExists(p); };
  std::string path = FrameFilePath(runtime.folders, exists, frame, extension);
  return exists(path) ? path : std::string();
}

std::string MergedOrFrameFile(GameRuntime& runtime, const std::string& frame, char digit) {
  std::string path = ExistingFrameFile(runtime, frame, std::string(".mr") + digit);
  if (path.empty()) path = ExistingFrameFile(runtime, frame, std::string(".fm") + digit);
  return path;
}

}  // namespace sw
