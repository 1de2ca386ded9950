#include "effects/effects.h"

#include <nlohmann/json.hpp>

#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "platform/platform.h"

namespace sw::effects {

Effects::Effects(GameRuntime& runtime)
    : runtime_(runtime), transitions(*this), water(*this), animations(*this) {
  dump_ = runtime_.platform().state().Add([this](nlohmann::json& out) {
    out["transition"] = transitions.Dump();
    out["ripple"] = water.Dump();
    out["animations"] = animations.Dump();
  });
}

GameWindow* Effects::Window() {
  return attachment_.Current(runtime_, [this](GameWindow& window) { Attach(window); });
}

void Effects::Attach(GameWindow& window) {
  transitions.Attach(window);
  water.Attach(window);
  animations.Attach(window);
}

void Effects::EnableOrDisableEffects() {
  GameWindow* window = Window();
  if (!window) return;
  // Errors are ignored: the option changes as far as it can.
  try {
    platform::MenuItem& item = window->form().menu().Get("mnuDisableEffects");
    item.SetChecked(!item.checked());
    const bool disabled = item.checked();
    try {
      runtime_.SaveSetting("DisableEffects", disabled ? "True" : "False");
    } catch (const std::exception&) {
    }
    if (disabled) {
      if (window->TimerRipplingWater.enabled()) {
        window->TimerRipplingWater.SetEnabled(false);
        platform::Clock& clock = runtime_.platform().clock();
        const auto start = clock.NowMs();
        while (!water.tick_finished() && clock.NowMs() - start < kTickWaitMs &&
               !runtime_.platform().events().quit_requested()) {
          runtime_.platform().DoEvents();
        }
      }
      water.Deactivate();
      window->PicRipplingWater.SetVisible(false);
    } else {
      if (runtime_.FrameKind == 1 && !runtime_.FrameTiled) {
        water.LoadWaveEffectIfAny(runtime_.CurrentFrameName);
      }
      if (water.active()) {
        water.StartTiming();
        window->TimerRipplingWater.SetEnabled(true);
      }
    }
  } catch (const std::exception&) {
  }
}

}  // namespace sw::effects
