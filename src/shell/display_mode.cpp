#include "shell/display_mode.h"

#include "core/game/game_runtime.h"

namespace sw::shell {

int DisplayModes::SetDisplayMode(int32_t width, int32_t height, bool useSavedRefreshRate) {
  // There is no refresh rate to keep: the monitor stays in the desktop's mode.
  (void)useSavedRefreshRate;
  runtime_.ScreenWidthPixels = width;
  runtime_.ScreenHeightPixels = height;
  return kDisplayChangeSuccessful;
}

bool DisplayModes::ChangeToProjectResolution(int type) {
  int32_t width = 0;
  int32_t height = 0;
  switch (type) {
    case 1:
      width = 640, height = 480;
      break;
    case 2:
      width = 800, height = 600;
      break;
    case 3:
      width = 1024, height = 768;
      break;
    default:
      return false;
  }
  if (runtime_.ScreenWidthPixels == width) return false;
  return SetDisplayMode(width, height, false) == kDisplayChangeSuccessful;
}

bool DisplayModes::RestoreDisplayMode() {
  if (!changed()) return false;
  SetDisplayMode(runtime_.SavedScreenWidth, runtime_.SavedScreenHeight, true);
  return true;
}

bool DisplayModes::changed() const {
  return runtime_.ScreenWidthPixels != runtime_.SavedScreenWidth ||
         runtime_.ScreenHeightPixels != runtime_.SavedScreenHeight;
}

bool IsSmallFonts(int interfaceLineHeightPixels) {
  return interfaceLineHeightPixels <= 16;
}

}  // namespace sw::shell
