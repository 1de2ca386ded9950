// One order of a hotspot action for a sound channel, as an action record's channel entry
// gives it (the channel table of the sound system).
#pragma once

#include <cstdint>
#include <string>

namespace sw {

struct ChannelOrder {
  int16_t action = 0;  // 0/1 none, 2 play, 3 stop, 4 change the volume
  bool fade = false;
  bool repeat = false;
  double volume = 0;  // 0-10
  std::string file;   // relative to the areas folder
};

}  // namespace sw
