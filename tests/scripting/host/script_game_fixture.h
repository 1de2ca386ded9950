// A headless game with the real script host and timed events on top of the interaction
// fixture: scripts run against the project's procedures and the game window's timers.
#pragma once

#include "interaction/play_fixture.h"
#include "scripting/host/game_script_host.h"
#include "scripting/host/timed_events.h"

namespace sw::testing {

class ScriptGameFixture : public PlayFixture {
 protected:
  ScriptGameFixture() {
    GameSubsystems& sub = game.runtime.subsystems();
    auto host = std::make_unique<GameScriptHost>(game.runtime);
    host_ = host.get();
    sub.scripts = std::move(host);
    auto events = std::make_unique<TimedEvents>(game.runtime);
    events_ = events.get();
    sub.timedEvents = std::move(events);
    info.SettingsSection = "ScriptGameTest";
    info.StartFrame = "Start";
    Frame("Start");
    Frame("Hall");
    writer.WriteVariables({});  // tests that need variables write their own
  }

  // Runs a script as the debug command does; true when it failed.
  bool Run(const std::string& script) { return host_->ExecuteVBScript(script, true); }
  ActionObject& action() { return host_->action(); }
  platform::Form& form() { return window().form(); }
  platform::TimerElement& TimedEvent(int index) {
    return form().Get<platform::TimerElement>("TimedEvent", index);
  }
  const std::string& FrameName() { return game.runtime.CurrentFrameName; }

  GameScriptHost* host_ = nullptr;
  TimedEvents* events_ = nullptr;
};

}  // namespace sw::testing
