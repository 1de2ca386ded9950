// The player's own logo: a ribbon hanging from the welcome window's top edge, in two colour
// variants and two widths (the narrow one for the usual place, the wide one for the place
// a scheme may choose).
#pragma once

#include "platform/picture.h"

namespace sw::shell {

// Variant k = (1 for the light colours, else 0) + (2 for the wide ribbon, else 0).
platform::Picture MakeLogoPicture(int k);

// The colours of a logo variant, for whoever checks the drawing.
struct LogoColours {
  platform::Argb ribbon;
  platform::Argb emblem;
};
LogoColours LogoColoursOf(int k);

}  // namespace sw::shell
