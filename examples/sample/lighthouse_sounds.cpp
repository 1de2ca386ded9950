#include "lighthouse_sounds.h"

#include <cmath>
#include <cstdint>

#include "authoring/audio_files.h"

namespace sample {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kRate = 22050;

// Noise through a one-pole low-pass filter; `smooth` near 1 gives a deep rumble. The same
// seed gives the same sound at every build.
class FilteredNoise {
 public:
  FilteredNoise(uint32_t seed, double smooth) : state_(seed), smooth_(smooth) {}
  double Next() {
    state_ = state_ * 1664525u + 1013904223u;
    const double white = static_cast<double>(state_ >> 8) / (1u << 24) * 2 - 1;
    level_ = smooth_ * level_ + (1 - smooth_) * white;
    return level_;
  }

 private:
  uint32_t state_;
  double smooth_;
  double level_ = 0;
};

// Four seconds of surf: swells of filtered noise, two waves per loop.
std::string Surf() {
  FilteredNoise noise(12345, 0.93);
  return sw::MakeWav(4, kRate, [&](double t) {
    const double swell = 0.35 + 0.65 * std::pow(std::sin(kPi * t / 2), 2);
    return 2.2 * swell * noise.Next();
  });
}

// Four seconds of wind: thinner noise with a slow whistle.
std::string Wind() {
  FilteredNoise noise(777, 0.8);
  return sw::MakeWav(4, kRate, [&](double t) {
    const double gust = 0.5 + 0.5 * std::sin(2 * kPi * t / 4);
    const double whistle = 0.05 * gust * std::sin(2 * kPi * (600 + 80 * gust) * t);
    return 0.9 * (0.4 + 0.6 * gust) * noise.Next() + whistle;
  });
}

// A ship's bell: a few inharmonic partials dying away.
std::string Bell() {
  return sw::MakeWav(2, kRate, [](double t) {
    const double ring = std::exp(-2.2 * t);
    const double attack = std::fmin(1.0, t / 0.002);
    return attack * ring *
           (0.45 * std::sin(2 * kPi * 523 * t) + 0.25 * std::sin(2 * kPi * 1307 * t) +
            0.15 * std::sin(2 * kPi * 2093 * t) * std::exp(-4 * t));
  });
}

// A slow sea shanty on the flute.
std::string Tune() {
  const std::vector<sw::MidiNote> notes = {
      {62, 80, 2}, {66, 80, 1}, {69, 85, 1}, {74, 90, 3}, {0, 0, 1},   {73, 80, 1}, {71, 80, 1},
      {69, 80, 2}, {66, 80, 2}, {67, 80, 1}, {69, 80, 1}, {71, 85, 3}, {0, 0, 1},   {69, 80, 1},
      {67, 80, 1}, {66, 80, 2}, {64, 80, 2}, {62, 85, 4}, {0, 0, 2},   {62, 80, 2}, {66, 80, 1},
      {69, 85, 1}, {74, 90, 3}, {76, 85, 1}, {78, 85, 2}, {76, 80, 1}, {74, 80, 1}, {73, 80, 2},
      {69, 80, 2}, {71, 80, 2}, {73, 80, 2}, {74, 90, 6}};
  return sw::MakeMidi(notes, 73, 96);
}

}  // namespace

void WriteLighthouseSounds(const sw::ProjectWriter& game) {
  game.WriteRaw("Areas/surf.wav", Surf());
  game.WriteRaw("Areas/wind.wav", Wind());
  game.WriteRaw("Areas/bell.wav", Bell());
  game.WriteRaw("Frames/shanty.mid", Tune());
}

}  // namespace sample
