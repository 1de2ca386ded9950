#include "inventory/install.h"

#include "core/game/game_runtime.h"
#include "inventory/services.h"

namespace sw {

std::shared_ptr<Inventory> InstallInventory(GameRuntime& runtime) {
  auto inventory = std::make_shared<Inventory>(runtime);
  runtime.subsystems().inventory = std::make_unique<InventoryServiceImpl>(inventory);
  return inventory;
}

}  // namespace sw
