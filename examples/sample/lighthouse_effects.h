// The sample game's visual effects: the cove with rippling water and a gull that flaps its
// wings, and paths out of it that slide and fade between frames.
#pragma once

#include "authoring/project_writer.h"

namespace sample {

// Writes the cove and the frames around it.
void WriteLighthouseEffects(const sw::ProjectWriter& game);
// Makes a frame's timer lead to the cove with a cross-fade.
void LeadToTheCove(sw::FrameFile& frame);

}  // namespace sample
