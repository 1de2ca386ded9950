// The seven sound channels on top of the seven media players: the channel table and its
// orders, fades and cross-fades, one MIDI file at a time, the old sound blocks, and the
// audio-problem warning.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/audio_player.h"

namespace sw {
class ValueReader;
}

namespace sw::media {

inline constexpr int kChannels = 7;

struct SoundChannel {
  int16_t action = 0;  // 0/1 none, 2 play the file, 3 stop, 4 change the volume
  std::string file;    // relative to the areas folder; "" = nothing to start
  bool fade = false;
  bool repeat = false;
  int16_t player = 0;    // the player serving the channel, 1..7
  int16_t outgoing = 0;  // during a cross-fade, the player of the previous sound; 0 = none
  double previousVolume = 0;
  double volume = 0;  // 0..10
  bool skipIfPlaying = false;
};

// One order for a channel, from a hotspot action or a frame file.
struct SoundOrder {
  int16_t action = 0;
  bool fade = false;
  bool repeat = false;
  double volume = 0;
  std::string file;
};

// What the channels need from the running game.
class SoundHost {
 public:
  virtual ~SoundHost() = default;
  // The areas folder + name, as the media-path lookup finds it (it warns when it is missing).
  virtual std::string ResolveSoundFile(const std::string& name) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool StopRequested() = 0;
  virtual bool AudioWarningShown() = 0;
  virtual void SetAudioWarningShown() = 0;
  // A message box with the warning icon.
  virtual void ShowWarning(const std::string& text, const std::string& title) = 0;
  // The standard error message with a detail.
  virtual void ShowStandardError(const std::string& detail) = 0;
  virtual double SecondsSinceMidnight() = 0;
  // Switches the 100 ms fade timer off.
  virtual void DisableFadeTimer() = 0;
};

class SoundChannels {
 public:
  static constexpr const char* kAudioWarningTitle = "AUDIO PROBLEM";
  static const std::string& AudioWarningText();

  // `players[i]` is player i + 1; they must outlive the channels.
  SoundChannels(const std::array<platform::MediaPlayer*, kChannels>& players, SoundHost& host);

  // A channel volume 0..10 as player volume: (v - 10) x 400 hundredths of a decibel.
  static int32_t ChannelVolumeToPlayer(double volume);

  // Channel c, 1..7.
  const SoundChannel& channel(int c) const { return channels_.at(static_cast<size_t>(c - 1)); }
  // Player i, 1..7.
  platform::MediaPlayer& player(int i) const { return *players_.at(static_cast<size_t>(i - 1)); }
  // The player serving channel c.
  platform::MediaPlayer& PlayerOf(int c) const { return player(channel(c).player); }

  // The fade duration in seconds (clamped to 0..3600).
  void SetFadeTime(double seconds);
  double fade_time() const { return fadeTime_; }
  double fade_start() const { return fadeStart_; }

  // A hotspot action's order replaces channel k's pending order (1..7).
  void SetActionOrder(int k, const SoundOrder& order);
  // A frame file's order, taken only when the channel has no order pending from the action
  // that led to the frame. True when taken.
  bool OfferFrameOrder(int k, const SoundOrder& order);

  void ApplySoundChannels();
  // `progress` is the part of the fade time gone by, 0..1; 1 ends every fade.
  void StepAudioFade(double progress);
  // One tick of the 100 ms fade timer.
  void TimerAudioFade();
  // The lowest player that does not play, or -1.
  int FindFreePlayer() const;
  void StopOtherMidi(int c);
  bool IsFilePlaying(const std::string& path) const;
  void ResetSoundChannels();
  void StopAnyWavOrMP3();
  // Reads an old sound block at the reader's position and plays it.
  void PlaySoundChannels(ValueReader& reader);
  // Stops the player serving channel c, gives it a resolved path, the play count and a level
  // of the 0..10 scale, and starts it (the frame sound, a hotspot's sound and music).
  void PlayOnChannel(int c, const std::string& path, int playCount, double level);

 private:
  SoundChannel& at(int c) { return channels_.at(static_cast<size_t>(c - 1)); }
  void Start(platform::MediaPlayer& p, const std::string& path, bool repeat, double level);

  std::array<platform::MediaPlayer*, kChannels> players_;
  SoundHost& host_;
  std::array<SoundChannel, kChannels> channels_;
  double fadeTime_ = 0;
  double fadeStart_ = 0;
};

}  // namespace sw::media
