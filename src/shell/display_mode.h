// The display modes a game asks for. Linux players never switch the monitor: a "mode" is the
// screen size the game sees, shown full screen and scaled to the real screen with its
// aspect ratio kept; putting the saved mode back leaves the desktop as it was.
#pragma once

#include <cstdint>

namespace sw {
class GameRuntime;
}

namespace sw::shell {

// Result of SetDisplayMode, numbered as the system's mode-change answers.
inline constexpr int kDisplayChangeSuccessful = 0;
inline constexpr int kDisplayChangeRestart = 1;

class DisplayModes {
 public:
  explicit DisplayModes(GameRuntime& runtime) : runtime_(runtime) {}

  // The desktop size is saved by start-up (InitializeProject).
  // Makes width x height the screen the game sees. Always succeeds.
  int SetDisplayMode(int32_t width, int32_t height, bool useSavedRefreshRate);
  // Type 1, 2, 3 = 640 x 480, 800 x 600, 1024 x 768; nothing when the screen already has
  // that width or the type is unknown. True when the mode changed.
  bool ChangeToProjectResolution(int type);
  // Puts the saved mode back when the screen differs from it. True when it did.
  bool RestoreDisplayMode();
  // The game sees a screen of another size than the desktop's.
  bool changed() const;

 private:
  GameRuntime& runtime_;
};

// The large-font check: true when a line of the interface font is at most 16 pixels high.
bool IsSmallFonts(int interfaceLineHeightPixels);

}  // namespace sw::shell
