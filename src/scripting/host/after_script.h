// What the callers of a script do with the requests it left in the Action object: refresh
// the hotspots, end the game, or open the frame it asked for (else restart the timed events).
#pragma once

namespace sw {

class GameRuntime;

// Carries out the requests after a timed event, an object timer or the debug command. Returns
// true when the script asked to end the game (the window has started unloading).
bool CarryOutScriptRequests(GameRuntime& runtime);

}  // namespace sw
