// The project every benchmark starts from: a fresh temporary folder holding a 640x480 game
// that opens its first frame without the welcome window.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "authoring/project_writer.h"

namespace sw::bench {

// Writes General and Texts into <temp>/swbench-XXXXXX/game and returns the temporary folder.
inline std::filesystem::path NewBenchProject(const std::string& settingsSection,
                                             const std::string& startFrame) {
  std::string pattern = (std::filesystem::temp_directory_path() / "swbench-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  const std::filesystem::path root = pattern;
  ProjectWriter w(root / "game");
  ProjectInfo info;
  ResetProjectInfo(info);
  info.SettingsSection = settingsSection;
  info.StartFrame = startFrame;
  info.FrameWidth = 640;
  info.FrameHeight = 480;
  info.StartAtOnce = true;
  w.WriteGeneral(info);
  w.WriteTexts(1);
  return root;
}

}  // namespace sw::bench
