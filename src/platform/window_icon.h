// The player's own window icon, drawn in code: a lantern-lit hill under a night sky.
#pragma once

#include "platform/pixmap.h"

namespace sw::platform {

// A 32 x 32 picture with transparent corners.
Pixmap MakeWindowIcon();

}  // namespace sw::platform
