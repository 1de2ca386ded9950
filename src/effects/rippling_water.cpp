#include "effects/rippling_water.h"

#include <cmath>

#include <nlohmann/json.hpp>

#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/step_errors.h"
#include "core/valuefile/value_reader.h"
#include "effects/effects.h"
#include "effects/pixel_effects.h"
#include "platform/platform.h"

namespace sw::effects {

using platform::kTwipsPerPixel;
using platform::Pixmap;

namespace {

// A copy of `r` of `from`; parts outside it stay black.
Pixmap CopyRect(const Pixmap& from, platform::Rect r) {
  Pixmap out(r.w, r.h, 0xFF000000u);
  const platform::Rect inside = r.Intersect(from.bounds());
  if (!inside.empty()) {
    out.CopyFrom(from, inside, {inside.x - r.x, inside.y - r.y});
  }
  return out;
}

}  // namespace

RipplingWater::RipplingWater(Effects& owner)
    : owner_(owner), clock_(owner.runtime().platform().clock()) {}

void RipplingWater::Attach(GameWindow& window) {
  window.TimerRipplingWater.on.timer = [this](platform::Element&) { TimerRipplingWater(); };
}

float RipplingWater::Phase(std::int64_t elapsedMs) const {
  const double s = reverse_ ? -1.0 : 1.0;
  const double base = (speed_ + 2) / 10.0;
  return static_cast<float>(s * std::pow(base, 4) / 300.0 * static_cast<double>(elapsedMs));
}

bool RipplingWater::LoadWaveEffectIfAny(const std::string& frame) {
  GameRuntime& rt = owner_.runtime();
  active_ = false;
  reverse_ = false;
  GameWindow* window = owner_.Window();
  if (!window) return false;
  const std::string settings = rt.folders.FramesFolder + frame + ".rwe";
  const std::string maskFile = rt.folders.FramesFolder + frame + ".rwm";
  if (!rt.FileExists(settings) || !rt.FileExists(maskFile)) return false;
  try {
    int16_t left = 0, top = 0, width = 0, height = 0;
    {
      ValueReader reader = ValueReader::FromFile(rt.files().Resolve(settings), rt.files().codec());
      for (int i = 0; i < 6; ++i) reader.Skip();
      left = reader.ReadInteger();
      top = reader.ReadInteger();
      width = reader.ReadInteger();
      height = reader.ReadInteger();
      level_ = reader.ReadInteger();
      speed_ = reader.ReadInteger();
      if (!reader.AtEnd()) reverse_ = reader.ReadBoolean();
    }
    // A rectangle of no size cannot be placed, as the window refuses such a size.
    if (width <= 0 || height <= 0) throw VbError(vberr::kInvalidPropertyValue);
    // Only the part on the frame picture can ripple: the rest is cut off, which also keeps
    // the off-screen images no larger than the frame.
    const Pixmap& frameImage = window->PictureBox.surface();
    const platform::Rect rect =
        platform::Rect{left, top, width, height}.Intersect(frameImage.bounds());
    if (rect.empty()) return false;
    platform::PictureBoxElement& water = window->PicRipplingWater;
    water.Move(rect.x * kTwipsPerPixel, rect.y * kTwipsPerPixel, rect.w * kTwipsPerPixel,
               rect.h * kTwipsPerPixel);
    platform::Picture maskPicture;
    try {
      maskPicture = rt.LoadPicture(maskFile);
    } catch (const std::exception&) {
      return false;  // an unreadable mask leaves the effect off, without a message
    }
    if (maskPicture.empty()) return false;
    rect_ = rect;
    // The mask is drawn at the rectangle's size, stretched when the file has another size.
    mask_ = Pixmap(rect.w, rect.h, 0xFFFFFFFFu);
    mask_.BlitScaled(maskPicture.pixels(), mask_.bounds(), mask_.bounds());
    original_ = CopyRect(frameImage, rect);
    masked_ = original_;
    MergePaint(masked_, mask_, rect.w, rect.h);
    water.SetBackColor(0);
    water.surface().CopyFrom(original_, original_.bounds(), {0, 0});
    clock_.Restart();
    Draw();
    active_ = true;
    water.SetVisible(true);
    window->TimerRipplingWater.SetEnabled(true);
    return true;
  } catch (const std::exception& e) {
    active_ = false;
    window->TimerRipplingWater.SetEnabled(false);
    rt.ShowStandardError(" Error initializing the Rippling Water effect. " + ErrorDescription(e));
    return false;
  }
}

void RipplingWater::Draw() {
  GameWindow* window = owner_.runtime().game();
  if (!window) return;
  platform::PictureBoxElement& water = window->PicRipplingWater;
  const int w = water.width() / kTwipsPerPixel;
  const int h = water.height() / kTwipsPerPixel;
  phase_ = Phase(clock_.ElapsedMs());
  Pixmap& target = water.surface();
  WaveDistort(target, original_, w, h, {level_, kWaves, phase_, kAngle});
  MaskedCopy(target, masked_, mask_, w, h);
  water.Invalidate();
}

void RipplingWater::TimerRipplingWater() {
  GameRuntime& rt = owner_.runtime();
  GameWindow* window = owner_.Window();
  if (!window) return;
  platform::TimerElement& timer = window->TimerRipplingWater;
  if (rt.StopRequested) {
    timer.SetEnabled(false);
    return;
  }
  try {
    if (timer.enabled() && active_) {
      tick_finished_ = false;
      Draw();
      window->form().client().SetMousePointer(platform::MousePointer::kDefault);
    }
    if (!active_) timer.SetEnabled(false);
  } catch (const std::exception& e) {
    active_ = false;
    timer.SetEnabled(false);
    tick_finished_ = true;
    rt.ShowStandardError(" Error rendering rippling water. " + ErrorDescription(e));
  }
  tick_finished_ = true;
}

nlohmann::json RipplingWater::Dump() const {
  return {
      {"active", active_},
      {"rectangle", {{"left", rect_.x}, {"top", rect_.y}, {"width", rect_.w}, {"height", rect_.h}}},
      {"phase", phase_},
      {"level", level_},
      {"speed", speed_},
      {"reverse", reverse_}};
}

}  // namespace sw::effects
