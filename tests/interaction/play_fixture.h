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
#include "test_support/headless_game.h"

namespace sw::testing {

// Presses Enter in any open dialog; otherwise lets 10 ms pass.
class DialogsAndTicks : public platform::InputSource {
 public:
  bool Poll(platform::Platform& platform) override {
    if (platform.desktop().top_modal() != nullptr) return answers_.Poll(platform);
    platform.virtual_clock()->Advance(10);
    return true;
  }

 private:
  AnswerDialogsWithEnter answers_;
};

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
    auto install = [](auto& slot, auto service) {
      auto* raw = service.get();
      slot = std::move(service);
      return raw;
    };
    sound = install(sub.sound, std::make_unique<RecordingSound>(log));
    scripts = install(sub.scripts, std::make_unique<RecordingScripts>(log));
    inventory = install(sub.inventory, std::make_unique<RecordingInventory>(log));
    shell = install(sub.shell, std::make_unique<RecordingShell>(log));
    install(sub.timedEvents, std::make_unique<RecordingTimedEvents>(log));
    install(sub.video, std::make_unique<RecordingVideo>(log));
    install(sub.transitions, std::make_unique<RecordingTransitions>(log));
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
  void Click(int x, int y, int button = platform::kLeftButton) {
    const platform::Rect frame = game.platform.desktop().FrameRect();
    platform::InputEvent e;
    e.position = {frame.x + x, frame.y + y};
    e.button = button;
    e.kind = platform::InputEvent::Kind::kMouseDown;
    game.platform.events().Post(e);
    e.kind = platform::InputEvent::Kind::kMouseUp;
    game.platform.events().Post(e);
    game.platform.DoEvents();
  }

  // Lets `ms` milliseconds of virtual time pass, one event-loop pass per 10 ms.
  void Wait(int ms) {
    const auto until = game.platform.clock().NowMs() + ms;
    while (game.platform.clock().NowMs() < until) game.platform.DoEvents();
  }

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

// The standard error text with a detail, as the default interface texts build it.
inline std::string StandardError(const std::string& detail) {
  return "An error has occurred. The program may not work properly. Press 'Esc' and the click "
         "'Exit' to quit.\r\n\r\nError description:" +
         detail;
}

}  // namespace sw::testing
