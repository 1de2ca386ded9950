// Where a frame or an action plays its video: the file, and the rectangle (pixels of the
// frame) it is stretched into, or the cut-scene area it is shown in.
#pragma once

#include <cstdint>
#include <string>

namespace sw {

struct VideoPlacement {
  std::string File;
  bool WithoutPlacement = false;  // natural size, ignoring the rectangle
  bool InFrameArea = false;       // shown in the cut-scene area moved to the rectangle
  int16_t Left = 0;
  int16_t Top = 0;
  int16_t Width = 0;
  int16_t Height = 0;
};

}  // namespace sw
