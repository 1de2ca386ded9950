// Writes a pixmap as an uncompressed 24-bit BMP file (the transition's scratch picture).
#pragma once

#include <string>

#include "platform/pixmap.h"

namespace sw::effects {

std::string EncodeBmp(const platform::Pixmap& pixmap);

}  // namespace sw::effects
