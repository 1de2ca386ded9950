// Mmedia: the multimedia wrapper. One object for the whole run opens files under an alias,
// plays, pauses, stops, seeks, reports length, position and mode, closes, and plays a video
// as a window inside a container. Failures of the back end are never reported.
#pragma once

#include <cstdint>
#include <string>

#include "video/media_backend.h"

namespace sw::video {

class Mmedia {
 public:
  explicit Mmedia(MediaBackend& backend) : backend_(backend) {}

  void mmOpen(const std::string& sthefile);
  void mmOpenWave(const std::string& sthefile);
  void mmClose();
  void mmPause();
  void mmPlay();
  void mmStop();
  void mmSeek(float nPosition);

  const std::string& FileName() const { return file_name_; }
  void SetFileName(const std::string& sthefile) { mmOpen(sthefile); }
  bool Wait() const { return wait_; }
  void SetWait(bool bWaitValue) { wait_ = bWaitValue; }
  float Length();
  float Position();
  void SetPosition(float nPosition) { mmSeek(nPosition); }
  std::string Status();

  // Stops and closes the current alias (without forgetting it), then lets window events
  // run once so the video window goes at once.
  void StopMovie();
  // Opens `file` under a new random alias as a window of `where`, placed at the rectangle
  // (pixels) when `bStretched`, and starts it. A missing file or any failure does nothing.
  void PlayMovie(const std::string& file, platform::Element* where, bool bStretched,
                 std::int32_t lLeft, std::int32_t lTop, std::int32_t lWidth, std::int32_t lHeight);

  const std::string& alias() const { return alias_; }

 private:
  void OpenAudio(const std::string& file, const std::string& type);
  std::string RandomAlias();

  MediaBackend& backend_;
  std::string alias_;
  std::string file_name_;
  bool wait_ = false;
};

}  // namespace sw::video
