#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "authoring/frame_data_writer.h"
#include "automation/script.h"
#include "automation/script_runner.h"
#include "interaction/install.h"
#include "shell_fixture.h"

namespace sw::shell {
namespace {

using testing::ShellGame;

// The way a person plays, driven by an automation script through the real event path.
TEST(AutomationFlow, StartPlayAndQuitBackToTheWelcomeWindow) {
  ShellGame game;
  ASSERT_TRUE(game.Start());
  game.platform.events().SetInputSource(nullptr);
  const platform::Rect start = game.welcome().lblButton[kStartButton]->surface_rect_px();
  const std::filesystem::path dumpFile = game.dir.path() / "dump.json";
  std::ostringstream script;
  script << "click " << start.x + start.w / 2 << " " << start.y + start.h / 2 << "\n"
         << "wait 50\n"
         << "click 10 10 right\n"
         << "key F2\nkey F9\nkey F4\nkey F6\n"
         << "dump " << dumpFile.string() << "\n"
         << "key Q ctrl\n"
         << "dialog-press Yes\n"
         << "wait 300\n";
  auto parsed = automation::ParseScript(script.str());
  ASSERT_TRUE(std::holds_alternative<std::vector<automation::Command>>(parsed));
  std::ostringstream errors;
  automation::ScriptRunner runner(std::get<std::vector<automation::Command>>(parsed), errors);
  game.platform.events().SetInputSource(&runner);
  game.platform.events().Run();
  game.platform.events().SetInputSource(nullptr);
  EXPECT_EQ(errors.str(), "");
  EXPECT_EQ(game.platform.events().exit_code(), 0);

  std::ifstream in(dumpFile);
  const nlohmann::json during = nlohmann::json::parse(in);
  EXPECT_EQ(during["window"], "game");
  EXPECT_EQ(during["frame"], "Hall");
  EXPECT_EQ(during["menus"]["visible"], true);
  EXPECT_EQ(during["menus"]["debug"], true);
  EXPECT_EQ(during["menus"]["items"]["mnuFrameName(1)"]["visible"], true);

  const nlohmann::json after = game.platform.state().Collect();
  EXPECT_EQ(after["window"], "welcome");
  EXPECT_EQ(after["menus"]["visible"], false);
  EXPECT_EQ(game.player->game_shell().unload_count(), 1);
}

// Records where the open dialog's OK button lies (window-surface pixels) and closes it;
// lets time pass while no dialog is open.
class OkFinder : public platform::InputSource {
 public:
  platform::Point ok{-1, -1};
  bool Poll(platform::Platform& platform) override {
    platform::Form* dialog = platform.desktop().top_modal();
    if (dialog == nullptr) {
      platform.virtual_clock()->Advance(10);  // the pause after a click waits for time
      return true;
    }
    const platform::Point origin = platform.desktop().FormOrigin(*dialog);
    for (const auto& element : dialog->elements()) {
      if (element->kind() != platform::ElementKind::kButton) continue;
      const platform::Rect r = element->surface_rect_px();
      ok = {origin.x + r.x + r.w / 2, origin.y + r.y + r.h / 2};
    }
    dialog->EndModal(1);
    return true;
  }
};

// A hotspot acts on the press: its message box opens while the button is still down. The
// release of that click lands on the box's OK button and must leave the box open.
TEST(AutomationFlow, AMessageOpenedByAClickWaitsForItsOwnClick) {
  ShellGame game;
  HotspotSpec everywhere;
  everywhere.Width = 320;
  everywhere.Height = 200;
  WriteHotspots(game.writer(), "Hall", {everywhere});
  ActionSpec locked;
  locked.ShowMessage = true;
  locked.MessageText = "The door is locked.";
  WriteActions(game.writer(), "Hall", {locked});
  game.writer().WriteVariables({"Door"});
  // The shell with the hotspots installed, as the player builds it.
  game.writer().WriteGeneral(game.info);
  game.player = std::make_unique<PlayerShell>(game.platform, game.files, game.settings,
                                              game.project().string());
  std::shared_ptr<Interaction> interaction = InstallInteraction(game.runtime());
  ASSERT_TRUE(game.player->Start());
  game.welcome().ClickButton(kStartButton);
  ASSERT_NE(game.game(), nullptr);

  // Where the box puts its OK button.
  OkFinder finder;
  game.platform.events().SetInputSource(&finder);
  const platform::Rect frame = game.platform.desktop().FrameRect();
  game.ClickAt({frame.x + 10, frame.y + 10});
  for (int i = 0; i < 50; ++i) game.platform.DoEvents();
  game.platform.events().SetInputSource(nullptr);
  ASSERT_EQ(game.messages().size(), 1u);
  ASSERT_TRUE(frame.Contains(finder.ok)) << "the OK button lies over the hotspot";

  std::ostringstream script;
  script << "click " << finder.ok.x - frame.x << " " << finder.ok.y - frame.y << "\n"
         << "wait 200\n"
         << "dialog-press OK\n";
  auto parsed = automation::ParseScript(script.str());
  ASSERT_TRUE(std::holds_alternative<std::vector<automation::Command>>(parsed));
  std::ostringstream errors;
  automation::ScriptRunner runner(std::get<std::vector<automation::Command>>(parsed), errors);
  game.platform.events().SetInputSource(&runner);
  game.platform.events().Run();
  game.platform.events().SetInputSource(nullptr);
  EXPECT_EQ(errors.str(), "");
  EXPECT_EQ(game.platform.events().exit_code(), 0);
  EXPECT_EQ(game.messages().size(), 2u);
}

}  // namespace
}  // namespace sw::shell
