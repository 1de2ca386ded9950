// The inventory bar: the panel Inventory1 hanging above the frame, its handle Inventory2 and
// optional background Inventory_Background; the slide that opens and closes it as the pointer
// moves between the inventory and the frame; the pop-up after a pick-up and its timer.
#pragma once

#include <cstdint>
#include <tuple>

#include <nlohmann/json_fwd.hpp>

#include "platform/picture.h"

namespace sw::platform {
class ImageElement;
}

namespace sw {

class Inventory;
class GameWindow;

class InventoryBar {
 public:
  // A full slide takes this long, however fast the event loop turns.
  static constexpr double kSlideSeconds = 0.3;
  // The step of the slide is measured again every this many passes.
  static constexpr int kPassesPerMeasure = 5;
  // Where the pointer is.
  enum Zone : int16_t { kNowhere = 0, kOverInventory = 1, kOverFrame = 2 };

  explicit InventoryBar(Inventory& owner) : owner_(owner) {}

  int16_t PointerZone = kNowhere;
  bool InventoryMoving = false;
  bool InventoryPoppedOpen = false;

  // Slides the panel towards what PointerZone asks for, letting events run on each pass, and
  // returns when it is there.
  void Inventory_Move();
  // The pointer moved over the inventory (panel, background, handle, an item) or the frame.
  void PointerOverInventory();
  void PointerOverFrame();
  // Opens the panel after a pick-up and starts the timer that closes it again.
  void PopUp();
  void TimerInventoryTimer();
  // Sets up the panel's pictures: the project's own when it has them.
  void Load_InventoryBackground();
  // The bar of a new game: the empty panel closed above the frame (or no bar at all).
  void LayOutBar();
  // Puts the background at the bottom of the panel when it shows.
  void PlaceBackground(GameWindow& window);

  platform::ImageElement* Background(GameWindow& window);
  nlohmann::json Dump();

  void Attach(GameWindow& window);

 private:
  Inventory& owner_;
  // The built-in panel picture and the sizes it was drawn for.
  platform::Picture panel_picture_;
  std::tuple<int, int, int, int> panel_picture_size_{-1, -1, -1, -1};
};

}  // namespace sw
