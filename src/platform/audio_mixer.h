// The game's seven media players on SDL_mixer: WAV, MP3 and OGG through the mixer, any other
// file the mixer refuses (WMA) decoded with FFmpeg, MIDI through the mixer's FluidSynth back
// end. Decoded sounds are kept by path, so a sound played again starts at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio_player.h"
#include "platform/audio_stream.h"

namespace sw::platform {

struct AudioMixerOptions {
  // Without a device of its own choosing (headless runs), SDL's dummy driver is asked for,
  // unless SDL_AUDIODRIVER names another.
  bool headless = true;
  // Turns a game path into the file on disk.
  std::function<std::filesystem::path(const std::string&)> locate;
  // Decoded sounds kept for replay, in bytes of samples (a MIDI file counts as 16 MB).
  std::size_t cache_bytes = std::size_t{256} << 20;
  // The longest sound decoded, in bytes of samples (about 25 minutes of CD-quality stereo).
  std::size_t max_sound_bytes = std::size_t{256} << 20;
};

class MixerPlayer;

class AudioMixer {
 public:
  static constexpr int kPlayers = 7;
  // Streams that can play at once besides the players (the sounds of videos).
  static constexpr int kStreams = 4;

  // Opens the audio device; when that fails the players take files and stay silent, and one
  // line on standard error says why.
  explicit AudioMixer(AudioMixerOptions options);
  ~AudioMixer();
  AudioMixer(const AudioMixer&) = delete;
  AudioMixer& operator=(const AudioMixer&) = delete;

  bool device_open() const;
  // Player 1..7.
  MediaPlayer& player(int index);

  // The soundfont MIDI files play with; "" goes back to the system's General MIDI one.
  void SetSoundFont(const std::filesystem::path& file);
  // A stream on a channel of its own, mixed with the players; nullptr when the device is not
  // open or every stream channel is taken. The mixer must outlive the stream.
  std::unique_ptr<AudioStream> OpenStream();

  // Number of decoded sounds kept, and their bytes.
  std::size_t cached_sounds() const;
  std::size_t cached_bytes() const;

  // Diagnostics: the time each of the next `callbacks` mixing passes of the audio thread
  // takes, in nanoseconds. MIDI music is not mixed meanwhile.
  std::vector<std::int64_t> TimeMixing(int callbacks);

 private:
  friend class MixerPlayer;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace sw::platform
