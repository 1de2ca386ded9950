// The pixel work of the visual effects on the compositor's ARGB surfaces: the cross-fade mix,
// the wave distortion of the rippling water, and the masked copy that keeps it to the water.
// Each routine is one pass of plain loops over rows, so the compiler can vectorise them.
#pragma once

#include <cstdint>

#include "platform/pixmap.h"

namespace sw::effects {

// out = old × (1 − alpha/255) + fresh × alpha/255 on every colour channel, fully opaque. Works
// on the area the three pixmaps share; alpha 255 gives `fresh` exactly, 0 gives `old`.
void CrossFade(const platform::Pixmap& old, const platform::Pixmap& fresh, std::uint8_t alpha,
               platform::Pixmap& out);

// The shape of a wave distortion: `level` is the largest displacement in pixels, `waves` how
// many wave crests lie across the rectangle, `phase` (radians) moves them, and `angle`
// (degrees) says which way the surface is displaced: 90 shifts rows sideways (water seen
// from the side), 0 shifts columns up and down.
struct WaveShape {
  int level = 0;
  int waves = 4;
  float phase = 0;
  double angle = 90.0;
};

// Draws the top-left `width` × `height` pixels of `src` into `dst`, displaced by the wave.
// Pixels that would come from outside the rectangle repeat its edge.
void WaveDistort(platform::Pixmap& dst, const platform::Pixmap& src, int width, int height,
                 const WaveShape& wave);

// Keeps the distortion only where the mask is dark: dst = (dst OR mask) AND masked, where
// `masked` is the undistorted picture prepared with MergePaint (white wherever the mask is
// dark). Black mask pixels therefore show `dst`, white ones the original picture.
void MaskedCopy(platform::Pixmap& dst, const platform::Pixmap& masked, const platform::Pixmap& mask,
                int width, int height);

// dst = dst OR NOT src on the colour channels (the raster operation MERGEPAINT), opaque.
void MergePaint(platform::Pixmap& dst, const platform::Pixmap& src, int width, int height);

}  // namespace sw::effects
