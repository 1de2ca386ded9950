// The interaction subsystem of a running game: hotspots, frame texts, message boxes, mouse
// pointers and hotspot actions, attached to the controls of the game window.
#pragma once

#include <memory>

#include "core/game/window_attachment.h"
#include "interaction/actions.h"
#include "interaction/frame_texts.h"
#include "interaction/hotspots.h"
#include "interaction/message_boxes.h"
#include "interaction/pointers.h"
#include "platform/state_dump.h"
#include "variables/variable_store.h"

namespace sw::platform {
class Form;
}

namespace sw {

class GameRuntime;
class GameWindow;

class Interaction {
 public:
  Interaction(GameRuntime& runtime, std::shared_ptr<VariableStore> variables);
  Interaction(const Interaction&) = delete;
  Interaction& operator=(const Interaction&) = delete;

  GameRuntime& runtime() { return runtime_; }
  VariableStore& variables() { return *variables_; }

  // The game window, its hotspot and text arrays made and its handlers attached the first
  // time it is seen; nullptr while no game window is loaded.
  GameWindow* Window();

  Hotspots hotspots;
  FrameTexts texts;
  MessageBoxes messages;
  Pointers pointers;
  Actions actions;

 private:
  void Attach(GameWindow& window);

  GameRuntime& runtime_;
  std::shared_ptr<VariableStore> variables_;
  WindowAttachment attachment_;
  platform::StateDump::Registration dump_;
};

}  // namespace sw
