// Where the window goes and how its picture is scaled into it: pure geometry, so that the
// rules are the same whatever the window system does.
#pragma once

#include <string>

#include "platform/geometry.h"

namespace sw::platform {

// How a picture is enlarged when the window is larger than it.
enum class ScaleMode {
  kSharp,   // whole-number factor with square pixels, the remainder smoothed
  kSmooth,  // linear filtering all the way
  kPixel,   // nearest neighbour all the way
};
// "sharp", "smooth" or "pixel"; false for anything else.
bool ParseScaleMode(const std::string& name, ScaleMode& mode);

// The frame the window system draws around a window, in pixels.
struct Decorations {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The client rectangle of a window showing a `picture`-sized surface: centred in the usable
// desktop area `usable`; when the window with its decorations does not fit there, scaled
// down to fit, keeping the picture's aspect ratio.
Rect PlaceWindow(Point picture, Rect usable, Decorations frame);

// The largest rectangle of the picture's aspect ratio inside `output`, centred (bars on the
// two other sides).
Rect FitPicture(Point picture, Point output);

// How a picture reaches its rectangle on screen.
struct ScalePlan {
  Rect dest;            // where the picture goes, in output pixels
  int factor = 1;       // first enlarged by this whole number with nearest neighbour
  bool linear = false;  // then stretched to `dest` with linear filtering
};
ScalePlan PlanScaling(Point picture, Point output, ScaleMode mode);

// A position in output pixels back to pixels of the picture shown at `dest` (outside the
// picture: beyond its edges, so that nothing is hit there).
Point OutputToPicture(Point output_px, Rect dest, Point picture);

}  // namespace sw::platform
