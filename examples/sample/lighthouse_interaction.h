// The clickable part of the sample game: hotspots, their actions and the frame texts of
// "The Lighthouse".
#pragma once

#include "authoring/project_writer.h"

namespace sample {

// Writes the hotspot, action and text files of the frames Harbour, Sea and Tower. Uses the
// integer variable "LampLit".
void WriteLighthouseInteraction(const sw::ProjectWriter& game);

}  // namespace sample
