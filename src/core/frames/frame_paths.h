// Where the files of one frame lie: frame, channel and water files in the frames folder,
// hotspot, text, action and item files in the frames-data folder. Authoring tools of different
// versions disagree, so a file missing from its folder is taken from the other one.
#pragma once

#include <functional>
#include <string>

#include "core/project/folders.h"

namespace sw {

// The folder an extension (".fme", ".fm2" ... any case) normally lies in.
const std::string& FrameFileFolder(const ProjectFolders& folders, const std::string& extension);

// Folder + frame + extension, from the other folder when only that one has the file.
std::string FrameFilePath(const ProjectFolders& folders,
                          const std::function<bool(const std::string&)>& exists,
                          const std::string& frame, const std::string& extension);

}  // namespace sw
