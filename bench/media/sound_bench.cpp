// Sound speed on the real SDL_mixer players under SDL's dummy audio driver: seven channel
// orders carried out through the game (path lookups included) with the files decoded once,
// starting a cached three-minute MP3, and the audio thread's mixing of seven playing sounds.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "authoring/audio_files.h"
#include "bench_project.h"
#include "core/game/game_runtime.h"
#include "core/game/startup.h"
#include "media/game_sound.h"
#include "media/install.h"
#include "platform/audio_encode.h"
#include "platform/audio_mixer.h"
#include "platform/platform.h"

namespace {

namespace fs = std::filesystem;

void UseDummyAudio() {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
}

fs::path MakeProject() {
  const fs::path root = sw::bench::NewBenchProject("SoundBench", "Room");
  sw::ProjectWriter w(root / "game");
  sw::FrameFile room;
  room.FrameBackground = "0";
  w.WriteFrame("Room", room);
  for (int c = 1; c <= 7; ++c) {
    w.WriteRaw("Areas/loop" + std::to_string(c) + ".wav", sw::MakeToneWav(2, 200.0 + 60 * c));
  }
  return root;
}

void BM_ApplySoundChannelsSevenOrdersCached(benchmark::State& state) {
  UseDummyAudio();
  static const fs::path root = MakeProject();
  sw::platform::Platform platform;
  sw::PathResolver files;
  sw::UserSettings settings(root / "settings.ini");
  sw::GameRuntime runtime(platform, files, settings);
  auto service = sw::media::CreateSound(runtime);
  sw::media::GameSound& sound = *service;
  runtime.subsystems().sound = std::move(service);
  sw::Startup startup(runtime, (root / "game").string());
  if (!startup.WelcomeLoad() || runtime.CurrentFrameName != "Room") {
    state.SkipWithError("the game did not start");
    return;
  }
  auto orders = [&] {
    for (int c = 1; c <= 7; ++c) {
      sw::ChannelOrder order;
      order.action = 2;
      order.repeat = true;
      order.volume = 8;
      order.file = "loop" + std::to_string(c) + ".wav";
      sound.SetActionChannelOrder(c, order);
    }
  };
  orders();
  sound.ApplySoundChannels();  // decodes each file once
  for (auto _ : state) {
    orders();
    sound.ApplySoundChannels();
  }
  for (int c = 1; c <= 7; ++c) {
    if (!sound.IsChannelPlaying(c)) state.SkipWithError("a channel is not playing");
  }
  if (!platform.messages().records().empty()) state.SkipWithError("a message was shown");
}
BENCHMARK(BM_ApplySoundChannelsSevenOrdersCached)->Unit(benchmark::kMicrosecond);

struct BenchFolder {
  fs::path path;
  BenchFolder() {
    std::string pattern = (fs::temp_directory_path() / "swbench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path = pattern;
  }
  ~BenchFolder() { fs::remove_all(path); }
};

void BM_StartCachedThreeMinuteMp3(benchmark::State& state) {
  UseDummyAudio();
  if (!sw::platform::CanEncodeAudio(sw::platform::AudioFileKind::kMp3)) {
    state.SkipWithError("no MP3 encoder");
    return;
  }
  static BenchFolder folder;
  static const fs::path song = [] {
    const fs::path file = folder.path / "song.mp3";
    const int rate = 44100;
    std::vector<int16_t> samples(static_cast<size_t>(180 * rate));
    for (size_t i = 0; i < samples.size(); ++i) {
      samples[i] = static_cast<int16_t>(8000 * std::sin(2 * 3.14159265 * 220 * i / rate));
    }
    sw::platform::EncodeAudioFile(file, sw::platform::AudioFileKind::kMp3, samples, rate);
    return file;
  }();
  sw::platform::AudioMixer mixer(sw::platform::AudioMixerOptions{});
  auto& player = mixer.player(7);
  player.SetFileName(song.string());  // the first load decodes
  for (auto _ : state) {
    player.Stop();
    player.SetFileName(song.string());
    player.SetVolume(-800);
    player.SetPlayCount(1);
    player.Play();
  }
  if (player.PlayState() != sw::platform::kPlayStatePlaying) state.SkipWithError("not playing");
}
BENCHMARK(BM_StartCachedThreeMinuteMp3)->Unit(benchmark::kMicrosecond);

// Each iteration is one pass of the audio thread's mixer over seven playing sounds, timed
// inside the audio callback.
void BM_MixingSevenPlayingChannels(benchmark::State& state) {
  UseDummyAudio();
  static BenchFolder folder;
  sw::platform::AudioMixer mixer(sw::platform::AudioMixerOptions{});
  if (!mixer.device_open()) {
    state.SkipWithError("no audio device");
    return;
  }
  for (int i = 1; i <= 7; ++i) {
    const fs::path file = folder.path / ("tone" + std::to_string(i) + ".wav");
    std::ofstream(file, std::ios::binary) << sw::MakeToneWav(2, 150.0 * i, 0.1, 44100);
    auto& p = mixer.player(i);
    p.SetFileName(file.string());
    p.SetPlayCount(0);
    p.SetVolume(-600 * (i - 1));
    p.Play();
  }
  for (auto _ : state) {
    const auto times = mixer.TimeMixing(1);
    if (times.empty()) {
      state.SkipWithError("the audio thread did not mix");
      return;
    }
    state.SetIterationTime(static_cast<double>(times.front()) / 1e9);
  }
}
BENCHMARK(BM_MixingSevenPlayingChannels)
    ->UseManualTime()
    ->Iterations(200)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
