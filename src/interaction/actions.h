// Hotspot actions: what a click on a hotspot or an item dropped on it does, carried out from
// the frame's action files; the routing of mouse presses on the frame's picture elements;
// and the last click position that scripts read.
#pragma once

#include <cstdint>
#include <string>

namespace sw::platform {
class Element;
struct MouseArgs;
}  // namespace sw::platform

namespace sw {

class Interaction;
class GameWindow;

class Actions {
 public:
  // What MakeAction did.
  enum Outcome : int16_t { kNothing = 0, kEndGame = 1, kFrameOpened = 2 };
  // How long a hotspot press waits after its action, letting events run.
  static constexpr int kPauseAfterClickMs = 100;

  explicit Actions(Interaction& owner) : owner_(owner) {}

  // Carries out the action of hotspot `areaIndex`, or of item `objectIndex` dropped on it.
  int16_t MakeAction(int16_t areaIndex, int16_t objectIndex);
  // A click (button 1 left, 2 right) on a hotspot.
  void AreaClick(int16_t areaIndex, int button);
  // An element dragged onto hotspot `index` and dropped at (x, y) twips within it.
  void AreaDragDrop(int16_t index, const platform::Element& source, int x, int y);
  // An element dropped on an animated hotspot's picture box at (x, y) twips within it: as a
  // drop on the hotspot with the box's index.
  void AniGifDragDrop(platform::Element& box, const platform::Element& source, int x, int y);
  // A press on an animated hotspot's picture box (its index is the hotspot's): acts as a
  // press on the hotspot, without the pause that follows one.
  void AniGifBoxMouseDown(platform::Element& box, const platform::MouseArgs& args);
  // Remembers a click position given in twips of the frame, as whole pixels (halves to even).
  void SaveClickPos(float left, float top);

  int16_t LastClickX = 0;
  int16_t LastClickY = 0;

  // Gives the game window's picture elements their mouse handlers.
  void AttachHandlers(GameWindow& window);

 private:
  void AreaMouseDown(platform::Element& area, const platform::MouseArgs& args);
  void BackgroundMouseDown(int button);
  // Carries out the dragged item's action on hotspot `index`, dropped at (x, y) twips within
  // `target`.
  void DropItem(int16_t index, const platform::Element& target, int x, int y);
  int16_t Carry(struct ActionRecord& record, int16_t areaIndex, int16_t objectIndex);
  bool FrameChangeFollows(const struct ActionRecord& record);

  Interaction& owner_;
};

}  // namespace sw
