#include "interaction/install.h"

#include "core/game/game_runtime.h"
#include "interaction/interaction.h"
#include "interaction/services.h"
#include "variables/variable_service.h"

namespace sw {

std::shared_ptr<Interaction> InstallInteraction(GameRuntime& runtime) {
  auto variables = std::make_shared<VariableStore>(runtime);
  auto interaction = std::make_shared<Interaction>(runtime, variables);
  GameSubsystems& sub = runtime.subsystems();
  sub.variables = std::make_unique<VariableServiceImpl>(variables);
  sub.hotspots = std::make_unique<HotspotServiceImpl>(interaction);
  sub.clicks = std::make_unique<ClickPositionServiceImpl>(interaction);
  sub.texts = std::make_unique<TextServiceImpl>(interaction);
  sub.messages = std::make_unique<MessageServiceImpl>(interaction);
  sub.pointers = std::make_unique<PointerServiceImpl>(interaction);
  return interaction;
}

}  // namespace sw
