// The keeper's hut of "The Lighthouse": two items to pick up, a lantern made of them, and a
// hook to hang it on.
#pragma once

#include "authoring/project_writer.h"

namespace sample {

// Writes the frame "Hut" with its hotspots, texts, pick-ups and item action, the items "Oil",
// "Wick" and "Lantern" with their icons, and the combination of oil and wick. Uses the integer
// variable "HutLit".
void WriteLighthouseInventory(const sw::ProjectWriter& game);

}  // namespace sample
