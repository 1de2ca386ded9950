#include "video/install.h"

#include "core/game/game_runtime.h"
#include "video/game_video.h"
#include "video/video_devices.h"

namespace sw::video {

GameVideo& InstallVideo(GameRuntime& runtime,
                        std::function<std::unique_ptr<platform::AudioStream>()> open_sound) {
  auto devices = std::make_unique<VideoDevices>(runtime, std::move(open_sound));
  VideoDevices* described = devices.get();
  auto service = std::make_unique<GameVideo>(runtime, std::move(devices), described);
  GameVideo& video = *service;
  runtime.subsystems().video = std::move(service);
  return video;
}

GameVideo& InstallVideoBackend(GameRuntime& runtime, std::unique_ptr<MediaBackend> backend) {
  auto service = std::make_unique<GameVideo>(runtime, std::move(backend), nullptr);
  GameVideo& video = *service;
  runtime.subsystems().video = std::move(service);
  return video;
}

}  // namespace sw::video
