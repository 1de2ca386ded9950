// A headless game with the interaction and effects subsystems installed, a sound service that
// records the fade steps, frames of plain colours or pictures, and screenshots taken at chosen
// virtual-clock times while a transition runs.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "effects/effects.h"
#include "effects/install.h"
#include "interaction/play_fixture.h"
#include "platform/platform.h"

namespace sw::testing {

// Records every StepAudioFade progress value.
class FadeRecorder final : public SoundService {
 public:
  std::vector<double> steps;
  void StepAudioFade(double progress) override { steps.push_back(progress); }
};

// Lets 10 ms pass at each poll and takes a screenshot when the clock shows a wanted time
// (milliseconds since `origin`); optionally presses the mouse at a wanted time.
class TimedShots : public platform::InputSource {
 public:
  bool Poll(platform::Platform& platform) override {
    const std::int64_t t = platform.clock().NowMs() - origin;
    if (onPoll) onPoll();
    if (wanted.count(t) && !shots.count(t)) shots[t] = platform.Screenshot();
    if (pressAt && t == *pressAt) {
      pressAt.reset();
      const platform::Rect frame = platform.desktop().FrameRect();
      platform::InputEvent e;
      e.position = {frame.x + pressPoint.x, frame.y + pressPoint.y};
      e.button = platform::kLeftButton;
      e.kind = platform::InputEvent::Kind::kMouseDown;
      platform.events().Post(e);
      e.kind = platform::InputEvent::Kind::kMouseUp;
      platform.events().Post(e);
      return true;
    }
    platform.virtual_clock()->Advance(10);
    return true;
  }
  std::int64_t origin = 0;
  std::set<std::int64_t> wanted;
  std::map<std::int64_t, platform::Pixmap> shots;
  std::function<void()> onPoll;
  std::optional<std::int64_t> pressAt;
  platform::Point pressPoint;
};

class EffectsFixture : public PlayFixture {
 protected:
  EffectsFixture() {
    auto recorder = std::make_unique<FadeRecorder>();
    fades = recorder.get();
    game.runtime.subsystems().sound = std::move(recorder);
    effects = effects::InstallEffects(game.runtime);
  }

  // A frame of one colour (0x00RRGGBB).
  void ColourFrame(const std::string& name, uint32_t rgb) {
    FrameFile f;
    f.FrameKind = 0;
    const uint32_t bgr = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
    f.FrameBackground = std::to_string(bgr);
    writer.WriteFrame(name, f);
  }
  // A frame showing a picture of the frame's size.
  void PictureFrame(const std::string& name, const std::function<uint32_t(int, int)>& pixel) {
    writer.WriteRaw("Frames/" + name + ".bmp", MakeBmp(info.FrameWidth, info.FrameHeight, pixel));
    FrameFile f;
    f.FrameKind = 1;
    f.FrameBackground = name + ".bmp";
    writer.WriteFrame(name, f);
  }

  // Opens a frame with a transition, taking the wanted screenshots on the way.
  void OpenWith(const std::string& frame, int number, double seconds) {
    shots.origin = game.platform.clock().NowMs();
    game.platform.events().SetInputSource(&shots);
    window().OpenFrame(frame, FrameTransition{number, seconds});
    game.platform.events().SetInputSource(&ticks);
  }

  platform::Argb FramePixel(int x, int y) { return game.platform.Screenshot().Pixel(x, y); }
  std::filesystem::path Scratch() { return game.project() / "Temp001.dat"; }
  effects::Transitions& transitions() { return effects->transitions; }
  nlohmann::json Dump() { return game.platform.state().Collect(); }

  FadeRecorder* fades = nullptr;
  std::shared_ptr<effects::Effects> effects;
  TimedShots shots;
};

// The red, green and blue parts of a pixel.
inline int Red(platform::Argb p) {
  return (p >> 16) & 0xFF;
}
inline int Green(platform::Argb p) {
  return (p >> 8) & 0xFF;
}
inline int Blue(platform::Argb p) {
  return p & 0xFF;
}

}  // namespace sw::testing
