#include "platform/screen_size.h"

#include <SDL.h>

namespace sw::platform {

Point DesktopSizePixels(bool headless) {
  constexpr Point kFallback{1024, 768};
  if (headless) return kFallback;
  const bool wasUp = SDL_WasInit(SDL_INIT_VIDEO) != 0;
  if (!wasUp && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return kFallback;
  SDL_DisplayMode mode;
  Point size = kFallback;
  if (SDL_GetDesktopDisplayMode(0, &mode) == 0 && mode.w > 0 && mode.h > 0) {
    size = {mode.w, mode.h};
  }
  if (!wasUp) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return size;
}

}  // namespace sw::platform
