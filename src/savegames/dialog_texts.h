// Text between the game and the dialogs' widgets: game text shown, and typed text taken back.
#pragma once

#include <string>

#include "core/game/game_runtime.h"

namespace sw {

inline std::string ToDialog(const GameRuntime& runtime, const std::string& text) {
  return runtime.ForDisplay(text);
}

inline std::string FromDialog(GameRuntime& runtime, const std::string& typed) {
  return runtime.files().codec().FromUtf8(typed);
}

}  // namespace sw
