// The game window's menu bar: when it shows, which items it offers, and their commands.
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "platform/menu_tracker.h"
#include "platform/platform.h"
#include "shell/game_shell.h"

namespace sw::shell {

void GameShell::AttachMenus(platform::Form& form) {
  platform::MenuBar& menus = form.menu();
  auto command = [&menus](const char* name, std::function<void()> action) {
    menus.Get(name).on_click = [action = std::move(action)](platform::MenuItem&) { action(); };
  };
  command("mnuExit", [this] { Quit(); });
  command("mnuSaveGame", [this] { Run(hooks_.save_game); });
  command("mnuLoadGame", [this] { Run(hooks_.load_game); });
  command("mnuOptions", [this] { SetMenusJustOpened(); });
  command("mnuDebug", [this] { SetMenusJustOpened(); });
  command("mnuDisableTransitions", [this] {
    if (hooks_.toggle_transitions) {
      hooks_.toggle_transitions();
    } else {
      ToggleOption("mnuDisableTransitions", "DisableTransitions");
    }
  });
  command("mnuDisableEffects", [this] {
    if (hooks_.toggle_effects) {
      hooks_.toggle_effects();
    } else {
      ToggleOption("mnuDisableEffects", "DisableEffects");
    }
  });
  command("mnuExecuteVBScript", [this] { Run(hooks_.execute_vbscript); });
  command("mnuViewVariables", [this] { Run(hooks_.view_variables); });
  command("mnuEditProcedures", [this] { Run(hooks_.edit_procedures); });
  command("mnuCancel", [this] { HideMenus(); });
  // Frame entries carry their frame's name in the tag; entries loaded later copy this.
  menus.Get("mnuFrameName", 0).on_click = [this](platform::MenuItem& item) {
    if (GameWindow* game = runtime_.game(); game && !item.tag().empty())
      game->OpenFrame(item.tag());
  };
}

void GameShell::SetMenusJustOpened() {
  if (!runtime_.info.RunInWindow) runtime_.MenuJustOpened = true;
}

void GameShell::FillFrameMenu(const std::vector<std::string>& frames) {
  platform::MenuBar* menus = Menus();
  if (!menus) return;
  // The entries were loaded in the order of the frame list.
  size_t next = 0;
  const int last = menus->UBound("mnuFrameName");
  for (int i = 1; i <= last && next < frames.size(); ++i) {
    if (platform::MenuItem* item = menus->Find("mnuFrameName", i)) item->SetTag(frames[next++]);
  }
}

void GameShell::ShowMenus() {
  platform::MenuBar* menus = Menus();
  const ProjectInfo& info = runtime_.info;
  if (!menus || info.MenusNeverShown) return;
  menus->Get("mnuExit").SetVisible(true);
  if (!info.HideSave) menus->Get("mnuSaveGame").SetVisible(true);
  if (!info.HideLoad) menus->Get("mnuLoadGame").SetVisible(true);
  const bool hideEffects = info.HideEffectsOption;
  const bool hideTransitions = info.HideTransitionsOption;
  if (hideEffects && hideTransitions) {
    menus->Get("mnuOptions").SetVisible(false);
  } else {
    menus->Get("mnuDisableTransitions").SetVisible(!hideTransitions);
    menus->Get("mnuDisableEffects").SetVisible(!hideEffects);
    menus->Get("mnuOptions").SetVisible(true);
  }
  // Cancel closes the bar, so it shows only where the bar can be closed.
  menus->Get("mnuCancel").SetVisible(!info.RunInWindow);
  menus->Get("mnuDebug").SetVisible(false);
  runtime_.MenuJustOpened = false;
}

void GameShell::HideMenus() {
  platform::MenuBar* menus = Menus();
  if (!menus || runtime_.info.RunInWindow || runtime_.StopRequested) return;
  for (const char* name :
       {"mnuExit", "mnuSaveGame", "mnuLoadGame", "mnuOptions", "mnuDebug", "mnuCancel"}) {
    platform::MenuItem& item = menus->Get(name);
    if (item.visible()) item.SetVisible(false);
  }
  if (GameWindow* game = runtime_.game()) game->form().menu_tracker().Close();
  runtime_.MenuJustOpened = false;
}

void GameShell::ToggleOption(const char* item, const char* settingKey) {
  platform::MenuBar* menus = Menus();
  if (!menus) return;
  platform::MenuItem& option = menus->Get(item);
  option.SetChecked(!option.checked());
  try {
    runtime_.SaveSetting(settingKey, option.checked() ? "True" : "False");
  } catch (const std::exception&) {
    // The choice holds for this run even when it cannot be remembered.
  }
}

}  // namespace sw::shell
