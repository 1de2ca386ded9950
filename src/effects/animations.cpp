#include "effects/animations.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/step_errors.h"
#include "effects/effects.h"
#include "platform/platform.h"
#include "platform/timer.h"

namespace sw::effects {

using platform::ImageElement;
using platform::PictureBoxElement;

namespace {

constexpr const char* kClockName = "AniGifClock";
// The shortest time an image shows, so that a file of zero delays cannot spin.
constexpr int kShortestDelayMs = 10;

}  // namespace

PictureBoxElement* Animations::AniGifBox(int index) const {
  GameWindow* window = owner_.runtime().game();
  if (!window || index < 1) return nullptr;
  return dynamic_cast<PictureBoxElement*>(window->form().Find("AniGifBox", index));
}

ImageElement* Animations::AniGif(int index) const {
  GameWindow* window = owner_.runtime().game();
  if (!window || index < 1) return nullptr;
  return dynamic_cast<ImageElement*>(window->form().Find("AniGif", index));
}

void Animations::Attach(GameWindow& window) {
  platform::Form& form = window.form();
  if (!form.Find(kClockName)) {
    auto& clock = form.Add<platform::TimerElement>(kClockName);
    clock.SetInterval(kClockInterval);
    clock.SetEnabled(false);
    clock.on.timer = [this](platform::Element&) { Update(); };
  }
}

int16_t Animations::AniGifNewWithIndex(int16_t NewIndex, const std::string& FileName, int X, int Y,
                                       int16_t Speed) {
  if (FileName.empty() || NewIndex <= 0) return 0;
  GameWindow* window = owner_.Window();
  if (!window) return 0;
  platform::Form& form = window->form();
  auto& box = form.Load<PictureBoxElement>("AniGifBox", NewIndex);
  auto& picture = form.Load<ImageElement>("AniGif", NewIndex);
  form.SetContainer(picture, box);
  box.Move(X, Y, 0, 0);
  box.ZOrder(0);
  AniGifUpdate(NewIndex, FileName, Speed);
  return NewIndex;
}

void Animations::AniGifUpdate(int16_t index, const std::string& FileName, int16_t Speed) {
  GameRuntime& rt = owner_.runtime();
  if (rt.StopRequested) return;
  GameWindow* window = owner_.Window();
  if (!window) return;
  try {
    if (FileName.empty()) {
      playing_.erase(index);
      platform::Form& form = window->form();
      if (form.Find("AniGif", index)) form.Unload("AniGif", index);
      if (form.Find("AniGifBox", index)) form.Unload("AniGifBox", index);
      UpdateClock();
      return;
    }
    if (!rt.FileExists(FileName)) return;  // silently: the box stays empty
    ImageElement* picture = AniGif(index);
    PictureBoxElement* box = AniGifBox(index);
    if (!picture || !box) throw VbError(vberr::kControlArrayElementMissing);
    Playing p;
    p.file = FileName;
    p.picture = platform::DecodeAnimatedPicture(rt.files().Resolve(FileName));
    p.speed = Speed >= 1 ? Speed : kDefaultSpeed;
    Playing& stored = playing_[index] = std::move(p);
    picture->Move(0, 0, picture->width(), picture->height());
    Start(index);
    picture->SetVisible(true);
    box->Move(box->left(), box->top(), platform::PixelsToTwips(stored.picture.width),
              platform::PixelsToTwips(stored.picture.height));
  } catch (const std::exception&) {
    playing_.erase(index);
    UpdateClock();
    rt.ShowStandardError(" Unable to load '" + FileName + "'.");
  }
}

int Animations::DelayMs(const Playing& p, std::size_t image) const {
  const int delay = p.picture.images[image].delay_ms;
  // Speed 50 plays the file's own delays; a higher speed plays faster.
  const long long scaled = static_cast<long long>(delay) * kDefaultSpeed / std::max(1, p.speed);
  return static_cast<int>(std::clamp<long long>(scaled, kShortestDelayMs, 3600 * 1000));
}

void Animations::Show(int index, Playing& p) {
  ImageElement* picture = AniGif(index);
  if (!picture || p.picture.empty()) return;
  const platform::Picture& shown = p.picture.images[p.image].picture;
  if (!(picture->picture() == shown)) picture->SetPicture(shown);
}

void Animations::Stop(int index) {
  auto it = playing_.find(index);
  if (it == playing_.end()) return;
  it->second.running = false;
  it->second.image = 0;
  Show(index, it->second);
  UpdateClock();
}

void Animations::Start(int index) {
  auto it = playing_.find(index);
  if (it == playing_.end() || it->second.picture.empty()) return;
  Playing& p = it->second;
  p.running = true;
  p.image = 0;
  p.due_ms = owner_.runtime().platform().clock().NowMs() + DelayMs(p, 0);
  Show(index, p);
  UpdateClock();
}

void Animations::SetAnimationVisible(int index, bool visible) {
  PictureBoxElement* box = AniGifBox(index);
  if (!box) return;
  GameRuntime& rt = owner_.runtime();
  if (box->visible() && !visible) {
    Stop(index);
    rt.platform().DoEvents();
  } else if (!box->visible() && visible) {
    Stop(index);
    rt.platform().DoEvents();
    Start(index);
    rt.platform().DoEvents();
  }
  box->SetVisible(visible);
}

void Animations::RestartVisible() {
  for (auto& [index, p] : playing_) {
    PictureBoxElement* box = AniGifBox(index);
    if (box && box->visible()) {
      Stop(index);
      Start(index);
    }
  }
}

void Animations::UnloadAnimations() {
  GameWindow* window = owner_.runtime().game();
  playing_.clear();
  if (!window) return;
  platform::Form& form = window->form();
  StepRunner steps;
  for (int k = form.UBound("AniGif"); k >= 1; k = form.UBound("AniGif")) {
    if (PictureBoxElement* box = AniGifBox(k)) box->SetVisible(false);
    if (!steps.Run([&] { form.Unload("AniGif", k); })) break;
  }
  for (int k = form.UBound("AniGifBox"); k >= 1; k = form.UBound("AniGifBox")) {
    if (!steps.Run([&] { form.Unload("AniGifBox", k); })) break;
  }
  UpdateClock();
}

platform::Picture Animations::FirstImage(int index) const {
  auto it = playing_.find(index);
  if (it == playing_.end() || it->second.picture.empty()) return {};
  return it->second.picture.images.front().picture;
}

void Animations::Update() {
  const std::int64_t now = owner_.runtime().platform().clock().NowMs();
  for (auto& [index, p] : playing_) {
    if (!p.running || p.picture.images.size() < 2 || now < p.due_ms) continue;
    // Catches up image by image; after a long pause it goes on from the image due now
    // without drawing the ones in between.
    const std::size_t count = p.picture.images.size();
    for (std::size_t guard = 0; now >= p.due_ms && guard <= count; ++guard) {
      p.image = (p.image + 1) % count;
      p.due_ms += DelayMs(p, p.image);
    }
    if (now >= p.due_ms) p.due_ms = now + DelayMs(p, p.image);
    Show(index, p);
  }
}

void Animations::UpdateClock() {
  GameWindow* window = owner_.runtime().game();
  if (!window) return;
  auto* clock = dynamic_cast<platform::TimerElement*>(window->form().Find(kClockName));
  if (!clock) return;
  const bool any = std::any_of(playing_.begin(), playing_.end(),
                               [](const auto& entry) { return entry.second.running; });
  if (clock->enabled() != any) clock->SetEnabled(any);
}

nlohmann::json Animations::Dump() const {
  auto out = nlohmann::json::array();
  for (const auto& [index, p] : playing_) {
    PictureBoxElement* box = AniGifBox(index);
    out.push_back({{"index", index},
                   {"image", p.image},
                   {"images", p.picture.images.size()},
                   {"running", p.running},
                   {"visible", box != nullptr && box->visible()}});
  }
  return out;
}

}  // namespace sw::effects
