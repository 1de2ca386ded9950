// The runtime's inventory service, backed by the inventory subsystem.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/game/subsystems.h"
#include "inventory/inventory.h"

namespace sw {

class InventoryServiceImpl final : public InventoryService {
 public:
  explicit InventoryServiceImpl(std::shared_ptr<Inventory> owner) : owner_(std::move(owner)) {}
  void UnloadItems() override { owner_->items.UnloadItems(); }
  void LayOutBar() override { owner_->bar.LayOutBar(); }
  void BringItemsToFront() override { owner_->items.BringItemsToFront(); }
  bool Moving() override { return owner_->bar.InventoryMoving; }
  void RemovePickedObject(int index) override {
    owner_->items.RemovePickedObject(static_cast<int16_t>(index));
  }
  void AddPickedObject(const std::string& name, bool silent) override {
    owner_->items.AddPickedObject(name, silent);
  }
  void PickOrNotPickObject(int areaIndex) override {
    owner_->items.PickOrNotPickObject(static_cast<int16_t>(areaIndex));
  }
  std::vector<std::string> ItemNames() override { return owner_->items.ItemNames(); }
  int DraggedItem() override { return owner_->items.DraggedItem; }
  void PointerOverFrame() override { owner_->bar.PointerOverFrame(); }

 private:
  std::shared_ptr<Inventory> owner_;
};

}  // namespace sw
