// Remembers the game window a subsystem has given its elements and handlers to, so that it
// attaches them again only when a new game window has been made.
#pragma once

#include <memory>

#include "core/game/game_runtime.h"
#include "core/game/game_window.h"

namespace sw {

class WindowAttachment {
 public:
  // The current game window, or null; calls `attach` once for each new window first.
  template <class Attach>
  GameWindow* Current(GameRuntime& runtime, Attach&& attach) {
    GameWindow* window = runtime.game();
    if (!window) return nullptr;
    std::shared_ptr<platform::Form> form = window->form().shared_from_this();
    if (attached_.lock() != form) {
      attached_ = form;
      attach(*window);
    }
    return window;
  }

 private:
  std::weak_ptr<platform::Form> attached_;
};

}  // namespace sw
