#include "platform/sdl_keys.h"

#include <SDL.h>

#include "platform/input.h"

namespace sw::platform {

int KeyCodeFromSdl(int k) {
  if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
  if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
  if (k >= SDLK_F1 && k <= SDLK_F12) return keys::kF1 + (k - SDLK_F1);
  if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return 97 + (k - SDLK_KP_1);
  switch (k) {
    case SDLK_KP_0:
      return 96;
    case SDLK_BACKSPACE:
      return keys::kBack;
    case SDLK_TAB:
      return keys::kTab;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return keys::kReturn;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return keys::kShift;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return keys::kControl;
    case SDLK_LALT:
    case SDLK_RALT:
      return keys::kMenu;
    case SDLK_PAUSE:
      return 19;
    case SDLK_CAPSLOCK:
      return 20;
    case SDLK_ESCAPE:
      return keys::kEscape;
    case SDLK_SPACE:
      return keys::kSpace;
    case SDLK_PAGEUP:
      return keys::kPageUp;
    case SDLK_PAGEDOWN:
      return keys::kPageDown;
    case SDLK_END:
      return keys::kEnd;
    case SDLK_HOME:
      return keys::kHome;
    case SDLK_LEFT:
      return keys::kLeft;
    case SDLK_UP:
      return keys::kUp;
    case SDLK_RIGHT:
      return keys::kRight;
    case SDLK_DOWN:
      return keys::kDown;
    case SDLK_INSERT:
      return 45;
    case SDLK_DELETE:
      return keys::kDelete;
    case SDLK_KP_MULTIPLY:
      return 106;
    case SDLK_KP_PLUS:
      return 107;
    case SDLK_KP_MINUS:
      return 109;
    case SDLK_KP_PERIOD:
      return 110;
    case SDLK_KP_DIVIDE:
      return 111;
    case SDLK_SEMICOLON:
      return 186;
    case SDLK_EQUALS:
      return 187;
    case SDLK_COMMA:
      return 188;
    case SDLK_MINUS:
      return 189;
    case SDLK_PERIOD:
      return 190;
    case SDLK_SLASH:
      return 191;
    case SDLK_BACKQUOTE:
      return 192;
    case SDLK_LEFTBRACKET:
      return 219;
    case SDLK_BACKSLASH:
      return 220;
    case SDLK_RIGHTBRACKET:
      return 221;
    case SDLK_QUOTE:
      return 222;
    default:
      return 0;
  }
}

int ShiftFromSdl(int mod) {
  return ((mod & KMOD_SHIFT) ? kShiftMask : 0) | ((mod & KMOD_CTRL) ? kCtrlMask : 0) |
         ((mod & KMOD_ALT) ? kAltMask : 0);
}

int KeyCodeFromName(const std::string& name) {
  SDL_Keycode k = SDL_GetKeyFromName(name.c_str());
  if (k == SDLK_UNKNOWN) return 0;
  return KeyCodeFromSdl(k);
}

int KeyCharacter(int key_code, int shift) {
  if (shift & (kCtrlMask | kAltMask)) return 0;
  bool upper = (shift & kShiftMask) != 0;
  if (key_code >= 'A' && key_code <= 'Z') return upper ? key_code : key_code - 'A' + 'a';
  if (key_code >= '0' && key_code <= '9' && !upper) return key_code;
  if (key_code >= 96 && key_code <= 105) return '0' + (key_code - 96);
  switch (key_code) {
    case keys::kSpace:
      return ' ';
    default:
      return 0;
  }
}

}  // namespace sw::platform
