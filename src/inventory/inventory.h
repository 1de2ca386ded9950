// The inventory subsystem of a running game: the items held (the PickedObject control array)
// and the bar that slides down over the frame, attached to the controls of the game window.
#pragma once

#include <memory>

#include "core/game/window_attachment.h"
#include "inventory/bar.h"
#include "inventory/items.h"
#include "platform/state_dump.h"

namespace sw::platform {
class Form;
}

namespace sw {

class GameRuntime;
class GameWindow;

class Inventory {
 public:
  explicit Inventory(GameRuntime& runtime);
  Inventory(const Inventory&) = delete;
  Inventory& operator=(const Inventory&) = delete;

  GameRuntime& runtime() { return runtime_; }

  // The game window, its inventory controls made and their handlers attached the first time
  // it is seen; nullptr while no game window is loaded.
  GameWindow* Window();

  InventoryItems items;
  InventoryBar bar;

 private:
  void Attach(GameWindow& window);

  GameRuntime& runtime_;
  WindowAttachment attachment_;
  platform::StateDump::Registration dump_;
};

}  // namespace sw
