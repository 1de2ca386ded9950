#include "scripting/host/after_script.h"

#include "core/game/game_runtime.h"
#include "core/game/game_window.h"

namespace sw {

namespace {

// The frame request ("last visited frame" resolved through the visited frames), or the timed
// events restarted when the script stays on the frame.
void CarryOutFrameRequest(GameRuntime& runtime) {
  GameSubsystems& sub = runtime.subsystems();
  ScriptService& scripts = *sub.scripts;
  std::string frame = scripts.ActionFrameToLoad();
  if (IsLastVisitedFrame(frame, false)) {  // 3
    frame = runtime.FramesHistory.TakeLastVisited().value_or("");
    scripts.SetActionFrameToLoad(frame);
  }
  GameWindow* game = runtime.game();
  if (!frame.empty() && game != nullptr) {  // 4
    const double duration = scripts.ActionTransitionDuration();
    if (duration != 0) {
      const int number = scripts.ActionTransitionNumber();
      sub.transitions->TransitionStep1(number);
      game->OpenFrame(frame, true, number, duration);
    } else {
      game->OpenFrame(frame, false, 0, 0);
    }
  } else {
    sub.timedEvents->StartTimedEvents();  // 5
  }
}

}  // namespace

bool CarryOutScriptRequests(GameRuntime& runtime) {
  GameSubsystems& sub = runtime.subsystems();
  sub.hotspots->ShowOrNotShowAreas();   // 1
  if (sub.scripts->ActionStopGame()) {  // 2
    sub.shell->StartUnloading();
    return true;
  }
  CarryOutFrameRequest(runtime);
  return false;
}

}  // namespace sw
