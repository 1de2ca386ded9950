// Reads a video file with FFmpeg's libraries on a worker thread: pictures are decoded ahead
// into a short queue, the sound is converted to the mixer's format and fed to an audio
// stream. The event loop takes the picture due at its clock; late pictures are dropped.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>

#include "platform/pixmap.h"

namespace sw::platform {

class AudioStream;

// A file that holds no picture or sound that can be played.
class VideoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A decoded picture and when it is due, in milliseconds from the start of the video.
struct VideoPicture {
  Pixmap pixels;
  std::int64_t due_ms = 0;
  std::int64_t number = 0;  // 0 for the first picture
};

struct VideoInfo {
  int width = 0;  // 0 when the file has no picture that can be shown
  int height = 0;
  std::int64_t length_ms = 0;
  double fps = 0;
  bool has_sound = false;  // a sound track that is fed to the audio stream
};

struct VideoDecoderOptions {
  // Where the sound goes (the caller keeps it alive); without one the sound is dropped.
  AudioStream* sound = nullptr;
  // Pictures decoded ahead; more are allowed while the sound runs short.
  std::size_t max_pictures = 8;
  // Larger pictures are not shown (the sound still plays).
  int max_width = 4096;
  int max_height = 4096;
};

class VideoDecoder {
 public:
  // Opens the file and starts decoding at `start_ms`. Throws VideoError.
  VideoDecoder(const std::filesystem::path& file, VideoDecoderOptions options,
               std::int64_t start_ms = 0);
  ~VideoDecoder();
  VideoDecoder(const VideoDecoder&) = delete;
  VideoDecoder& operator=(const VideoDecoder&) = delete;

  const VideoInfo& info() const { return info_; }
  // The latest picture due at `ms`, if one is new; the pictures before it are dropped. With
  // `wait` it first waits until the worker has decoded past `ms` (repeatable runs).
  std::optional<VideoPicture> PictureAt(std::int64_t ms, bool wait);
  // The whole file has been read and every picture taken.
  bool ended() const;
  // The whole file has been read: every sound sample has been fed.
  bool read_all() const;
  // Pictures dropped because they were late.
  std::int64_t dropped() const;

 private:
  struct Codecs;
  void Run();
  bool MayDecode() const;  // called with the lock held
  void Deliver(VideoPicture picture);
  void FeedSound(const std::int16_t* samples, std::size_t frames);

  VideoDecoderOptions options_;
  VideoInfo info_;
  std::unique_ptr<Codecs> codecs_;
  std::int64_t start_ms_;

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<VideoPicture> pictures_;
  bool done_ = false;
  bool stop_ = false;
  std::int64_t dropped_ = 0;
  std::thread worker_;
};

}  // namespace sw::platform
