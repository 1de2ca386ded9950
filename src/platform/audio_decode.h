// Decodes a whole audio file with FFmpeg's libraries into interleaved signed 16-bit samples,
// for the formats the mixer cannot read itself (WMA and other container formats).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace sw::platform {

struct PcmFormat {
  int rate = 44100;
  int channels = 2;
};

// Throws AudioError when the file holds no audio FFmpeg can decode, or when its decoded size
// would pass `maxBytes`.
std::vector<std::uint8_t> DecodeAudioFile(const std::filesystem::path& file, PcmFormat format,
                                          std::size_t maxBytes);

}  // namespace sw::platform
