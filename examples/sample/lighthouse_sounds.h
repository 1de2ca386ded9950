// The sample game's sounds, made from numbers: surf and wind for the sound channels, a bell
// for the harbour sign, and a tune for the harbour.
#pragma once

#include "authoring/project_writer.h"

namespace sample {

void WriteLighthouseSounds(const sw::ProjectWriter& game);

}  // namespace sample
