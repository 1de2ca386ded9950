// The rippling water of a picture frame: a rectangle of the frame picture, limited by a mask,
// redrawn every 50 ms with a moving wave.
#pragma once

#include <cstdint>
#include <string>

#include <nlohmann/json_fwd.hpp>

#include "effects/effect_clock.h"
#include "platform/geometry.h"
#include "platform/pixmap.h"

namespace sw {
class GameWindow;
}

namespace sw::effects {

class Effects;

class RipplingWater {
 public:
  // The wave arguments of every drawing: four crests across the rectangle, displaced sideways.
  static constexpr int kWaves = 4;
  static constexpr double kAngle = 90.0;

  explicit RipplingWater(Effects& owner);

  // Starts the effect of `frame` when its settings and mask files exist; true when it runs.
  bool LoadWaveEffectIfAny(const std::string& frame);
  // One tick of TimerRipplingWater.
  void TimerRipplingWater();
  // The effect clock's restart (at the start of the effect and when effects come back on).
  void StartTiming() { clock_.Restart(); }
  // False while a tick draws.
  bool tick_finished() const { return tick_finished_; }
  bool active() const { return active_; }
  void Deactivate() { active_ = false; }
  // The phase of a drawing at `elapsedMs` of the effect clock.
  float Phase(std::int64_t elapsedMs) const;

  // {active, rectangle, phase, level, speed, reverse} for the state dump.
  nlohmann::json Dump() const;
  void Attach(GameWindow& window);

 private:
  void Draw();

  Effects& owner_;
  EffectClock clock_;
  bool active_ = false;
  bool tick_finished_ = true;
  int16_t level_ = 0;
  int16_t speed_ = 0;
  bool reverse_ = false;
  platform::Rect rect_;  // pixels of the frame picture
  float phase_ = 0;
  platform::Pixmap original_;  // PicOriginal
  platform::Pixmap masked_;    // PicMasked
  platform::Pixmap mask_;      // PicMask
};

}  // namespace sw::effects
