#include "app/player.h"

#include "core/game/subsystems.h"
#include "discs/multi_cd.h"
#include "discs/services.h"
#include "effects/install.h"
#include "interaction/interaction.h"
#include "interaction/services.h"
#include "inventory/inventory.h"
#include "inventory/services.h"
#include "media/game_sound.h"
#include "media/install.h"
#include "platform/audio_mixer.h"
#include "platform/screen_size.h"
#include "platform/system/file_io.h"
#include "platform/system/user_dirs.h"
#include "savegames/saved_games.h"
#include "scripting/host/debug_commands.h"
#include "scripting/host/game_script_host.h"
#include "scripting/host/timed_events.h"
#include "shell/player_shell.h"
#include "variables/variable_service.h"
#include "variables/variables_viewer.h"
#include "video/install.h"

namespace sw::app {

namespace {

// Fills every service slot of the runtime. A slot given its base class is a subsystem not
// built yet: the game behaves as one without that feature.
std::shared_ptr<Interaction> InstallServices(GameRuntime& runtime,
                                             const std::shared_ptr<SavedGames>& savedGames,
                                             const PlayerOptions& options) {
  auto variables = std::make_shared<VariableStore>(runtime);
  auto interaction = std::make_shared<Interaction>(runtime, variables);
  GameSubsystems& sub = runtime.subsystems();
  sub.hotspots = std::make_unique<HotspotServiceImpl>(interaction);
  sub.variables = std::make_unique<VariableServiceImpl>(variables);
  sub.clicks = std::make_unique<ClickPositionServiceImpl>(interaction);
  sub.texts = std::make_unique<TextServiceImpl>(interaction);
  sub.messages = std::make_unique<MessageServiceImpl>(interaction);
  auto sound = media::CreateSound(runtime);
  // Video sound plays through the same mixer as the sound channels.
  auto mixer = std::static_pointer_cast<platform::AudioMixer>(sound->backend);
  sub.sound = std::move(sound);
  video::InstallVideo(runtime, [mixer] { return mixer->OpenStream(); });
  sub.timedEvents = std::make_unique<TimedEvents>(runtime);
  auto scripts = std::make_unique<GameScriptHost>(runtime);
  scripts->SetLocaleChoice({options.locale, options.environment_locale});
  sub.scripts = std::move(scripts);
  sub.inventory = std::make_unique<InventoryServiceImpl>(std::make_shared<Inventory>(runtime));
  sub.savedGames = std::make_unique<SavedGamesServiceImpl>(savedGames);
  sub.pointers = std::make_unique<PointerServiceImpl>(interaction);
  sub.discs = std::make_unique<DiscServiceImpl>(std::make_shared<MultiCD>(runtime));
  // sub.shell and sub.welcome are the player shell's own windows, installed with it.
  return interaction;
}

// Temporary files that an interrupted write of an earlier run left behind: in the settings
// folder, the game folder and the game's folders one level below it (its INI files).
void RemoveStaleTemporaryFilesOfOurs(const std::filesystem::path& game,
                                     const std::filesystem::path& settings) {
  RemoveStaleTemporaryFiles(settings);
  RemoveStaleTemporaryFiles(UserDataDir());
  RemoveStaleTemporaryFiles(game);
  std::error_code ec;
  int folders = 0;
  for (std::filesystem::directory_iterator it(game, ec), end; !ec && it != end && folders < 256;
       it.increment(ec)) {
    if (it->is_directory(ec) && !it->is_symlink(ec)) {
      ++folders;
      RemoveStaleTemporaryFiles(it->path());
    }
  }
}

}  // namespace

Player::Player(platform::Platform& platform, const PlayerOptions& options)
    : platform_(platform),
      options_(options),
      files_(options.codepage),
      settings_(UserSettings::DefaultFile()) {}

Player::~Player() = default;

int Player::Start(std::string& reason) {
  // A folder without the project information holds no game: say so on the command line
  // instead of opening a window that can only report it.
  const std::string project = options_.project_dir.string() + "/";
  if (files_.Lookup(project + "Config/General").empty()) {
    reason = options_.project_named
                 ? "no game in '" + options_.project_dir.string() + "': Config/General is missing"
                 : "no game named: give the game's folder, as in 'scenewright ~/games/my-game'"
                   " (see --help)";
    return kUsageExit;
  }
  RemoveStaleTemporaryFilesOfOurs(options_.project_dir, settings_.file().parent_path());
  shell::ShellOptions shellOptions;
  const platform::Point desktop = platform::DesktopSizePixels(platform_.headless());
  shellOptions.desktop_width = desktop.x;
  shellOptions.desktop_height = desktop.y;
  shell_ = std::make_unique<shell::PlayerShell>(platform_, files_, settings_,
                                                options_.project_dir.string(), shellOptions);
  GameRuntime& runtime = shell_->runtime();
  savedGames_ = std::make_shared<SavedGames>(runtime);
  interaction_ = InstallServices(runtime, savedGames_, options_);
  effects_ = effects::InstallEffects(runtime);
  shell::ShellHooks& hooks = shell_->hooks();
  hooks.save_game = [this] { savedGames_->MenuSaveGame(); };
  hooks.load_game = [this] { savedGames_->LoadCommand(); };
  hooks.execute_vbscript = [&runtime] { ExecuteVBScriptCommand(runtime); };
  hooks.view_variables = [this, &runtime] {
    ViewVariablesStatus(runtime, interaction_->variables());
  };
  hooks.edit_procedures = [&runtime] { EditProceduresCommand(runtime); };
  hooks.toggle_effects = [this] { effects_->EnableOrDisableEffects(); };
  platform_.display().SetTitle("Scenewright");
  return shell_->Start() ? -1 : 0;
}

}  // namespace sw::app
