// Installs the visual effects into a game runtime's transition, rippling-water and
// animation slots.
#pragma once

#include <memory>

#include "effects/effects.h"

namespace sw::effects {

std::shared_ptr<Effects> InstallEffects(GameRuntime& runtime);

}  // namespace sw::effects
