// The player's version as scripts see it: AppObject's numbers and GetScenewrightVersion's text.
#pragma once

#include <cstdint>
#include <string>

namespace sw {

inline constexpr int16_t kPlayerMajor = 3;
inline constexpr int16_t kPlayerMinor = 3;
inline constexpr int16_t kPlayerRevision = 0;

// "Version 3.3.0".
inline std::string PlayerVersionText() {
  return "Version " + std::to_string(kPlayerMajor) + "." + std::to_string(kPlayerMinor) + "." +
         std::to_string(kPlayerRevision);
}

}  // namespace sw
