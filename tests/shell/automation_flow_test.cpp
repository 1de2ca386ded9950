#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "automation/script.h"
#include "automation/script_runner.h"
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

}  // namespace
}  // namespace sw::shell
