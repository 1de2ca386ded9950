// The game's media back end: each alias opens a video playback whose window is a member of
// the game window's "VideoWindow" array inside the container given. One timer of the game
// window shows the pictures as they fall due on the event loop's clock.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include <nlohmann/json_fwd.hpp>

#include "platform/audio_stream.h"
#include "video/media_backend.h"
#include "video/video_playback.h"

namespace sw {
class GameRuntime;
}

namespace sw::platform {
class Form;
class TimerElement;
}  // namespace sw::platform

namespace sw::video {

class VideoDevices final : public MediaBackend {
 public:
  // How often the pictures are looked at, in milliseconds.
  static constexpr int kTickMs = 5;

  // `open_sound` gives the stream a video's sound plays on (null: videos play silent). In
  // runs on the virtual clock the sound is left out, since no device follows that clock.
  VideoDevices(GameRuntime& runtime,
               std::function<std::unique_ptr<platform::AudioStream>()> open_sound);
  ~VideoDevices() override;

  void Open(const std::string& alias, const std::string& file, const std::string& type,
            platform::Element* parent) override;
  void PutWindow(const std::string& alias, int left, int top, int width, int height) override;
  void Play(const std::string& alias, bool wait, bool window) override;
  void Pause(const std::string& alias) override;
  void Stop(const std::string& alias) override;
  void Close(const std::string& alias) override;
  void Seek(const std::string& alias, double position) override;
  double Length(const std::string& alias) override;
  double Position(const std::string& alias) override;
  std::string Mode(const std::string& alias) override;
  bool InUse(const std::string& alias) override { return devices_.count(alias) != 0; }
  bool FileExists(const std::string& file) override;
  double SecondsSinceMidnight() override;
  void DoEvents() override;

  // The playback under `alias`, or nullptr.
  VideoPlayback* Find(const std::string& alias);
  // Every open device, in alias order, as the state dump shows it.
  void Describe(const std::string& alias, nlohmann::json& out);
  std::vector<std::string> aliases() const;
  // Shows the pictures due now (the timer's tick).
  void Tick();

 private:
  struct Device {
    std::string file;
    std::string container;
    std::unique_ptr<VideoPlayback> playback;
  };
  platform::Form* GameForm();
  platform::TimerElement* Timer();
  std::shared_ptr<VideoWindow> NewWindow(const std::string& alias, platform::Element& parent);
  void Unload(Device& device);
  void UpdateTimer();

  GameRuntime& runtime_;
  std::function<std::unique_ptr<platform::AudioStream>()> open_sound_;
  std::map<std::string, Device> devices_;
  std::weak_ptr<platform::Form> form_;
  std::weak_ptr<platform::Element> timer_;
};

}  // namespace sw::video
