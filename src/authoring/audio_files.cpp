#include "authoring/audio_files.h"

#include <algorithm>
#include <cmath>

namespace sw {

namespace {

void Put16(std::string& out, uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void Put32Be(std::string& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<char>((v >> shift) & 0xFF));
}
// A MIDI variable-length quantity.
void PutVarLen(std::string& out, uint32_t v) {
  char bytes[5];
  int n = 0;
  bytes[n++] = static_cast<char>(v & 0x7F);
  while ((v >>= 7) != 0) bytes[n++] = static_cast<char>((v & 0x7F) | 0x80);
  while (n > 0) out.push_back(bytes[--n]);
}

constexpr double kPi = 3.14159265358979323846;

}  // namespace

std::string MakeWav(double seconds, int rate, const std::function<double(double)>& sample) {
  const auto frames = static_cast<uint32_t>(std::max(0.0, seconds) * rate);
  std::string out = "RIFF";
  Put32(out, 36 + frames * 2);
  out += "WAVEfmt ";
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, static_cast<uint32_t>(rate));
  Put32(out, static_cast<uint32_t>(rate) * 2);
  Put16(out, 2);
  Put16(out, 16);
  out += "data";
  Put32(out, frames * 2);
  for (uint32_t i = 0; i < frames; ++i) {
    const double v = std::clamp(sample(static_cast<double>(i) / rate), -1.0, 1.0);
    Put16(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(v * 32767))));
  }
  return out;
}

std::string MakeToneWav(double seconds, double hz, double amplitude, int rate) {
  return MakeWav(seconds, rate, [=](double t) {
    const double ramp = std::min({1.0, t / 0.005, (seconds - t) / 0.005});
    return amplitude * std::max(0.0, ramp) * std::sin(2 * kPi * hz * t);
  });
}

std::string MakeMidi(const std::vector<MidiNote>& notes, int program, int bpm) {
  constexpr int kTicksPerBeat = 480;
  std::string track;
  // Tempo, then the program.
  PutVarLen(track, 0);
  track += "\xFF\x51\x03";
  const uint32_t microsPerBeat = 60000000u / static_cast<uint32_t>(std::max(1, bpm));
  track.push_back(static_cast<char>((microsPerBeat >> 16) & 0xFF));
  track.push_back(static_cast<char>((microsPerBeat >> 8) & 0xFF));
  track.push_back(static_cast<char>(microsPerBeat & 0xFF));
  PutVarLen(track, 0);
  track.push_back('\xC0');
  track.push_back(static_cast<char>(program & 0x7F));
  uint32_t rest = 0;
  for (const MidiNote& n : notes) {
    const uint32_t length = static_cast<uint32_t>(std::max(1, n.beats)) * kTicksPerBeat;
    if (n.key <= 0) {
      rest += length;
      continue;
    }
    PutVarLen(track, rest);
    track.push_back('\x90');
    track.push_back(static_cast<char>(n.key & 0x7F));
    track.push_back(static_cast<char>(std::clamp(n.velocity, 1, 127)));
    PutVarLen(track, length);
    track.push_back('\x80');
    track.push_back(static_cast<char>(n.key & 0x7F));
    track.push_back('\x40');
    rest = 0;
  }
  PutVarLen(track, rest);
  track += std::string("\xFF\x2F\x00", 3);

  std::string out = "MThd";
  Put32Be(out, 6);
  out += std::string("\x00\x00\x00\x01", 4);  // format 0, one track
  out.push_back(static_cast<char>(kTicksPerBeat >> 8));
  out.push_back(static_cast<char>(kTicksPerBeat & 0xFF));
  out += "MTrk";
  Put32Be(out, static_cast<uint32_t>(track.size()));
  return out + track;
}

}  // namespace sw
