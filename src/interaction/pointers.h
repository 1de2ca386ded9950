// Mouse pointers: the project's default pointer on the picture elements of the game window,
// and the pointer of the whole screen while a video plays.
#pragma once

#include "platform/picture.h"

namespace sw {

class Interaction;

class Pointers {
 public:
  explicit Pointers(Interaction& owner) : owner_(owner) {}

  // True when the project uses the standard pointer ("" or "default" in any case).
  bool DefaultPointerIsStandard() const;

  void ResetDefaultPointer();
  void SetScreenPointerArrow();
  void SetScreenPointerDefault();

 private:
  Interaction& owner_;
  // The project's pointer picture, given to the screen by ResetDefaultPointer.
  platform::Picture screen_icon_;
};

}  // namespace sw
