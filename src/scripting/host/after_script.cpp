#include "scripting/host/after_script.h"

#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/subsystems.h"

namespace sw {

namespace {

// The frame request ("last visited frame" resolved through the visited frames), or the timed
// events restarted when the script stays on the frame.
void CarryOutFrameRequest(GameRuntime& runtime, const ScriptRequests& requests) {
  GameSubsystems& sub = runtime.subsystems();
  GameWindow* game = runtime.game();
  const std::string frame = runtime.ResolveFrameTarget(requests.frameToLoad, false);  // 3
  if (frame != requests.frameToLoad) sub.scripts->ResolvedFrameToLoad(frame);
  if (!frame.empty() && game != nullptr) {  // 4
    std::optional<FrameTransition> transition;
    if (requests.transitionDuration != 0) {
      transition = FrameTransition{requests.transitionNumber, requests.transitionDuration};
    }
    game->OpenFrame(frame, transition);
  } else {
    sub.timedEvents->StartTimedEvents();  // 5
  }
}

}  // namespace

bool CarryOutScriptRequests(GameRuntime& runtime) {
  GameSubsystems& sub = runtime.subsystems();
  sub.hotspots->ShowOrNotShowAreas();  // 1
  const ScriptRequests requests = sub.scripts->Requests();
  if (requests.stopGame) {  // 2
    sub.shell->StartUnloading();
    return true;
  }
  CarryOutFrameRequest(runtime, requests);
  return false;
}

}  // namespace sw
