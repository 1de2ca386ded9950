// The effects' per-step costs: one cross-fade step at 1024 × 768 (the mix alone, and the mix
// with the window's composition), one rippling-water tick over 640 × 200, and one tick of the
// animation clock with 20 animated pictures playing.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "authoring/effects_writer.h"
#include "authoring/frame_data_writer.h"
#include "authoring/project_writer.h"
#include "bench_project.h"
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/startup.h"
#include "effects/install.h"
#include "effects/pixel_effects.h"
#include "interaction/install.h"
#include "platform/platform.h"

namespace {

using sw::platform::Pixmap;

Pixmap Pattern(int w, int h, unsigned seed) {
  Pixmap p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      p.SetPixel(x, y,
                 0xFF000000u | ((x * seed) & 0xFF) << 16 | ((y + seed) & 0xFF) << 8 | (x ^ y));
  return p;
}

void BM_CrossFadeStep1024x768(benchmark::State& state) {
  const Pixmap old = Pattern(1024, 768, 3);
  const Pixmap fresh = Pattern(1024, 768, 7);
  Pixmap out(1024, 768);
  unsigned alpha = 0;
  for (auto _ : state) {
    sw::effects::CrossFade(old, fresh, static_cast<std::uint8_t>(alpha++ & 0xFF), out);
    benchmark::DoNotOptimize(out.pixels().data());
  }
  state.counters["steps/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CrossFadeStep1024x768)->Unit(benchmark::kMillisecond);

// The step as the player draws it: the mix into the overlay box, then the whole window
// composed for the screen.
void BM_CrossFadeStepComposed1024x768(benchmark::State& state) {
  sw::platform::Platform platform;
  auto form = platform.CreateForm("Game");
  form->SetSize(sw::platform::PixelsToTwips(1024), sw::platform::PixelsToTwips(768));
  auto& where = form->Add<sw::platform::PictureBoxElement>("picWhere");
  where.Move(0, 0, sw::platform::PixelsToTwips(1024), sw::platform::PixelsToTwips(768));
  const Pixmap old = Pattern(1024, 768, 3);
  const Pixmap fresh = Pattern(1024, 768, 7);
  form->Show();
  unsigned alpha = 0;
  for (auto _ : state) {
    sw::effects::CrossFade(old, fresh, static_cast<std::uint8_t>(alpha++ & 0xFF), where.surface());
    where.Invalidate();
    const Pixmap& screen = platform.desktop().Compose();
    benchmark::DoNotOptimize(screen.pixels().data());
  }
  state.counters["steps/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CrossFadeStepComposed1024x768)->Unit(benchmark::kMillisecond);

void BM_RipplingTick640x200(benchmark::State& state) {
  const Pixmap original = Pattern(640, 200, 5);
  Pixmap mask(640, 200, 0xFFFFFFFFu);
  mask.FillRect({0, 80, 640, 120}, 0xFF000000u);
  Pixmap masked = original;
  sw::effects::MergePaint(masked, mask, 640, 200);
  Pixmap water(640, 200);
  float phase = 0;
  for (auto _ : state) {
    sw::effects::WaveDistort(water, original, 640, 200, {4, 4, phase += 0.05f, 90.0});
    sw::effects::MaskedCopy(water, masked, mask, 640, 200);
    benchmark::DoNotOptimize(water.pixels().data());
  }
}
BENCHMARK(BM_RipplingTick640x200)->Unit(benchmark::kMicrosecond);

constexpr int kAnimations = 20;

std::filesystem::path AnimatedProject() {
  const std::filesystem::path root = sw::bench::NewBenchProject("EffectsBench", "Room");
  sw::ProjectWriter w(root / "game");
  w.WriteVariables({});
  sw::FrameFile room;
  room.FrameBackground = "0";
  w.WriteFrame("Room", room);
  std::vector<sw::GifImage> images;
  for (int i = 0; i < 8; ++i) {
    images.push_back(
        {[i](int x, int y) { return static_cast<uint32_t>((x * 4 + i * 30) << 16 | y * 4); }, 1,
         1});
  }
  w.WriteRaw("Areas/anim.gif", sw::MakeAnimatedGif(48, 48, images));
  std::vector<sw::HotspotSpec> hotspots;
  for (int i = 0; i < kAnimations; ++i) {
    sw::HotspotSpec h;
    h.Left = 10 + (i % 10) * 60;
    h.Top = 10 + (i / 10) * 60;
    h.Width = 50;
    h.Height = 50;
    h.Animated = true;
    h.HasPicture = true;
    h.PictureFile = "anim.gif";
    h.Speed = 50;
    hotspots.push_back(h);
  }
  sw::WriteHotspots(w, "Room", hotspots);
  return root;
}

// Twenty pictures whose images change every 10 ms: each tick shows the next image of all.
void BM_TwentyAnimatedPicturesTick(benchmark::State& state) {
  const std::filesystem::path root = AnimatedProject();
  sw::platform::Platform platform;
  sw::PathResolver files;
  sw::UserSettings settings{root / "settings.ini"};
  sw::GameRuntime runtime{platform, files, settings};
  auto interaction = sw::InstallInteraction(runtime);
  auto effects = sw::effects::InstallEffects(runtime);
  sw::Startup startup(runtime, (root / "game").string());
  if (!startup.WelcomeLoad() || effects->animations.AniGifBox(kAnimations) == nullptr) {
    state.SkipWithError("the game did not start with its animated pictures");
    return;
  }
  for (auto _ : state) {
    platform.virtual_clock()->Advance(10);
    effects->animations.Update();
  }
  state.counters["pictures"] = kAnimations;
  std::filesystem::remove_all(root);
}
BENCHMARK(BM_TwentyAnimatedPicturesTick)->Unit(benchmark::kMicrosecond);

}  // namespace
