// Encodes mono 16-bit samples into a compressed sound file with FFmpeg's encoders: MP3 (when
// the MP3 encoder is present) and WMA. Tests and benchmarks make their sound files with it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace sw::platform {

enum class AudioFileKind { kMp3, kWma };

// False when this machine's FFmpeg has no encoder for the kind.
bool CanEncodeAudio(AudioFileKind kind);
// Writes the file; throws AudioError when it cannot.
void EncodeAudioFile(const std::filesystem::path& file, AudioFileKind kind,
                     const std::vector<std::int16_t>& samples, int rate);

}  // namespace sw::platform
