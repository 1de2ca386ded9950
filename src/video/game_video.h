// The video service of the game: PlayMovieWithStop in the frame picture or the cut-scene
// area, the status the waiting loops read, stopping and closing, and the "video" part of the
// state dump. Everything goes through the one multimedia wrapper of the run.
#pragma once

#include <memory>
#include <string>

#include "core/game/subsystems.h"
#include "platform/state_dump.h"
#include "video/media_backend.h"
#include "video/mmedia.h"

namespace sw {
class GameRuntime;
}

namespace sw::video {

class VideoDevices;

class GameVideo final : public VideoService {
 public:
  // `devices` is the back end the wrapper drives (the game's, or a test's); when it is the
  // game's, `described` lets the state dump show its devices.
  GameVideo(GameRuntime& runtime, std::unique_ptr<MediaBackend> backend, VideoDevices* described);
  ~GameVideo() override;

  void Stop() override;
  void Close() override;
  std::string Status() override;
  void PlayMovieWithStop(const std::string& path, bool inCutSceneArea, bool placed, int left,
                         int top, int width, int height) override;

  Mmedia& mmedia() { return mmedia_; }

 private:
  GameRuntime& runtime_;
  std::unique_ptr<MediaBackend> backend_;
  VideoDevices* devices_;
  Mmedia mmedia_;
  platform::StateDump::Registration dump_;
};

}  // namespace sw::video
