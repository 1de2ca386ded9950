// Test videos made with FFmpeg's encoders: every picture one flat colour, so that a lossy
// codec keeps them apart, and a steady tone for the sound.
#pragma once

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/video_encode.h"

namespace sw::testing {

// The colour of picture `index` (0xAARRGGBB).
inline platform::Argb PictureColour(int index) {
  static const platform::Argb kColours[] = {0xFFE02020u, 0xFF20E020u, 0xFF2020E0u, 0xFFE0E020u,
                                            0xFF20E0E0u, 0xFFE020E0u, 0xFFF0F0F0u, 0xFF808080u};
  return kColours[index % 8];
}

// True when two colours differ by at most `tolerance` in each channel.
inline bool Near(platform::Argb a, platform::Argb b, int tolerance = 40) {
  for (int shift : {0, 8, 16}) {
    const int x = static_cast<int>((a >> shift) & 0xFF);
    const int y = static_cast<int>((b >> shift) & 0xFF);
    if (std::abs(x - y) > tolerance) return false;
  }
  return true;
}

struct TestVideo {
  int width = 64;
  int height = 48;
  int fps = 10;
  int frames = 10;
  platform::VideoCodec codec = platform::VideoCodec::kCinepak;
  bool sound = true;
  int loops = 1;
};

inline void WriteTestVideo(const std::filesystem::path& file, const TestVideo& v) {
  std::filesystem::create_directories(file.parent_path());
  platform::VideoFileContent content;
  content.width = v.width;
  content.height = v.height;
  content.fps = v.fps;
  content.frames = v.frames;
  content.codec = v.codec;
  content.loops = v.loops;
  content.draw = [](int index, platform::Pixmap& p) { p.Fill(PictureColour(index)); };
  if (v.sound) {
    content.audio_rate = 22050;
    const std::size_t n = static_cast<std::size_t>(content.audio_rate) * v.frames * v.loops / v.fps;
    content.audio.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
      content.audio[i] =
          static_cast<std::int16_t>(8000 * std::sin(i * 2 * 3.14159265 * 440 / 22050));
    }
  }
  platform::EncodeVideoFile(file, content);
}

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace sw::testing
