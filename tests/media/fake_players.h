// Media players that only remember what they were told, and a game stand-in for the sound
// channels, so the channel logic can be checked call by call.
#pragma once

#include <array>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "media/sound_channels.h"
#include "platform/audio_player.h"

namespace sw::testing {

class FakePlayer final : public platform::MediaPlayer {
 public:
  const std::string& FileName() const override { return file; }
  void SetFileName(const std::string& path) override {
    Stop();
    file = path;
    if (refuse.count(path) != 0) throw platform::AudioError("refused");
  }
  int PlayState() const override { return playing ? platform::kPlayStatePlaying : 0; }
  int Volume() const override { return volume; }
  void SetVolume(int v) override {
    volume = v;
    volumes.push_back(v);
  }
  int PlayCount() const override { return playCount; }
  void SetPlayCount(int count) override { playCount = count; }
  void Play() override {
    playing = true;
    ++starts;
  }
  void Stop() override { playing = false; }

  std::string file;
  bool playing = false;
  int volume = 0;
  int playCount = 1;
  int starts = 0;
  std::vector<int> volumes;  // every volume set, in order
  std::set<std::string> refuse;
};

class FakeHost final : public media::SoundHost {
 public:
  std::string ResolveSoundFile(const std::string& name) override { return "Areas\\" + name; }
  bool FileExists(const std::string& path) override { return missing.count(path) == 0; }
  bool StopRequested() override { return stopRequested; }
  bool AudioWarningShown() override { return warningShown; }
  void SetAudioWarningShown() override { warningShown = true; }
  void ShowWarning(const std::string& text, const std::string& title) override {
    warnings.push_back(title + ": " + text);
  }
  void ShowStandardError(const std::string& detail) override { errors.push_back(detail); }
  double SecondsSinceMidnight() override { return now; }
  void DisableFadeTimer() override { fadeTimerOn = false; }

  std::set<std::string> missing;
  bool stopRequested = false;
  bool warningShown = false;
  std::vector<std::string> warnings;
  std::vector<std::string> errors;
  double now = 36000;
  bool fadeTimerOn = true;
};

// Seven fake players and the channels on them.
struct FakeSound {
  std::array<FakePlayer, media::kChannels> players;
  FakeHost host;
  media::SoundChannels channels{Pointers(), host};

  FakePlayer& player(int i) { return players[static_cast<size_t>(i - 1)]; }
  std::array<platform::MediaPlayer*, media::kChannels> Pointers() {
    std::array<platform::MediaPlayer*, media::kChannels> p{};
    for (size_t i = 0; i < p.size(); ++i) p[i] = &players[i];
    return p;
  }
  // A player already playing a file, as an earlier order left it.
  void Playing(int i, const std::string& file, int volume = 0) {
    player(i).file = file;
    player(i).playing = true;
    player(i).volume = volume;
  }
};

inline media::SoundOrder Order(int16_t action, const std::string& file, double volume,
                               bool fade = false, bool repeat = false) {
  media::SoundOrder o;
  o.action = action;
  o.file = file;
  o.volume = volume;
  o.fade = fade;
  o.repeat = repeat;
  return o;
}

}  // namespace sw::testing
