#include "core/frames/frame_paths.h"

#include "base/ascii.h"

namespace sw {

const std::string& FrameFileFolder(const ProjectFolders& folders, const std::string& extension) {
  const std::string ext = LowerAscii(extension);
  if (ext == ".fme" || ext == ".chn" || ext == ".rwe" || ext == ".rwm" || ext == ".lks") {
    return folders.FramesFolder;
  }
  return folders.FramesDataFolder;
}

std::string FrameFilePath(const ProjectFolders& folders,
                          const std::function<bool(const std::string&)>& exists,
                          const std::string& frame, const std::string& extension) {
  const std::string& home = FrameFileFolder(folders, extension);
  const std::string preferred = home + frame + extension;
  if (exists(preferred)) return preferred;
  const std::string& other =
      &home == &folders.FramesFolder ? folders.FramesDataFolder : folders.FramesFolder;
  const std::string fallback = other + frame + extension;
  return exists(fallback) ? fallback : preferred;
}

}  // namespace sw
