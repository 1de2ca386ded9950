// Tells whether a sound or video file holds something the player can decode, without playing
// it: for checking a game folder before anyone plays it.
#pragma once

#include <filesystem>
#include <string>

namespace sw::platform {

enum class MediaKind { kSound, kVideo };

// Empty when the file holds decodable media of that kind (MIDI counts as sound); otherwise a
// short reason ("not a media file", "no video in the file" ...).
std::string ProbeMediaFile(const std::filesystem::path& file, MediaKind kind);

}  // namespace sw::platform
