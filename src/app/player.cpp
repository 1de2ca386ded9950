#include "app/player.h"

#include "interaction/install.h"
#include "inventory/install.h"
#include "platform/screen_size.h"
#include "scripting/host/debug_commands.h"
#include "scripting/host/game_script_host.h"
#include "scripting/host/timed_events.h"
#include "shell/player_shell.h"

namespace sw::app {

Player::Player(platform::Platform& platform, const PlayerOptions& options)
    : platform_(platform),
      options_(options),
      files_(options.codepage),
      settings_(UserSettings::DefaultFile(), options.codepage) {}

Player::~Player() = default;

int Player::Start(std::string& reason) {
  // A folder without the project information holds no game: say so on the command line
  // instead of opening a window that can only report it.
  const std::string project = options_.project_dir.string() + "/";
  if (files_.Lookup(project + "Config/General").empty()) {
    reason = "no game in '" + options_.project_dir.string() + "': Config/General is missing";
    return kUsageExit;
  }
  shell::ShellOptions shellOptions;
  const platform::Point desktop = platform::DesktopSizePixels(platform_.headless());
  shellOptions.desktop_width = desktop.x;
  shellOptions.desktop_height = desktop.y;
  shell_ = std::make_unique<shell::PlayerShell>(platform_, files_, settings_,
                                                options_.project_dir.string(), shellOptions);
  GameRuntime& runtime = shell_->runtime();
  interaction_ = InstallInteraction(runtime);
  InstallInventory(runtime);
  runtime.subsystems().scripts = std::make_unique<GameScriptHost>(runtime);
  runtime.subsystems().timedEvents = std::make_unique<TimedEvents>(runtime);
  shell::ShellHooks& hooks = shell_->hooks();
  hooks.execute_vbscript = [&runtime] { ExecuteVBScriptCommand(runtime); };
  hooks.view_variables = [&runtime] { ViewVariablesCommand(runtime); };
  hooks.edit_procedures = [&runtime] { EditProceduresCommand(runtime); };
  platform_.display().SetTitle("Scenewright");
  return shell_->Start() ? -1 : 0;
}

}  // namespace sw::app
