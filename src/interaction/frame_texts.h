// The text boxes of the current frame: labels of the game window's "Text" array created from
// the frame's texts file, removed at the next frame. Texts carry no actions.
#pragma once

#include <cstdint>

#include <nlohmann/json_fwd.hpp>

namespace sw {

class Interaction;

class FrameTexts {
 public:
  explicit FrameTexts(Interaction& owner) : owner_(owner) {}

  // The index of the first text, other than the file's first, of a frame merged into this
  // one; 1 when there is none.
  int16_t MergedTextStart = 1;

  void LoadTexts();
  void ResetFrameTexts();

  nlohmann::json Dump() const;

 private:
  Interaction& owner_;
};

}  // namespace sw
