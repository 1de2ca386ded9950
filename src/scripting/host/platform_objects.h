// The platform objects scripts see besides the game's own: "ScreenObject" (the screen),
// "AppObject" (the player program) and "WindowObject" (the game window and its controls).
#pragma once

#include "variant/dispatch.h"

namespace sw {

class GameRuntime;
class GameWindow;
class TextCodec;

// Width and Height in twips, TwipsPerPixelX/Y, and the screen-wide MousePointer.
Ref<Dispatch> MakeScreenObject(GameRuntime& runtime);

// Path, Title, EXEName, Major, Minor, Revision. A game's player used to live in the game's
// own folder, so Path is the project folder (without the trailing separator).
Ref<Dispatch> MakeAppObject(GameRuntime& runtime);

// The game window: Caption, size, BackColor, MousePointer, Refresh, and each control or
// control array by its name (WindowObject.Timer1, WindowObject.TimerObject(2)).
Ref<Dispatch> MakeWindowObject(GameWindow& window, const TextCodec& codec);

}  // namespace sw
