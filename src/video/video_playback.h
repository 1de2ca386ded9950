// One open video: its decoder, its window and its clock. The sound's clock leads while the
// sound plays; otherwise the event loop's clock does. Each tick shows the picture due.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/audio_stream.h"
#include "platform/clock.h"
#include "platform/video_decoder.h"
#include "video/video_window.h"

namespace sw::video {

struct PlaybackEnvironment {
  platform::Clock* clock = nullptr;
  // Repeatable runs: each tick waits until the picture due has been decoded.
  bool repeatable = false;
  // Opens the stream the sound plays on; none (or a null result) drops the sound.
  std::function<std::unique_ptr<platform::AudioStream>()> open_sound;
};

class VideoPlayback {
 public:
  // Opens the file; throws platform::VideoError. `window` may be null (no picture shown).
  VideoPlayback(std::filesystem::path file, std::shared_ptr<VideoWindow> window,
                PlaybackEnvironment environment);
  ~VideoPlayback();
  VideoPlayback(const VideoPlayback&) = delete;
  VideoPlayback& operator=(const VideoPlayback&) = delete;

  // The video window at the rectangle, in pixels of its container.
  void PutWindow(int left, int top, int width, int height);
  void Play(bool showWindow);
  void Pause();
  void Stop();
  void Seek(std::int64_t ms);

  // "playing", "paused" or "stopped".
  std::string Mode() const;
  std::int64_t LengthMs() const;
  std::int64_t PositionMs() const;
  // Shows the picture due now; a video that reached its end stops.
  void Tick();

  const std::shared_ptr<VideoWindow>& window() const { return window_; }
  // The number of the picture shown (-1 before the first) and of the pictures dropped.
  std::int64_t shown() const { return shown_; }
  std::int64_t dropped() const;
  const platform::VideoInfo& info() const { return decoder_->info(); }
  bool has_sound_stream() const { return static_cast<bool>(sound_); }
  // Milliseconds of sound the device has played, 0 without a sound stream.
  std::int64_t sound_played_ms() const;

 private:
  enum class State { kStopped, kPlaying, kPaused };
  void Restart(std::int64_t ms);
  std::int64_t Now() const { return environment_.clock->NowMs(); }
  // Where playback is: the sound's position while it plays, else the clock's.
  std::int64_t Clock();

  std::filesystem::path file_;
  std::shared_ptr<VideoWindow> window_;
  PlaybackEnvironment environment_;
  std::unique_ptr<platform::AudioStream> sound_;
  std::unique_ptr<platform::VideoDecoder> decoder_;
  State state_ = State::kStopped;
  std::int64_t start_ms_ = 0;     // where the decoder started
  std::int64_t anchor_pos_ = 0;   // a position ...
  std::int64_t anchor_time_ = 0;  // ... and the clock time it was reached at
  std::int64_t position_ = 0;
  std::int64_t shown_ = -1;
  std::int64_t last_due_ = -1;  // when the picture shown was due
};

}  // namespace sw::video
