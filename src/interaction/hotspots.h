// The hotspots of the current frame: loaded from the frame's hotspot file as elements of the
// game window's "Area" array, removed at the next frame, and shown or hidden by the
// disappeared list and the variable conditions of each hotspot.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include <nlohmann/json_fwd.hpp>

namespace sw::platform {
class ImageElement;
class Element;
}  // namespace sw::platform

namespace sw {

class Interaction;

class Hotspots {
 public:
  explicit Hotspots(Interaction& owner) : owner_(owner) {}

  // The number of the first hotspot, other than hotspot 1, of a frame merged into this one;
  // 1 when there is none.
  int16_t MergedHotspotStart = 1;

  void LoadAreas();
  void ResetFrameAreas();
  void ShowOrNotShowAreas();

  // Hotspot i's element, or nullptr when it is not loaded.
  platform::ImageElement* Area(int index) const;
  // The animation index of hotspot i (above 0 for an animated hotspot), else 0.
  int AnimationIndex(int index) const;

  // Gives an element the pointer of a hotspot: the file in the icons folder, or the
  // project's default pointer for "" and "default".
  void ApplyHotspotPointer(platform::Element& element, const std::string& pointerFile);

  nlohmann::json Dump() const;

 private:
  void LoadOneArea(class ValueReader& reader, int index, bool& recordDone);

  Interaction& owner_;
  std::map<int, int> animation_index_;  // hotspot -> animation (WhatsThisHelpID)
};

}  // namespace sw
