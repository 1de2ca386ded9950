// Translation between SDL key codes and the key codes the game's handlers receive.
#pragma once

namespace sw::platform {

// SDL_Keycode (as int) to key code, or 0.
int KeyCodeFromSdl(int sdl_key);
// SDL modifier bits to the handlers' shift state.
int ShiftFromSdl(int sdl_mod);

}  // namespace sw::platform
