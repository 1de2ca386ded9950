// Input events as the event loop routes them, whether they came from the window or a script.
#pragma once

#include <string>

#include "platform/geometry.h"

namespace sw::platform {

// Mouse buttons as the game's handlers number them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// Shift state bits as the game's handlers receive them.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// Key codes (virtual-key numbers) that the widgets and the game test for.
namespace keys {
inline constexpr int kBack = 8;
inline constexpr int kTab = 9;
inline constexpr int kReturn = 13;
inline constexpr int kShift = 16;
inline constexpr int kControl = 17;
inline constexpr int kMenu = 18;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kPageUp = 33;
inline constexpr int kPageDown = 34;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kDelete = 46;
inline constexpr int kF1 = 112;
}  // namespace keys

struct InputEvent {
  // kClose: the window's close box (or Alt+F4). kQuit: the program is asked to end (an
  // interrupt signal, the session ending, the automation's quit).
  enum class Kind { kMouseMove, kMouseDown, kMouseUp, kKeyDown, kKeyUp, kText, kClose, kQuit };
  Kind kind = Kind::kMouseMove;
  Point position;    // mouse events: pixels of the window surface
  int button = 0;    // mouse down / up
  int key_code = 0;  // key events
  int shift = 0;     // mouse and key events
  std::string text;  // kText: UTF-8 characters typed
  // Where it happened: 0 = the main window (or a script), otherwise the dialog window that
  // Desktop numbered so (positions are then pixels of that dialog).
  int window = 0;
};

// The key code of an SDL key name ("Escape", "F2", "L", "Return"), or 0 when unknown.
int KeyCodeFromName(const std::string& name);
// The character a key types with the given shift state, or 0 (letters, digits, space, and
// the control characters Return, Escape, Backspace, Tab).
int KeyCharacter(int key_code, int shift);

}  // namespace sw::platform
