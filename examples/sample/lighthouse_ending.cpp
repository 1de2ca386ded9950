#include "lighthouse_ending.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "authoring/audio_files.h"
#include "authoring/frame_data_writer.h"
#include "lighthouse_pointer.h"

namespace sample {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kHorizon = 300;

uint32_t Rgb(int r, int g, int b) {
  auto clamp = [](int v) { return static_cast<uint32_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
  return (clamp(r) << 16) | (clamp(g) << 8) | clamp(b);
}

// The harbour at dawn: a rising sun, the lighthouse still shining, the keeper's boat home.
uint32_t Dawn(int x, int y) {
  if (x > 430 && x < 470 && y > 150 && y < 330) {  // the tower, striped
    return ((y / 30) % 2 == 0) ? Rgb(240, 236, 226) : Rgb(210, 50, 45);
  }
  if (x > 420 && x < 480 && y > 120 && y <= 150) return Rgb(255, 240, 150);  // the lamp
  if (y > 320 && y < 360 && std::abs(x - 450) < 90 - (360 - y)) return Rgb(90, 76, 62);
  // The boat at the quay, its sail white in the sun.
  if (y > 360 && y < 390 && x > 90 + (y - 360) && x < 290 - (y - 360)) return Rgb(122, 74, 34);
  if (x > 186 && x < 192 && y > 290 && y <= 360) return Rgb(58, 42, 26);
  if (y > 295 && y < 358 && x > 194 && x < 194 + (y - 295)) return Rgb(250, 246, 236);
  const int sun = (x - 160) * (x - 160) + (y - kHorizon) * (y - kHorizon);
  if (y < kHorizon && sun < 45 * 45) return Rgb(255, 226, 140);
  if (y < kHorizon) {
    const int t = y * 255 / kHorizon;
    return Rgb(120 + t / 2, 140 + t / 4, 200 - t / 3);
  }
  // The sun's path on the water.
  const int depth = y - kHorizon;
  if (std::abs(x - 160) < 20 + depth / 5 && (x + y) % 6 < 4) return Rgb(255, 210, 130);
  const double wave = std::sin(x / 18.0 + y / 5.0) * 10;
  return Rgb(60, 110 + static_cast<int>(wave), 150 + static_cast<int>(wave) * 2);
}

// A short, bright tune on the brass for the end.
std::string Fanfare() {
  const std::vector<sw::MidiNote> notes = {{60, 95, 1},  {64, 95, 1},  {67, 100, 1}, {72, 110, 2},
                                           {67, 95, 1},  {72, 115, 4}, {0, 0, 1},    {65, 95, 1},
                                           {69, 95, 1},  {72, 100, 1}, {77, 110, 2}, {76, 100, 1},
                                           {74, 100, 1}, {72, 118, 6}};
  return sw::MakeMidi(notes, 56, 112);  // a trumpet
}

sw::TextSpec Caption(const std::string& text, double top, double size) {
  sw::TextSpec t;
  t.Caption = text;
  t.Left = 40;
  t.Top = top;
  t.FontSize = size;
  t.Bold = true;
  t.ForeColor = 0x402010;  // dark blue, as 0x00BBGGRR
  return t;
}

}  // namespace

void WriteLighthouseEnding(const sw::ProjectWriter& game) {
  game.WriteRaw("Frames/dawn.bmp", sw::MakeBmp(kWidth / 2, kHeight / 2,
                                               [](int x, int y) { return Dawn(x * 2, y * 2); }));
  game.WriteRaw("Frames/fanfare.mid", Fanfare());

  sw::FrameFile dawn;
  dawn.FrameKind = 1;
  dawn.FrameBackground = "dawn.bmp";
  dawn.MusicFile = "fanfare.mid";
  game.WriteFrame("Dawn", dawn);

  // A click anywhere ends the game: back to the welcome window.
  sw::HotspotSpec anywhere;
  anywhere.Width = kWidth;
  anywhere.Height = kHeight;
  anywhere.PointerFile = kHandPointer;
  sw::ActionSpec end;
  end.EndGame = true;
  sw::WriteHotspots(game, "Dawn", {anywhere});
  sw::WriteActions(game, "Dawn", {end});
  sw::WriteTexts(game, "Dawn",
                 {Caption("You have won!", 30, 28),
                  Caption("Your light guided the keeper's boat home through the storm.", 80, 12),
                  Caption("Click to end the game.", 110, 11)});
}

}  // namespace sample
