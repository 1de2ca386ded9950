// Playing a 640 x 480 Cinepak video at 30 pictures a second: the share of one core that
// decoding and presenting take on the real clock, and the memory over a two-minute video.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/picture_box.h"
#include "platform/platform.h"
#include "platform/video_encode.h"
#include "video/video_playback.h"

namespace sw::video {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kFps = 30;
constexpr int kPictures = 30;  // encoded once, then repeated

// A 640 x 480 Cinepak file of `seconds`, made once per run.
std::filesystem::path BenchVideo(int seconds) {
  const auto file = std::filesystem::temp_directory_path() /
                    ("scenewright-bench-" + std::to_string(seconds) + "s.avi");
  if (std::filesystem::exists(file)) return file;
  platform::VideoFileContent content;
  content.width = kWidth;
  content.height = kHeight;
  content.fps = kFps;
  content.frames = kPictures;
  content.loops = seconds * kFps / kPictures;
  content.codec = platform::VideoCodec::kCinepak;
  // A moving scene with detail everywhere, so every picture has work for the decoder.
  content.draw = [](int index, platform::Pixmap& p) {
    for (int y = 0; y < p.height(); ++y) {
      for (int x = 0; x < p.width(); ++x) {
        const int r = (x + index * 8) & 0xFF;
        const int g = (y * 2 + index * 4) & 0xFF;
        const int b = static_cast<int>(128 + 100 * std::sin((x * y + index * 500) / 900.0));
        p.SetPixel(x, y, 0xFF000000u | (r << 16) | (g << 8) | b);
      }
    }
  };
  platform::EncodeVideoFile(file, content);
  return file;
}

// Resident memory of the process, in kilobytes.
long ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

// The game window's frame with the video window in it, composed as the event loop does.
struct Screen {
  platform::Platform platform;
  std::shared_ptr<platform::Form> form = platform.CreateForm("Game");
  std::shared_ptr<VideoWindow> window = std::make_shared<VideoWindow>();
  Screen() {
    form->SetSize(platform::PixelsToTwips(kWidth), platform::PixelsToTwips(kHeight));
    auto& box = form->Add<platform::PictureBoxElement>("PictureBox");
    box.Move(0, 0, platform::PixelsToTwips(kWidth), platform::PixelsToTwips(kHeight));
    auto& w = form->Add<VideoWindow>("VideoWindow", &box);
    window = std::static_pointer_cast<VideoWindow>(w.shared_from_this());
    form->Show();
  }
  void Present() { benchmark::DoNotOptimize(platform.desktop().Compose().pixels().data()); }
};

// Ten seconds on the real clock; the figure is the process's processor time over the time
// that passed (1.0 = one core busy), decoder thread included.
void BM_PlayCinepak640x480RealTime(benchmark::State& state) {
  const auto file = BenchVideo(10);
  Screen screen;
  platform::RealClock clock;
  double share = 0;
  std::int64_t shown = 0;
  std::int64_t dropped = 0;
  for (auto _ : state) {
    PlaybackEnvironment environment;
    environment.clock = &clock;
    VideoPlayback playback(file, screen.window, environment);
    playback.PutWindow(0, 0, kWidth, kHeight);
    const auto wallStart = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    playback.Play(true);
    std::int64_t last = -1;
    std::int64_t presented = 0;
    while (playback.Mode() == "playing") {
      playback.Tick();
      if (playback.shown() != last) {
        last = playback.shown();
        ++presented;
        screen.Present();
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    share = cpu / wall;
    shown = presented;
    dropped = playback.dropped();
  }
  state.counters["core_share"] = share;
  state.counters["pictures_shown"] = static_cast<double>(shown);
  state.counters["pictures_dropped"] = static_cast<double>(dropped);
}
BENCHMARK(BM_PlayCinepak640x480RealTime)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// Two minutes of pictures as fast as they decode (the clock jumps a picture at a time):
// the resident memory after the first ten seconds and at the end.
void BM_TwoMinuteCinepakMemory(benchmark::State& state) {
  const auto file = BenchVideo(120);
  Screen screen;
  long afterTen = 0;
  long atEnd = 0;
  std::int64_t shown = 0;
  for (auto _ : state) {
    platform::VirtualClock clock;
    PlaybackEnvironment environment;
    environment.clock = &clock;
    environment.repeatable = true;
    VideoPlayback playback(file, screen.window, environment);
    playback.Play(true);
    while (playback.Mode() == "playing") {
      clock.Advance(1000 / kFps + 1);
      playback.Tick();
      screen.Present();
      if (afterTen == 0 && clock.NowMs() >= 10000) afterTen = ResidentKb();
    }
    atEnd = ResidentKb();
    shown = playback.shown() + 1;
  }
  state.counters["rss_after_10s_kb"] = static_cast<double>(afterTen);
  state.counters["rss_at_end_kb"] = static_cast<double>(atEnd);
  state.counters["pictures"] = static_cast<double>(shown);
  state.counters["pictures_per_second"] =
      benchmark::Counter(static_cast<double>(shown), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TwoMinuteCinepakMemory)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
}  // namespace sw::video
