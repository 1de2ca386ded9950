#include "video/game_video.h"

#include <nlohmann/json.hpp>

#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/step_errors.h"
#include "platform/platform.h"
#include "video/video_devices.h"

namespace sw::video {

GameVideo::GameVideo(GameRuntime& runtime, std::unique_ptr<MediaBackend> backend,
                     VideoDevices* described)
    : runtime_(runtime), backend_(std::move(backend)), devices_(described), mmedia_(*backend_) {
  dump_ = runtime_.platform().state().Add([this](nlohmann::json& out) {
    nlohmann::json video = nlohmann::json::object();
    if (devices_ != nullptr) {
      devices_->Describe(mmedia_.alias(), video);
      nlohmann::json all = nlohmann::json::array();
      for (const std::string& alias : devices_->aliases()) {
        nlohmann::json one = nlohmann::json::object();
        devices_->Describe(alias, one);
        all.push_back(std::move(one));
      }
      video["devices"] = std::move(all);
    } else {
      video["alias"] = mmedia_.alias();
      video["status"] = mmedia_.Status();
    }
    out["video"] = std::move(video);
  });
}

GameVideo::~GameVideo() = default;

void GameVideo::Stop() {
  mmedia_.StopMovie();
}

void GameVideo::Close() {
  mmedia_.mmClose();
}

std::string GameVideo::Status() {
  return mmedia_.Status();
}

void GameVideo::PlayMovieWithStop(const std::string& path, bool inCutSceneArea, bool placed,
                                  int left, int top, int width, int height) {
  GameWindow* window = runtime_.game();
  if (window == nullptr) return;
  try {
    // The game window is the video's parent: it has to be on screen.
    if (!window->form().visible()) window->form().Show();
    platform::Element& where = inCutSceneArea
                                   ? static_cast<platform::Element&>(window->CutSceneArea)
                                   : static_cast<platform::Element&>(window->PictureBox);
    if (placed) {
      mmedia_.PlayMovie(path, &where, true, left, top, width, height);
    } else {
      mmedia_.PlayMovie(path, &where, false, 0, 0, 0, 0);
    }
  } catch (const std::exception& e) {
    runtime_.ShowStandardError(" Unable to play video. " + ErrorDescription(e));
    return;
  }
  runtime_.StopMovie = false;
}

}  // namespace sw::video
