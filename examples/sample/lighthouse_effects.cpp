#include "lighthouse_effects.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "authoring/effects_writer.h"
#include "authoring/frame_data_writer.h"
#include "lighthouse_pointer.h"

namespace sample {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kShore = 300;  // where the cove's water begins

uint32_t Rgb(int r, int g, int b) {
  auto clamp = [](int v) { return static_cast<uint32_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
  return (clamp(r) << 16) | (clamp(g) << 8) | clamp(b);
}

// A rock standing in the water: it must stay still while the water moves around it.
bool Rock(int x, int y) {
  const int dx = x - 470;
  const int dy = y - 360;
  return dx * dx / 3 + dy * dy < 900 && y < 390;
}

// The cove at dusk: sky, dark cliffs on both sides, the far lighthouse, striped water.
uint32_t Cove(int x, int y) {
  const int cliff = 120 - static_cast<int>(40 * std::sin(y / 37.0));
  if (y < kShore && (x < cliff || x > kWidth - cliff + 30)) return Rgb(60 + y / 8, 50, 45);
  if (x > 316 && x < 324 && y > 250 && y < kShore) return Rgb(230, 230, 220);  // the lighthouse
  if (x > 314 && x < 326 && y > 242 && y <= 250) return Rgb(255, 220, 90);
  if (y < kShore) return Rgb(230 - y / 3, 120 + y / 6, 90 + y / 3);
  if (Rock(x, y)) return Rgb(80, 70, 60);
  const int depth = y - kShore;
  // The lamp's light mirrored on the water, widening towards the viewer.
  if (std::abs(x - 320) < 4 + depth / 12) return Rgb(250, 215, 120 + depth / 3);
  // Glints of the sky on the waves.
  const uint32_t h =
      static_cast<uint32_t>(x / 9) * 73856093u ^ static_cast<uint32_t>(depth / 5) * 19349663u;
  if (h % 7 == 0 && x % 9 < 5) return Rgb(170, 190, 210);
  // Wavy bands across the water, so that the ripples show.
  const int band = ((depth + static_cast<int>(4 * std::sin(x / 14.0))) / 6) % 2;
  const int light = static_cast<int>(30 * std::sin(x / 23.0));
  return band ? Rgb(20, 70 + light, 120 + light) : Rgb(40, 110 + light, 160 + light);
}

// The rippling-water mask: black where the water moves, white for the rock.
uint32_t WaterMask(int x, int y) {
  return Rock(x, y + kShore) ? 0xFFFFFF : 0x000000;
}

uint32_t CliffPath(int x, int y) {
  const bool path = std::abs(x - 320 - static_cast<int>(60 * std::sin(y / 60.0))) < 40 + y / 10;
  if (y < 150) return Rgb(200 - y / 2, 110, 100 + y / 3);
  return path ? Rgb(170, 150, 110) : Rgb(60 + (x * y) % 23, 90, 50);
}

uint32_t NightSky(int x, int y) {
  const uint32_t h = static_cast<uint32_t>(x) * 73856093u ^ static_cast<uint32_t>(y) * 19349663u;
  if (h % 397 == 0) return Rgb(255, 255, 230);  // a star
  return Rgb(5, 10, 30 + y / 12);
}

// A gull seen from below, its wings at `lift` (−1 down … 1 up); the rest is transparent.
uint32_t Gull(int x, int y, double lift) {
  const double cx = x - 24.0;
  const double wing = 12 - lift * std::abs(cx) * 0.45;
  if (std::abs(cx) < 3 && y > 12 && y < 22) return 0xF0F0F0;  // the body
  if (std::abs(cx) < 23 && std::abs(y - wing) < 2.2 - std::abs(cx) / 16) return 0xE8E8E8;
  return sw::kGifTransparent;
}

sw::HotspotSpec Area(double left, double top, double width, double height) {
  sw::HotspotSpec h;
  h.Left = left;
  h.Top = top;
  h.Width = width;
  h.Height = height;
  h.PointerFile = kHandPointer;
  return h;
}

sw::ActionSpec Path(const std::string& frame, int16_t transition, double ms) {
  sw::ActionSpec a;
  a.GoToFrame = true;
  a.TargetFrame = frame;
  a.Transition = true;
  a.TransitionNumber = transition;
  a.TransitionDurationMs = ms;
  return a;
}

sw::TextSpec Caption(const std::string& text, double left, double top) {
  sw::TextSpec t;
  t.Caption = text;
  t.Left = left;
  t.Top = top;
  t.FontSize = 12;
  t.Bold = true;
  t.ForeColor = 0xFFFFFF;
  return t;
}

void PictureFrame(const sw::ProjectWriter& game, const std::string& name,
                  const std::string& picture) {
  sw::FrameFile f;
  f.FrameKind = 1;
  f.FrameBackground = picture;
  game.WriteFrame(name, f);
}

}  // namespace

void LeadToTheCove(sw::FrameFile& frame) {
  frame.TimerTarget = "Cove";
  frame.TimerTransition = true;
  frame.TimerTransitionDuration = 1500;
  frame.TimerTransitionNumber = 1;
}

void WriteLighthouseEffects(const sw::ProjectWriter& game) {
  game.WriteRaw("Frames/cove.bmp", sw::MakeBmp(kWidth, kHeight, Cove));
  game.WriteRaw("Frames/cliff.bmp", sw::MakeBmp(kWidth, kHeight, CliffPath));
  game.WriteRaw("Frames/sky.bmp", sw::MakeBmp(kWidth, kHeight, NightSky));

  // The cove: its water ripples around the rock; a gull circles; paths lead away.
  PictureFrame(game, "Cove", "cove.bmp");
  sw::RipplingWaterSpec water;
  water.Left = 0;
  water.Top = kShore;
  water.Width = kWidth;
  water.Height = kHeight - kShore;
  water.WaveLevel = 4;
  water.WaveSpeed = 4;
  sw::WriteRipplingWater(game, "Cove", water);
  game.WriteRaw("Frames/Cove.rwm", sw::MakeBmp(kWidth, kHeight - kShore, WaterMask));

  std::vector<sw::GifImage> wings;
  for (double lift : {1.0, 0.3, -0.6, 0.3}) {
    wings.push_back({[lift](int x, int y) { return Gull(x, y, lift); }, 12, 2});
  }
  game.WriteRaw("Areas/gull.gif", sw::MakeAnimatedGif(48, 32, wings));
  sw::HotspotSpec gull = Area(296, 118, 52, 36);
  gull.Animated = true;
  gull.HasPicture = true;
  gull.PictureFile = "gull.gif";
  gull.Speed = 50;
  sw::ActionSpec cry;
  cry.ShowMessage = true;
  cry.MessageInFrame = true;
  cry.MessageText = "The gull cries and wheels away over the water.";
  sw::WriteHotspots(game, "Cove",
                    {gull, Area(0, 0, 70, kShore), Area(200, 0, 240, 60), Area(310, 236, 20, 64)});
  sw::WriteActions(game, "Cove",
                   {cry, Path("Cliff", 2, 1200), Path("Sky", 4, 1200), Path("Hut", 1, 1500)});
  sw::WriteTexts(game, "Cove",
                 {Caption("The cove. Paths lead left and up;", 150, 70),
                  Caption("the light below the lighthouse is the keeper's hut.", 150, 92)});

  // The cliff path comes in from the left; back to the right.
  PictureFrame(game, "Cliff", "cliff.bmp");
  sw::WriteHotspots(game, "Cliff", {Area(kWidth - 80, 0, 80, kHeight)});
  sw::WriteActions(game, "Cliff", {Path("Cove", 3, 1200)});
  sw::WriteTexts(game, "Cliff", {Caption("The cliff path. The cove is to the right.", 20, 20)});

  // The sky comes down from above; the cove comes back up from below.
  PictureFrame(game, "Sky", "sky.bmp");
  sw::WriteHotspots(game, "Sky", {Area(0, kHeight - 80, kWidth, 80)});
  sw::WriteActions(game, "Sky", {Path("Cove", 5, 1200)});
  sw::WriteTexts(game, "Sky", {Caption("Stars over the cove. Look down to return.", 20, 20)});
}

}  // namespace sample
