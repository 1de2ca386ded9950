// Commands the window shell offers but other parts of the player carry out: the saved-games
// dialogs, the debug commands, the options toggles, and how links reach the desktop.
#pragma once

#include <functional>
#include <string>

namespace sw::shell {

struct ShellHooks {
  // The load dialog (welcome window's load button, Ctrl+L, the Load menu).
  std::function<void()> load_game;
  // The save dialog (Ctrl+S, the Save menu).
  std::function<void()> save_game;
  // The Debug menu's commands.
  std::function<void()> execute_vbscript;
  std::function<void()> view_variables;
  std::function<void()> edit_procedures;
  // The Options menu's toggles. Without one, the check mark is inverted and the per-user
  // setting ("DisableTransitions" or "DisableEffects") saved.
  std::function<void()> toggle_transitions;
  std::function<void()> toggle_effects;
  // Hands a web address or a "mailto:" link to the desktop. Without one, xdg-open is used.
  std::function<void(const std::string&)> open_link;
};

// Runs a hook when it is set.
inline void Run(const std::function<void()>& hook) {
  if (hook) hook();
}

}  // namespace sw::shell
