// This user's folders for the player's settings and data, after the XDG base directory rules.
#pragma once

#include <filesystem>

namespace sw {

// $XDG_CONFIG_HOME/scenewright, by default ~/.config/scenewright. Not created here.
std::filesystem::path UserConfigDir();
// $XDG_DATA_HOME/scenewright, by default ~/.local/share/scenewright. Not created here.
std::filesystem::path UserDataDir();

}  // namespace sw
