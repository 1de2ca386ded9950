#include "platform/audio_mixer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iostream>
#include <system_error>
#include <unordered_map>
#include <vector>

#include "platform/audio_decode.h"

namespace sw::platform {

namespace {

// One decoded sound: samples in the mixer's format, or a MIDI stream for the music channel.
struct Sound {
  Mix_Chunk* chunk = nullptr;
  std::vector<std::uint8_t> pcm;  // owns the samples of a chunk made from FFmpeg output
  Mix_Music* music = nullptr;
  std::size_t bytes = 0;

  Sound() = default;
  Sound(const Sound&) = delete;
  Sound& operator=(const Sound&) = delete;
  ~Sound() {
    // Freeing halts whatever still plays it.
    if (chunk != nullptr) Mix_FreeChunk(chunk);
    if (music != nullptr) Mix_FreeMusic(music);
  }
};

// The mixer's volume (0-128) for hundredths of a decibel.
int MixVolume(int hundredthsOfDb) {
  if (hundredthsOfDb <= kVolumeSilent) return 0;
  const double gain = std::pow(10.0, hundredthsOfDb / 2000.0);
  return static_cast<int>(std::lround(gain * MIX_MAX_VOLUME));
}

bool IsMidi(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  char head[12] = {};
  in.read(head, sizeof head);
  if (in.gcount() >= 4 && std::memcmp(head, "MThd", 4) == 0) return true;
  return in.gcount() == 12 && std::memcmp(head, "RIFF", 4) == 0 &&
         std::memcmp(head + 8, "RMID", 4) == 0;
}

using Clock = std::chrono::steady_clock;

constexpr std::size_t kMidiCost = std::size_t{16} << 20;

}  // namespace

class MixerPlayer;

struct AudioMixer::Impl {
  explicit Impl(AudioMixerOptions o) : options(std::move(o)) {}

  std::shared_ptr<Sound> Load(const std::string& gamePath);
  void Evict();

  struct Entry {
    std::shared_ptr<Sound> sound;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type written;
    std::uint64_t used = 0;
  };

  AudioMixerOptions options;
  bool open = false;
  bool subsystem = false;
  PcmFormat format;
  // The soundfont the mixer chose by itself (the system's General MIDI one).
  std::string systemSoundFont;
  std::unordered_map<std::string, Entry> cache;
  std::size_t bytes = 0;
  std::uint64_t uses = 0;
  // The player whose MIDI file has the one music stream.
  const MixerPlayer* musicOwner = nullptr;
  std::array<std::unique_ptr<MixerPlayer>, kPlayers> players;
  // Stream channels in use; they follow the players' channels.
  std::array<bool, kStreams> streamUsed{};

  // Timing of the mixing callback (diagnostics).
  std::atomic<Clock::rep> mixStart{0};
  std::vector<std::int64_t> mixTimes;
  std::atomic<int> mixCount{0};
};

class MixerPlayer final : public MediaPlayer {
 public:
  MixerPlayer(AudioMixer::Impl& mixer, int channel) : mixer_(mixer), channel_(channel) {}
  ~MixerPlayer() override { Stop(); }

  const std::string& FileName() const override { return file_; }

  void SetFileName(const std::string& path) override {
    Stop();
    file_ = path;
    sound_.reset();
    if (path.empty() || !mixer_.open) return;
    sound_ = mixer_.Load(path);
  }

  int PlayState() const override {
    if (!sound_) return kPlayStateStopped;
    if (sound_->music != nullptr) {
      return mixer_.musicOwner == this && Mix_PlayingMusic() != 0 ? kPlayStatePlaying
                                                                  : kPlayStateStopped;
    }
    return Mix_Playing(channel_) != 0 && Mix_GetChunk(channel_) == sound_->chunk
               ? kPlayStatePlaying
               : kPlayStateStopped;
  }

  int Volume() const override { return volume_; }
  void SetVolume(int hundredthsOfDb) override {
    volume_ = std::clamp(hundredthsOfDb, kVolumeSilent, kVolumeFull);
    if (!mixer_.open) return;
    if (sound_ && sound_->music != nullptr) {
      if (mixer_.musicOwner == this) Mix_VolumeMusic(MixVolume(volume_));
    } else {
      Mix_Volume(channel_, MixVolume(volume_));
    }
  }

  int PlayCount() const override { return playCount_; }
  void SetPlayCount(int count) override { playCount_ = std::clamp(count, 0, 1000); }

  void Play() override {
    if (!sound_) return;
    if (sound_->music != nullptr) {
      Mix_VolumeMusic(MixVolume(volume_));
      if (Mix_PlayMusic(sound_->music, playCount_ == 0 ? -1 : playCount_) != 0) {
        throw AudioError(std::string("cannot play MIDI: ") + Mix_GetError());
      }
      mixer_.musicOwner = this;
      return;
    }
    Mix_Volume(channel_, MixVolume(volume_));
    if (Mix_PlayChannel(channel_, sound_->chunk, playCount_ == 0 ? -1 : playCount_ - 1) < 0) {
      throw AudioError(std::string("cannot play: ") + Mix_GetError());
    }
  }

  void Stop() override {
    if (!mixer_.open) return;
    Mix_HaltChannel(channel_);
    if (mixer_.musicOwner == this) {
      Mix_HaltMusic();
      mixer_.musicOwner = nullptr;
    }
  }

 private:
  AudioMixer::Impl& mixer_;
  int channel_;
  std::string file_;
  std::shared_ptr<Sound> sound_;
  int volume_ = kVolumeFull;
  int playCount_ = 1;
};

std::shared_ptr<Sound> AudioMixer::Impl::Load(const std::string& gamePath) {
  const std::filesystem::path file =
      options.locate ? options.locate(gamePath) : std::filesystem::path(gamePath);
  std::error_code error;
  const auto size = std::filesystem::file_size(file, error);
  if (error) throw AudioError(file.filename().string() + ": file not found");
  const auto written = std::filesystem::last_write_time(file, error);
  const std::string key = file.string();
  if (auto it = cache.find(key); it != cache.end()) {
    if (it->second.size == size && it->second.written == written) {
      it->second.used = ++uses;
      return it->second.sound;
    }
    bytes -= it->second.sound->bytes;
    cache.erase(it);
  }

  auto sound = std::make_shared<Sound>();
  if (IsMidi(file)) {
    sound->music = Mix_LoadMUS(file.c_str());
    if (sound->music == nullptr) {
      throw AudioError(file.filename().string() + ": cannot play MIDI (" + Mix_GetError() + ")");
    }
    // A MIDI stream holds a synthesizer with its soundfont: it counts as a sound of that size.
    sound->bytes = kMidiCost;
  } else {
    sound->chunk = Mix_LoadWAV(file.c_str());
    if (sound->chunk == nullptr) {
      sound->pcm = DecodeAudioFile(file, format, options.max_sound_bytes);
      sound->chunk = Mix_QuickLoad_RAW(sound->pcm.data(), static_cast<Uint32>(sound->pcm.size()));
      if (sound->chunk == nullptr) throw AudioError(Mix_GetError());
    } else if (sound->chunk->alen > options.max_sound_bytes) {
      throw AudioError(file.filename().string() + ": too long to play");
    }
    sound->bytes = sound->chunk->alen;
  }
  bytes += sound->bytes;
  cache[key] = Entry{sound, size, written, ++uses};
  Evict();
  return sound;
}

// Drops the sounds used longest ago that no player holds, until the cache fits its budget.
void AudioMixer::Impl::Evict() {
  while (bytes > options.cache_bytes) {
    auto oldest = cache.end();
    for (auto it = cache.begin(); it != cache.end(); ++it) {
      if (it->second.sound.use_count() > 1) continue;
      if (oldest == cache.end() || it->second.used < oldest->second.used) oldest = it;
    }
    if (oldest == cache.end()) return;
    bytes -= oldest->second.sound->bytes;
    cache.erase(oldest);
  }
}

AudioMixer::AudioMixer(AudioMixerOptions options)
    : impl_(std::make_unique<Impl>(std::move(options))) {
  for (int i = 0; i < kPlayers; ++i) impl_->players[i] = std::make_unique<MixerPlayer>(*impl_, i);
  if (impl_->options.headless) SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    std::cerr << "scenewright: no sound: " << SDL_GetError() << '\n';
    return;
  }
  impl_->subsystem = true;
  Mix_Init(MIX_INIT_MP3 | MIX_INIT_OGG | MIX_INIT_MID);
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    std::cerr << "scenewright: no sound: " << Mix_GetError() << '\n';
    return;
  }
  int rate = 0;
  Uint16 format = 0;
  int channels = 0;
  Mix_QuerySpec(&rate, &format, &channels);
  impl_->format = PcmFormat{rate, channels};
  Mix_AllocateChannels(kPlayers + kStreams);
  Mix_ReserveChannels(kPlayers);
  impl_->open = true;
  if (const char* fonts = Mix_GetSoundFonts()) impl_->systemSoundFont = fonts;
}

AudioMixer::~AudioMixer() {
  for (auto& p : impl_->players) p->Stop();
  impl_->players = {};
  impl_->cache.clear();
  if (impl_->open) {
    // The soundfont choice is the mixer library's; leave it as it was found.
    Mix_SetSoundFonts(impl_->systemSoundFont.empty() ? nullptr : impl_->systemSoundFont.c_str());
    Mix_HookMusic(nullptr, nullptr);
    Mix_SetPostMix(nullptr, nullptr);
    Mix_CloseAudio();
  }
  if (impl_->subsystem) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
}

bool AudioMixer::device_open() const {
  return impl_->open;
}

MediaPlayer& AudioMixer::player(int index) {
  return *impl_->players.at(static_cast<std::size_t>(index - 1));
}

void AudioMixer::SetSoundFont(const std::filesystem::path& file) {
  // The list separator cannot be part of a name; such a soundfont is not used.
  const std::string name = file.empty() ? impl_->systemSoundFont : file.string();
  if (name.find(';') != std::string::npos) return;
  Mix_SetSoundFonts(name.empty() ? nullptr : name.c_str());
}

std::unique_ptr<AudioStream> AudioMixer::OpenStream() {
  if (!impl_->open) return nullptr;
  for (int i = 0; i < kStreams; ++i) {
    if (impl_->streamUsed[static_cast<std::size_t>(i)]) continue;
    impl_->streamUsed[static_cast<std::size_t>(i)] = true;
    Impl* impl = impl_.get();
    return PlayStreamOnChannel(kPlayers + i, impl_->format, [impl, i] {
      impl->streamUsed[static_cast<std::size_t>(i)] = false;
    });
  }
  return nullptr;
}

std::size_t AudioMixer::cached_sounds() const {
  return impl_->cache.size();
}
std::size_t AudioMixer::cached_bytes() const {
  return impl_->bytes;
}

std::vector<std::int64_t> AudioMixer::TimeMixing(int callbacks) {
  Impl& m = *impl_;
  if (!m.open || callbacks <= 0) return {};
  m.mixTimes.assign(static_cast<std::size_t>(callbacks), 0);
  m.mixCount = 0;
  // The music hook runs first in each mixing pass, the post-mix hook last.
  Mix_HookMusic(
      [](void* data, Uint8* stream, int len) {
        std::memset(stream, 0, static_cast<std::size_t>(len));
        static_cast<Impl*>(data)->mixStart = Clock::now().time_since_epoch().count();
      },
      &m);
  Mix_SetPostMix(
      [](void* data, Uint8*, int) {
        auto& impl = *static_cast<Impl*>(data);
        const auto end = Clock::now().time_since_epoch().count();
        const int n = impl.mixCount.load();
        if (n >= static_cast<int>(impl.mixTimes.size())) return;
        impl.mixTimes[static_cast<std::size_t>(n)] =
            std::chrono::duration_cast<std::chrono::nanoseconds>(
                Clock::duration(end - impl.mixStart.load()))
                .count();
        impl.mixCount = n + 1;
      },
      &m);
  const auto deadline = Clock::now() + std::chrono::seconds(30);
  while (m.mixCount.load() < callbacks && Clock::now() < deadline) SDL_Delay(1);
  Mix_HookMusic(nullptr, nullptr);
  Mix_SetPostMix(nullptr, nullptr);
  m.mixTimes.resize(static_cast<std::size_t>(m.mixCount.load()));
  return m.mixTimes;
}

}  // namespace sw::platform
