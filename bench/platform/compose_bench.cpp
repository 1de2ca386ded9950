// Composing a full game frame: a 1024 x 768 picture box holding a full-size background
// and 60 elements (transparent hotspot pictures, stretched pictures, labels).
#include <benchmark/benchmark.h>

#include "platform/image.h"
#include "platform/label.h"
#include "platform/platform.h"

namespace sw::platform {
namespace {

Pixmap Gradient(int w, int h) {
  Pixmap p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      p.SetPixel(x, y, 0xFF000000u | ((x & 0xFF) << 16) | ((y & 0xFF) << 8) | ((x + y) & 0xFF));
  return p;
}

Pixmap Sprite(int w, int h) {
  Pixmap p(w, h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if ((x - w / 2) * (x - w / 2) + (y - h / 2) * (y - h / 2) < w * h / 4)
        p.SetPixel(x, y, 0xFFC08040u);
  p.RecomputeOpaque();
  return p;
}

void BM_ComposeFrame(benchmark::State& state) {
  Platform platform;
  auto form = platform.CreateForm("Game");
  form->SetSize(PixelsToTwips(1024), PixelsToTwips(768));
  auto& frame = form->Add<PictureBoxElement>("PictureBox");
  frame.Move(0, 0, PixelsToTwips(1024), PixelsToTwips(768));
  frame.PaintPicture(Picture(Gradient(1024, 768)), 0, 0, PixelsToTwips(1024), PixelsToTwips(768));
  Picture sprite(Sprite(64, 64));
  int count = 0;
  for (int i = 0; i < 40; ++i, ++count) {
    auto& area = form->Add<ImageElement>("Area" + std::to_string(i), &frame);
    area.SetStretch(i % 2 == 0);
    area.Move(PixelsToTwips((i % 10) * 100), PixelsToTwips((i / 10) * 150), PixelsToTwips(96),
              PixelsToTwips(96));
    area.SetPicture(sprite);
  }
  for (int i = 0; i < 20; ++i, ++count) {
    auto& text = form->Add<LabelElement>("Text" + std::to_string(i), &frame);
    text.SetBackStyle(i % 4 == 0 ? 1 : 0);
    text.SetForeColor(VbRgb(255, 255, 255));
    text.Move(PixelsToTwips(20 + (i % 4) * 250), PixelsToTwips(620 + (i / 4) * 28),
              PixelsToTwips(240), PixelsToTwips(26));
    text.SetCaption("Label number " + std::to_string(i) + ": the quick brown fox");
  }
  form->Show();
  for (auto _ : state) {
    form->Invalidate();
    const Pixmap& surface = platform.desktop().Compose();
    benchmark::DoNotOptimize(surface.pixels().data());
  }
  state.counters["elements"] = count;
}
BENCHMARK(BM_ComposeFrame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sw::platform
