// The General settings of the small games the end-to-end tests write: a 200 x 150 frame named
// "Start" that opens at once, under a settings section of this process so that concurrent runs
// of the suite keep their parameters apart.
#pragma once

#include <unistd.h>

#include <string>

#include "authoring/project_writer.h"

namespace sw::testing {

inline ProjectInfo SmallGameInfo(const std::string& title, const std::string& section) {
  ProjectInfo info;
  info.Title = title;
  info.SettingsSection = section + std::to_string(getpid());
  info.StartFrame = "Start";
  info.FrameWidth = 200;
  info.FrameHeight = 150;
  info.StartAtOnce = true;
  return info;
}

}  // namespace sw::testing
