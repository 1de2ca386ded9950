// The sample game's cut scene: a storm at the lighthouse, drawn and sounded here from
// numbers. The game writer adds the frame that plays it; a small build tool encodes it.
#pragma once

#include <cstdint>
#include <vector>

#include "authoring/project_writer.h"

namespace sample {

constexpr int kStormWidth = 320;
constexpr int kStormHeight = 240;
constexpr int kStormFps = 15;
constexpr int kStormPictures = 75;  // five seconds
constexpr int kStormRate = 22050;
constexpr const char* kStormFile = "storm.avi";

// Pixel (x, y) of picture `index` as 0xRRGGBB.
uint32_t StormPixel(int index, int x, int y);
// The storm's sound for the whole cut scene: rain, and thunder after each flash.
std::vector<int16_t> StormSound();

// The "Storm" frame, which plays the cut scene and then opens "Sea".
void WriteLighthouseVideo(const sw::ProjectWriter& game);

}  // namespace sample
