// The size of the desktop the player's window lies on, in pixels.
#pragma once

#include "platform/geometry.h"

namespace sw::platform {

// The desktop's current mode when a video device is available; otherwise (headless, or no
// display) a 1024 x 768 screen, the largest size games were made for.
Point DesktopSizePixels(bool headless);

}  // namespace sw::platform
