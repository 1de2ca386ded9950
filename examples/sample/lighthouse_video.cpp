#include "lighthouse_video.h"

#include <cmath>
#include <string>

#include "authoring/frame_data_writer.h"
#include "core/frames/frame_file.h"

namespace sample {

namespace {

constexpr double kPi = 3.14159265358979323846;

uint32_t Rgb(int r, int g, int b) {
  auto clamp = [](int v) { return static_cast<uint32_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
  return (clamp(r) << 16) | (clamp(g) << 8) | clamp(b);
}

// Lightning flashes at these pictures, lighting the sky for a few pictures.
double Flash(int index) {
  for (int at : {18, 50}) {
    const int since = index - at;
    if (since >= 0 && since < 5) return 1.0 - since / 5.0;
  }
  return 0;
}

}  // namespace

uint32_t StormPixel(int index, int x, int y) {
  const double flash = Flash(index);
  const int horizon = 160;
  // The tower with its lamp, on a rock.
  if (x > 210 && x < 230 && y > 70 && y < 170) {
    return ((y / 15) % 2 == 0) ? Rgb(200, 200, 190) : Rgb(170, 40, 40);
  }
  if (x > 205 && x < 235 && y > 55 && y <= 70) return Rgb(255, 230, 120);
  if (y >= 165 && y < 185 && std::abs(x - 220) < 50 - (185 - y)) return Rgb(50, 45, 40);
  // The lamp's beam sweeps round once every two and a half seconds.
  const double angle = 2 * kPi * index / (kStormFps * 2.5);
  const double dx = x - 220;
  const double dy = y - 62;
  const double beam = std::cos(std::atan2(dy, dx) - std::sin(angle) * kPi / 2 - kPi / 2);
  const bool inBeam = std::cos(angle) > 0 && beam > 0.985 && y < horizon;
  if (y < horizon) {
    const int t = y * 60 / horizon;
    int r = 15 + t / 3;
    int g = 20 + t / 2;
    int b = 40 + t;
    if (inBeam) r += 110, g += 100, b += 60;
    r += static_cast<int>(flash * 180);
    g += static_cast<int>(flash * 180);
    b += static_cast<int>(flash * 200);
    // Rain: slanting streaks that fall with time.
    if (((x + y / 2 + index * 7) % 23) == 0 && ((y + index * 11) % 9) < 5)
      r += 50, g += 50, b += 60;
    return Rgb(r, g, b);
  }
  const double wave = std::sin(x / 11.0 + y / 3.0 + index * 0.6) * 14;
  const int light = static_cast<int>(flash * 120);
  return Rgb(10 + light / 2, 35 + static_cast<int>(wave) + light / 2,
             70 + 2 * static_cast<int>(wave) + light);
}

std::vector<int16_t> StormSound() {
  const int samples = kStormRate * kStormPictures / kStormFps;
  std::vector<int16_t> out(static_cast<size_t>(samples));
  uint32_t noise = 4242;
  double rain = 0;
  double rumble = 0;
  for (int i = 0; i < samples; ++i) {
    const double t = static_cast<double>(i) / kStormRate;
    noise = noise * 1664525u + 1013904223u;
    const double white = static_cast<double>(noise >> 8) / (1u << 24) * 2 - 1;
    rain = 0.6 * rain + 0.4 * white;
    rumble = 0.995 * rumble + 0.005 * white;
    double thunder = 0;
    // Thunder follows each flash by a third of a second and dies away.
    for (double at : {18.0 / kStormFps + 0.3, 50.0 / kStormFps + 0.3}) {
      if (t >= at) thunder += std::exp(-(t - at) * 1.6) * 14 * rumble;
    }
    const double v = 0.25 * rain + thunder;
    out[static_cast<size_t>(i)] =
        static_cast<int16_t>(std::lround(std::fmax(-1, std::fmin(1, v)) * 30000));
  }
  return out;
}

void WriteLighthouseVideo(const sw::ProjectWriter& game) {
  // Storm: a dark frame; the cut scene plays in the middle, then the view opens on the sea.
  sw::FrameFile storm;
  storm.FrameKind = 0;
  storm.FrameBackground = std::to_string(20 + 256 * 20 + 65536 * 30);
  storm.Video.File = kStormFile;
  storm.Video.Left = (640 - kStormWidth * 3 / 2) / 2;
  storm.Video.Top = 60;
  storm.Video.Width = kStormWidth * 3 / 2;
  storm.Video.Height = kStormHeight * 3 / 2;
  storm.TimerEnabled = true;
  storm.TimerDelay = sw::Variant(std::string("1"));
  storm.TimerTarget = "Sea";
  game.WriteFrame("Storm", storm);
  sw::TextSpec caption;
  caption.Caption = "A storm rises. Click to go on.";
  caption.Left = 20;
  caption.Top = 20;
  caption.FontSize = 14;
  caption.Bold = true;
  caption.ForeColor = 0xE0F0FF;
  sw::WriteTexts(game, "Storm", {caption});
}

}  // namespace sample
