// A headless game with the interaction and inventory subsystems installed, recording
// stand-ins for scripts, shell, timed events and transitions, a project writer with helpers
// for items, and mouse input at frame pixels. Virtual time moves `tick_ms` each time the
// event loop finds nothing to do, so slides, pauses and timers run out.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "authoring/frame_data_writer.h"
#include "authoring/inventory_writer.h"
#include "authoring/project_writer.h"
#include "interaction/install.h"
#include "interaction/interaction.h"
#include "interaction/recording_services.h"
#include "inventory/install.h"
#include "inventory/inventory.h"
#include "platform/image.h"
#include "test_support/game_input.h"

namespace sw::testing {

class InventoryFixture : public ::testing::Test {
 protected:
  InventoryFixture() : writer(game.project()) {
    ResetProjectInfo(info);
    info.SettingsSection = "InventoryTest";
    info.Title = "Inventory Game";
    info.StartFrame = "Hall";
    info.FrameWidth = 640;
    info.FrameHeight = 480;
    info.StartAtOnce = true;
    info.RunInWindow = true;
    interaction = InstallInteraction(game.runtime);
    inventory = InstallInventory(game.runtime);
    GameSubsystems& sub = game.runtime.subsystems();
    scripts = Install(sub.scripts, std::make_unique<RecordingScripts>(log));
    shell = Install(sub.shell, std::make_unique<RecordingShell>(log));
    Install(sub.timedEvents, std::make_unique<RecordingTimedEvents>(log));
    Install(sub.transitions, std::make_unique<RecordingTransitions>(log));
    game.platform.events().SetInputSource(&ticks);
  }
  ~InventoryFixture() override { game.platform.events().SetInputSource(nullptr); }

  // A 32 x 32 icon of one colour (0xRRGGBB) and the item file naming it.
  void Item(const std::string& name, uint32_t colour) {
    const std::string icon = name + ".bmp";
    writer.WriteRaw("Areas/" + icon, MakeBmp(32, 32, [colour](int, int) { return colour; }));
    WriteItem(writer, name, icon);
  }
  void Frame(const std::string& name, uint32_t colour = 0x404040) {
    FrameFile f;
    f.FrameBackground = std::to_string(colour);
    writer.WriteFrame(name, f);
  }
  // Writes General and the start frame (unless written already) and starts the game.
  void Start() {
    writer.WriteGeneral(info);
    if (!std::filesystem::exists(game.project() / "Config" / "Variables"))
      writer.WriteVariables({});
    if (!std::filesystem::exists(game.project() / "Frames" / (info.StartFrame + ".fme"))) {
      Frame(info.StartFrame);
    }
    ASSERT_TRUE(game.Start());
    ASSERT_NE(game.runtime.game(), nullptr);
    log.calls.clear();
  }

  GameWindow& window() { return *game.runtime.game(); }
  InventoryItems& items() { return inventory->items; }
  InventoryBar& bar() { return inventory->bar; }
  platform::ImageElement& ItemImage(int k) {
    return window().form().Get<platform::ImageElement>("PickedObject", k);
  }
  std::vector<std::string> Names() { return items().ItemNames(); }
  // Adds items without their pop-up.
  void Hold(const std::vector<std::string>& names) {
    for (const auto& name : names) items().AddPickedObject(name, true);
  }

  void Post(platform::InputEvent::Kind kind, int x, int y, int button = 0) {
    PostAtFrame(game, kind, x, y, button);
  }
  // Moves the pointer to a pixel of the frame; returns when the event (and any slide it
  // started) has run.
  void MoveTo(int x, int y) {
    Post(platform::InputEvent::Kind::kMouseMove, x, y);
    game.platform.DoEvents();
  }
  void Click(int x, int y, int button = platform::kLeftButton) {
    Post(platform::InputEvent::Kind::kMouseMove, x, y);
    Post(platform::InputEvent::Kind::kMouseDown, x, y, button);
    Post(platform::InputEvent::Kind::kMouseUp, x, y, button);
    game.platform.DoEvents();
  }
  // Press at (x1, y1), moves, release at (x2, y2), as the automation's drag does.
  void Drag(int x1, int y1, int x2, int y2) {
    using Kind = platform::InputEvent::Kind;
    Post(Kind::kMouseMove, x1, y1);
    Post(Kind::kMouseDown, x1, y1, platform::kLeftButton);
    for (int i = 1; i <= 4; ++i) {
      Post(Kind::kMouseMove, x1 + (x2 - x1) * i / 4, y1 + (y2 - y1) * i / 4);
    }
    Post(Kind::kMouseUp, x2, y2, platform::kLeftButton);
    game.platform.DoEvents();
  }
  // The centre of item k in frame pixels (the bar must be open to reach it).
  platform::Point ItemCentre(int k) {
    const platform::Rect r = ItemImage(k).surface_rect_px();
    const platform::Rect frame = game.platform.desktop().FrameRect();
    return {r.x + r.w / 2 - frame.x, r.y + r.h / 2 - frame.y};
  }
  // Opens the bar by pointing at its handle (top left corner of the frame).
  void OpenBar() { MoveTo(5, 5); }
  VariableStore& variables() { return interaction->variables(); }
  void Wait(int ms) { RunFor(game, ms); }
  const std::vector<platform::MessageRecord>& messages() { return game.messages(); }

  HeadlessGame game;
  ProjectWriter writer;
  ProjectInfo info;
  DialogsAndTicks ticks;
  CallLog log;
  std::shared_ptr<Interaction> interaction;
  std::shared_ptr<Inventory> inventory;
  RecordingScripts* scripts = nullptr;
  RecordingShell* shell = nullptr;
};

}  // namespace sw::testing
