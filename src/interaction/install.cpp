#include "interaction/install.h"

#include "core/game/game_runtime.h"
#include "interaction/interaction.h"
#include "interaction/services.h"
#include "variables/variable_service.h"

namespace sw {

namespace {

// Scripts read where the last hotspot click landed; running a script may reset it.
class ClickPositionImpl final : public ClickPositionService {
 public:
  explicit ClickPositionImpl(std::shared_ptr<Interaction> interaction)
      : interaction_(std::move(interaction)) {}
  void ResetLastClickPosition() override {
    interaction_->actions.LastClickX = 0;
    interaction_->actions.LastClickY = 0;
  }
  int LastClickX() override { return interaction_->actions.LastClickX; }
  int LastClickY() override { return interaction_->actions.LastClickY; }

 private:
  std::shared_ptr<Interaction> interaction_;
};

}  // namespace

std::shared_ptr<Interaction> InstallInteraction(GameRuntime& runtime) {
  auto interaction = std::make_shared<Interaction>(runtime, InstallVariables(runtime));
  GameSubsystems& sub = runtime.subsystems();
  sub.hotspots = std::make_unique<HotspotServiceImpl>(interaction);
  sub.texts = std::make_unique<TextServiceImpl>(interaction);
  sub.pointers = std::make_unique<PointerServiceImpl>(interaction);
  sub.clicks = std::make_unique<ClickPositionImpl>(interaction);
  return interaction;
}

Interaction* FindInteraction(GameRuntime& runtime) {
  auto* service = dynamic_cast<HotspotServiceImpl*>(runtime.subsystems().hotspots.get());
  return service ? &service->interaction() : nullptr;
}

}  // namespace sw
