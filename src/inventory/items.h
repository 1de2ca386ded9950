// Inventory items: picking up, removing and combining items, the frame's pick-up records, and
// the mouse on an item (press to drag it, move to open the bar). Items are the members 1 to
// ObjectsCount of the game window's PickedObject array, in the order they were picked up.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sw::platform {
class Element;
struct MouseArgs;
}  // namespace sw::platform

namespace sw {

class Inventory;
class GameWindow;
class InventoryLayout;

class InventoryItems {
 public:
  explicit InventoryItems(Inventory& owner) : owner_(owner) {}

  // Adds the item named `name` (its file AreasFolder + name + ".obj" names the icon) at the
  // end; unless `doNotPopup`, the bar pops open for a while. A failure shows the operation's
  // message and leaves the inventory as it was.
  void AddPickedObject(const std::string& name, bool doNotPopup);
  // Removes item `index` (1-based) and closes the gap.
  void RemovePickedObject(int16_t index);
  // Picks up the item of hotspot `areaIndex` when the frame's pick-up file says so.
  void PickOrNotPickObject(int16_t areaIndex);
  // Item `DraggedItem` dropped on item `index`: the two combine when a combination file
  // exists for them.
  void PickedObjectDragDrop(int16_t index, const platform::Element& source);
  // The press on an item: menus, and with the left button the item starts being dragged.
  void PickedObjectMouseDown(platform::Element& item, const platform::MouseArgs& args);

  // Forgets every item (the reset of the game).
  void UnloadItems();
  // Brings the items to the front, then the handle and the panel (after a frame opens).
  void BringItemsToFront();
  // The stored names (tags) of the items, in order.
  std::vector<std::string> ItemNames() const;

  int16_t ObjectsCount = 0;
  // The item being dragged (0 before any drag).
  int16_t DraggedItem = 0;

  void Attach(GameWindow& window);

 private:
  // After a change of the item count: the panel's height and its background's place.
  void FitPanel(GameWindow& window);
  // What a combination script asked for: end the game, or open a frame, else restart the
  // timed events.
  void CarryOutScriptRequests();

  Inventory& owner_;
};

}  // namespace sw
