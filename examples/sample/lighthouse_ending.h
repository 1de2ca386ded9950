// The sample game's ending: the "Dawn" frame that says the game is won, with its own music,
// reached from the lit hut.
#pragma once

#include "authoring/project_writer.h"

namespace sample {

void WriteLighthouseEnding(const sw::ProjectWriter& game);

}  // namespace sample
