// Writes AVI files with FFmpeg's encoders: pictures drawn by the caller (Cinepak, MS Video 1
// or Motion JPEG) and 16-bit PCM sound. Tests, benchmarks and the sample game make their
// cut scenes with it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "platform/pixmap.h"

namespace sw::platform {

enum class VideoCodec { kCinepak, kMsVideo1, kMjpeg };

struct VideoFileContent {
  int width = 160;
  int height = 120;
  int fps = 15;
  int frames = 15;
  VideoCodec codec = VideoCodec::kCinepak;
  // Draws picture `index` (0-based) into a pixmap of the video's size.
  std::function<void(int index, Pixmap& picture)> draw;
  // Mono sound at `audio_rate`; none when empty.
  std::vector<std::int16_t> audio;
  int audio_rate = 22050;
  // The encoded pictures are written this many times in a row (a long video made cheaply);
  // each pass starts with a key frame.
  int loops = 1;
};

// False when this machine's FFmpeg has no encoder for the codec.
bool CanEncodeVideo(VideoCodec codec);
// Writes the AVI file; throws std::runtime_error when it cannot.
void EncodeVideoFile(const std::filesystem::path& file, const VideoFileContent& content);

}  // namespace sw::platform
