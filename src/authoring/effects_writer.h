// Writes the files of the visual effects: a frame's rippling-water settings (".rwe") and
// mask (".rwm"), and animated GIF pictures for hotspots, all drawn by the caller.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "authoring/project_writer.h"

namespace sw {

struct RipplingWaterSpec {
  int16_t Left = 0;  // the water rectangle on the frame picture, pixels
  int16_t Top = 0;
  int16_t Width = 0;
  int16_t Height = 0;
  int16_t WaveLevel = 3;
  int16_t WaveSpeed = 3;
  std::optional<bool> Reverse;  // written only when set, as older editors left it out
};

// Writes Frames/<frame>.rwe. The mask goes beside it as Frames/<frame>.rwm (a picture of
// the rectangle's size: black where the water moves, white where the picture stays still),
// for instance with WriteRaw and MakeBmp.
void WriteRipplingWater(const ProjectWriter& project, const std::string& frame,
                        const RipplingWaterSpec& water);

// One image of an animated GIF: `pixel(x, y)` gives 0x00RRGGBB, or kGifTransparent.
struct GifImage {
  std::function<uint32_t(int, int)> pixel;
  int delay_cs = 10;  // hundredths of a second
  // 1 leaves the image in place for the next one; 2 clears its area to the background.
  int disposal = 1;
};
inline constexpr uint32_t kGifTransparent = 0xFF000000u;

// An animated GIF of the given size that loops for ever. Each image uses at most 255 colours
// (further colours map to the nearest one already used); transparency takes index 255.
std::string MakeAnimatedGif(int width, int height, const std::vector<GifImage>& images);

}  // namespace sw
