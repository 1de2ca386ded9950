#include "inventory/inventory.h"

#include <nlohmann/json.hpp>

#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "platform/platform.h"

namespace sw {

Inventory::Inventory(GameRuntime& runtime) : items(*this), bar(*this), runtime_(runtime) {
  dump_ = runtime_.platform().state().Add([this](nlohmann::json& out) {
    auto names = nlohmann::json::array();
    for (const auto& name : items.ItemNames()) names.push_back(runtime_.ForDisplay(name));
    out["inventory"] = names;
    out["inventoryBar"] = bar.Dump();
  });
}

GameWindow* Inventory::Window() {
  return attachment_.Current(runtime_, [this](GameWindow& window) { Attach(window); });
}

void Inventory::Attach(GameWindow& window) {
  items.Attach(window);
  bar.Attach(window);
}

}  // namespace sw
