// Frame transitions: the old frame frozen before a frame change, the new one captured once it
// is built, and the animation between them (a cross-fade or one of four slides), paced by the
// clock and in step with the sound fades.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "platform/picture_box.h"

namespace sw {
class GameWindow;
}

namespace sw::effects {

class Effects;

class Transitions {
 public:
  // Transition numbers run from 0 to kTransitionCount; 0 and 1 cross-fade.
  static constexpr int kTransitionCount = 5;
  // The scratch picture of the cross-fade, in the project folder.
  static constexpr const char* kScratchFile = "Temp001.dat";

  explicit Transitions(Effects& owner) : owner_(owner) {}

  void InitTransitionList();
  const std::vector<std::string>& list() const { return list_; }

  void TransitionStep1(int16_t iTransNumber);
  void TransitionStep2(int16_t iTransNumber, double dTransitionDuration);
  // Composes what the frame picture shows now into `PicBox`.
  void CaptureCurrentFrame(platform::PictureBoxElement& PicBox);
  void RenderTransition(int n, platform::PictureBoxElement& where,
                        platform::PictureBoxElement& start, platform::PictureBoxElement& end,
                        double d);

  bool running() const { return running_; }
  // Steps drawn by the last transition.
  int steps() const { return steps_; }

  // {running, lastKind, steps} for the state dump.
  nlohmann::json Dump() const;
  void Attach(GameWindow& window);

  // The three boxes of the game window (nullptr without one).
  platform::PictureBoxElement* picWhere() { return Attached() ? where_ : nullptr; }
  platform::PictureBoxElement* picStart() { return Attached() ? start_ : nullptr; }
  platform::PictureBoxElement* picEnd() { return Attached() ? end_ : nullptr; }

 private:
  bool Attached();
  bool Disabled();
  std::string ScratchPath() const;
  // The animation loop; false when the player interrupted it.
  bool Animate(int n, platform::PictureBoxElement& where, platform::PictureBoxElement& start,
               platform::PictureBoxElement& end, double d);

  Effects& owner_;
  std::vector<std::string> list_;
  bool running_ = false;
  int last_kind_ = -1;
  int steps_ = 0;
  platform::PictureBoxElement* where_ = nullptr;
  platform::PictureBoxElement* start_ = nullptr;
  platform::PictureBoxElement* end_ = nullptr;
};

}  // namespace sw::effects
