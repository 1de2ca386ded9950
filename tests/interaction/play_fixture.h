// A headless game with the interaction subsystem installed, recording stand-ins for the
// subsystems it calls, a project writer, and mouse input at frame pixels. Virtual time moves
// 10 ms each time the event loop finds nothing to do, so pauses and timers run out.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "authoring/frame_data_writer.h"
#include "authoring/project_writer.h"
#include "interaction/install.h"
#include "interaction/interaction.h"
#include "interaction/recording_services.h"
#include "test_support/game_input.h"

namespace sw::testing {

class PlayFixture : public ::testing::Test {
 protected:
  PlayFixture() : writer(game.project()) {
    info.SettingsSection = "InteractionTest";
    info.Title = "Fixture Game";
    info.StartFrame = "Hall";
    info.FrameWidth = 200;
    info.FrameHeight = 150;
    info.StartAtOnce = true;
    info.RunInWindow = true;
    interaction = InstallInteraction(game.runtime);
    GameSubsystems& sub = game.runtime.subsystems();
    sound = Install(sub.sound, std::make_unique<RecordingSound>(log));
    scripts = Install(sub.scripts, std::make_unique<RecordingScripts>(log));
    inventory = Install(sub.inventory, std::make_unique<RecordingInventory>(log));
    shell = Install(sub.shell, std::make_unique<RecordingShell>(log));
    Install(sub.timedEvents, std::make_unique<RecordingTimedEvents>(log));
    Install(sub.video, std::make_unique<RecordingVideo>(log));
    Install(sub.transitions, std::make_unique<RecordingTransitions>(log));
    game.platform.events().SetInputSource(&ticks);
  }
  ~PlayFixture() override { game.platform.events().SetInputSource(nullptr); }

  // A frame with a plain colour background.
  void Frame(const std::string& name, uint32_t colour = 0x404040) {
    FrameFile f;
    f.FrameBackground = std::to_string(colour);
    writer.WriteFrame(name, f);
  }
  // Writes the project's General file and starts the game at its initial frame.
  void Start() {
    writer.WriteGeneral(info);
    ASSERT_TRUE(game.Start());
    log.calls.clear();
  }
  GameWindow& window() { return *game.runtime.game(); }
  VariableStore& variables() { return interaction->variables(); }
  void Open(const std::string& frame) { window().OpenFrame(frame); }

  // A mouse press and release at a pixel of the frame.
  void Click(int x, int y, int button = platform::kLeftButton) { ClickAtFrame(game, x, y, button); }

  // Lets `ms` milliseconds of virtual time pass, one event-loop pass per 10 ms.
  void Wait(int ms) { RunFor(game, ms); }

  const std::vector<platform::MessageRecord>& messages() { return game.messages(); }

  HeadlessGame game;
  ProjectWriter writer;
  ProjectInfo info;
  DialogsAndTicks ticks;
  CallLog log;
  std::shared_ptr<Interaction> interaction;
  RecordingSound* sound = nullptr;
  RecordingScripts* scripts = nullptr;
  RecordingInventory* inventory = nullptr;
  RecordingShell* shell = nullptr;
};

}  // namespace sw::testing
