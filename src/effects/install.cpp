#include "effects/install.h"

#include "core/game/game_runtime.h"
#include "effects/services.h"

namespace sw::effects {

std::shared_ptr<Effects> InstallEffects(GameRuntime& runtime) {
  auto effects = std::make_shared<Effects>(runtime);
  GameSubsystems& sub = runtime.subsystems();
  sub.transitions = std::make_unique<TransitionServiceImpl>(effects);
  sub.water = std::make_unique<RipplingWaterServiceImpl>(effects);
  sub.animations = std::make_unique<AnimationServiceImpl>(effects);
  return effects;
}

}  // namespace sw::effects
