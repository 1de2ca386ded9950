#include "media/install.h"

#include <iostream>
#include <memory>

#include "core/game/game_runtime.h"
#include "media/game_sound.h"
#include "platform/audio_mixer.h"
#include "platform/platform.h"

namespace sw::media {

namespace {

// The first soundfont in the game folder, its areas folder or its frames folder; "" for none.
std::string GameSoundFont(GameRuntime& runtime) {
  const ProjectFolders& f = runtime.folders;
  for (const std::string& folder : {f.ProjectFolder, f.AreasFolder, f.FramesFolder}) {
    if (folder.empty()) continue;
    for (const char* pattern : {"*.sf2", "*.sf3"}) {
      const auto names = runtime.files().List(folder + pattern);
      if (!names.empty()) return folder + names.front();
    }
  }
  return "";
}

}  // namespace

GameSound& InstallSound(GameRuntime& runtime,
                        const std::array<platform::MediaPlayer*, kChannels>& players,
                        std::ostream& errors) {
  auto service = std::make_unique<GameSound>(runtime, players, errors);
  GameSound& sound = *service;
  runtime.subsystems().sound = std::move(service);
  return sound;
}

std::unique_ptr<GameSound> CreateSound(GameRuntime& runtime) {
  platform::AudioMixerOptions options;
  options.headless = runtime.platform().headless();
  PathResolver& files = runtime.files();
  options.locate = [&files](const std::string& path) { return files.Resolve(path); };
  auto mixer = std::make_shared<platform::AudioMixer>(std::move(options));
  std::array<platform::MediaPlayer*, kChannels> players{};
  for (int i = 1; i <= kChannels; ++i) players[static_cast<size_t>(i - 1)] = &mixer->player(i);
  auto sound = std::make_unique<GameSound>(runtime, players, std::cerr);
  sound->backend = mixer;
  // The game folder is known once the game starts; its soundfont is looked for then.
  sound->on_reset = [&runtime, mixer] {
    const std::string font = GameSoundFont(runtime);
    mixer->SetSoundFont(font.empty() ? std::filesystem::path() : runtime.files().Resolve(font));
  };
  return sound;
}

}  // namespace sw::media
