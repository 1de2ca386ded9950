// The visual effects subsystem: frame transitions, the rippling water and the animated
// hotspot pictures of the game window, and the "Disable Real-Time Effects" option.
#pragma once

#include "core/game/window_attachment.h"
#include "effects/animations.h"
#include "effects/rippling_water.h"
#include "effects/transitions.h"
#include "platform/state_dump.h"

namespace sw {
class GameRuntime;
class GameWindow;
}  // namespace sw

namespace sw::effects {

class Effects {
  // Declared first: the parts below reach the runtime while they are made.
  GameRuntime& runtime_;

 public:
  // How long turning effects off waits for a rippling-water tick that is drawing.
  static constexpr int kTickWaitMs = 5000;

  explicit Effects(GameRuntime& runtime);
  Effects(const Effects&) = delete;
  Effects& operator=(const Effects&) = delete;

  GameRuntime& runtime() { return runtime_; }
  // The game window with the effects' elements and handlers, or nullptr.
  GameWindow* Window();

  // The Options menu's "Disable Real-Time Effects": inverts the check mark, saves it, and
  // stops or starts the rippling water.
  void EnableOrDisableEffects();

  Transitions transitions;
  RipplingWater water;
  Animations animations;

 private:
  void Attach(GameWindow& window);

  WindowAttachment attachment_;
  platform::StateDump::Registration dump_;
};

}  // namespace sw::effects
