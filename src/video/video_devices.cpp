#include "video/video_devices.h"

#include <nlohmann/json.hpp>

#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "platform/form.h"
#include "platform/platform.h"
#include "platform/timer.h"

namespace sw::video {

namespace {

constexpr const char* kWindowArray = "VideoWindow";
constexpr const char* kTimerName = "TimerVideo";
// Aliases are numbers from 1 to 50; the window array takes them as indices.
constexpr int kMaxWindowIndex = 1000;

int WindowIndex(const std::string& alias) {
  if (alias.empty() || alias.size() > 4) return 0;
  for (char c : alias)
    if (c < '0' || c > '9') return 0;
  const int index = std::stoi(alias);
  return index >= 1 && index < kMaxWindowIndex ? index : 0;
}

}  // namespace

VideoDevices::VideoDevices(GameRuntime& runtime,
                           std::function<std::unique_ptr<platform::AudioStream>()> open_sound)
    : runtime_(runtime), open_sound_(std::move(open_sound)) {}

VideoDevices::~VideoDevices() {
  for (auto& [alias, device] : devices_) Unload(device);
  devices_.clear();
  if (auto timer = timer_.lock()) {
    timer->on.timer = nullptr;
    timer->SetEnabled(false);
  }
}

platform::Form* VideoDevices::GameForm() {
  GameWindow* game = runtime_.game();
  return game != nullptr ? &game->form() : nullptr;
}

platform::TimerElement* VideoDevices::Timer() {
  platform::Form* form = GameForm();
  if (form == nullptr) return nullptr;
  auto timer = std::static_pointer_cast<platform::TimerElement>(timer_.lock());
  if (!timer || form_.lock().get() != form || !timer->loaded()) {
    auto* found = dynamic_cast<platform::TimerElement*>(form->Find(kTimerName));
    platform::TimerElement& t =
        found != nullptr ? *found : form->Add<platform::TimerElement>(kTimerName);
    t.SetInterval(kTickMs);
    t.SetEnabled(false);
    t.on.timer = [this](platform::Element&) { Tick(); };
    timer_ = t.shared_from_this();
    form_ = form->shared_from_this();
    return &t;
  }
  return timer.get();
}

std::shared_ptr<VideoWindow> VideoDevices::NewWindow(const std::string& alias,
                                                     platform::Element& parent) {
  platform::Form* form = parent.form();
  const int index = WindowIndex(alias);
  if (form == nullptr || index == 0) return nullptr;
  if (form->Find(kWindowArray, 0) == nullptr) {
    form->AddArray<VideoWindow>(kWindowArray).SetVisible(false);
  }
  if (form->Find(kWindowArray, index) != nullptr) form->Unload(kWindowArray, index);
  auto& window = form->Load<VideoWindow>(kWindowArray, index);
  form->SetContainer(window, parent);
  window.SetVisible(false);
  // A click on the video asks it to stop, as a click anywhere on the game window does.
  window.on.mouse_down = [this](platform::Element&, const platform::MouseArgs&) {
    runtime_.InterruptMovie();
  };
  return std::static_pointer_cast<VideoWindow>(window.shared_from_this());
}

void VideoDevices::Unload(Device& device) {
  if (!device.playback) return;
  const std::shared_ptr<VideoWindow> window = device.playback->window();
  device.playback.reset();  // stops the decoder and the sound first
  if (window && window->loaded() && window->index() > 0) {
    window->form()->Unload(kWindowArray, window->index());
  }
}

void VideoDevices::Open(const std::string& alias, const std::string& file, const std::string& type,
                        platform::Element* parent) {
  (void)type;  // every type is read by the same decoder; only a video has a window
  if (alias.empty() || InUse(alias) || !FileExists(file)) return;
  std::shared_ptr<VideoWindow> window = parent != nullptr ? NewWindow(alias, *parent) : nullptr;
  platform::Clock& clock = runtime_.platform().clock();
  PlaybackEnvironment environment;
  environment.clock = &clock;
  environment.repeatable = clock.is_virtual();
  if (!environment.repeatable) environment.open_sound = open_sound_;
  Device device;
  device.file = file;
  device.container = parent != nullptr ? parent->DisplayName() : "";
  try {
    device.playback =
        std::make_unique<VideoPlayback>(runtime_.files().Resolve(file), window, environment);
  } catch (const std::exception&) {
    // Not a video that can be played: nothing is opened, and the mode stays empty.
    if (window && window->loaded()) window->form()->Unload(kWindowArray, window->index());
    return;
  }
  devices_[alias] = std::move(device);
}

VideoPlayback* VideoDevices::Find(const std::string& alias) {
  auto it = devices_.find(alias);
  return it == devices_.end() ? nullptr : it->second.playback.get();
}

void VideoDevices::PutWindow(const std::string& alias, int left, int top, int width, int height) {
  if (VideoPlayback* p = Find(alias)) p->PutWindow(left, top, width, height);
}

void VideoDevices::Play(const std::string& alias, bool wait, bool window) {
  VideoPlayback* p = Find(alias);
  if (p == nullptr) return;
  p->Play(window);
  UpdateTimer();
  if (!wait) return;
  platform::Platform& platform = runtime_.platform();
  while (Find(alias) != nullptr && Mode(alias) == "playing" &&
         !platform.events().quit_requested()) {
    platform.DoEvents();
  }
}

void VideoDevices::Pause(const std::string& alias) {
  if (VideoPlayback* p = Find(alias)) p->Pause();
  UpdateTimer();
}

void VideoDevices::Stop(const std::string& alias) {
  if (VideoPlayback* p = Find(alias)) p->Stop();
  UpdateTimer();
}

void VideoDevices::Close(const std::string& alias) {
  auto it = devices_.find(alias);
  if (it == devices_.end()) return;
  Device device = std::move(it->second);
  devices_.erase(it);
  Unload(device);
  UpdateTimer();
}

void VideoDevices::Seek(const std::string& alias, double position) {
  VideoPlayback* p = Find(alias);
  if (p == nullptr) return;
  try {
    p->Seek(static_cast<std::int64_t>(position));
  } catch (const std::exception&) {
    Close(alias);  // the file can no longer be read
  }
  UpdateTimer();
}

double VideoDevices::Length(const std::string& alias) {
  VideoPlayback* p = Find(alias);
  return p != nullptr ? static_cast<double>(p->LengthMs()) : 0;
}

double VideoDevices::Position(const std::string& alias) {
  VideoPlayback* p = Find(alias);
  return p != nullptr ? static_cast<double>(p->PositionMs()) : 0;
}

std::string VideoDevices::Mode(const std::string& alias) {
  VideoPlayback* p = Find(alias);
  return p != nullptr ? p->Mode() : "";
}

bool VideoDevices::FileExists(const std::string& file) {
  return runtime_.FileExists(file);
}

double VideoDevices::SecondsSinceMidnight() {
  return runtime_.platform().clock().SecondsSinceMidnight();
}

void VideoDevices::DoEvents() {
  runtime_.platform().DoEvents();
}

void VideoDevices::Tick() {
  for (auto& [alias, device] : devices_) device.playback->Tick();
  UpdateTimer();
}

void VideoDevices::UpdateTimer() {
  bool playing = false;
  for (auto& [alias, device] : devices_) playing |= device.playback->Mode() == "playing";
  platform::TimerElement* timer = playing ? Timer() : nullptr;
  if (timer != nullptr && !timer->enabled()) timer->SetEnabled(true);
  if (!playing) {
    if (auto t = std::static_pointer_cast<platform::TimerElement>(timer_.lock())) {
      if (t->enabled()) t->SetEnabled(false);
    }
  }
}

std::vector<std::string> VideoDevices::aliases() const {
  std::vector<std::string> out;
  for (const auto& [alias, device] : devices_) out.push_back(alias);
  return out;
}

void VideoDevices::Describe(const std::string& alias, nlohmann::json& out) {
  auto it = devices_.find(alias);
  out["alias"] = alias;
  if (it == devices_.end()) {
    out["file"] = "";
    out["status"] = "";
    out["container"] = "";
    out["rectangle"] = nullptr;
    out["frame"] = -1;
    return;
  }
  const Device& d = it->second;
  // Below the game folder the file is named from there, as the sound players name theirs.
  const std::string& game = runtime_.folders.ProjectFolder;
  const bool inGame = !game.empty() && d.file.compare(0, game.size(), game) == 0;
  out["file"] = inGame ? d.file.substr(game.size()) : d.file;
  out["status"] = d.playback->Mode();
  out["container"] = d.container;
  if (const auto& w = d.playback->window()) {
    const platform::Rect r = w->rect_px();
    out["rectangle"] = {{"left", r.x}, {"top", r.y}, {"width", r.w}, {"height", r.h}};
  } else {
    out["rectangle"] = nullptr;
  }
  out["frame"] = d.playback->shown();
}

}  // namespace sw::video
