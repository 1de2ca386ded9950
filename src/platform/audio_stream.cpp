#include "platform/audio_stream.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <mutex>
#include <vector>

#include "platform/audio_player.h"

namespace sw::platform {

namespace {

// Four seconds of sound can wait in a stream.
constexpr int kBufferSeconds = 4;
// The silent sound the channel loops; the stream's effect writes the real samples over it.
constexpr std::size_t kSilenceBytes = 4096;

}  // namespace

struct AudioStream::Impl {
  int channel = -1;
  PcmFormat format;
  std::function<void()> released;
  std::vector<std::uint8_t> silence;
  Mix_Chunk* chunk = nullptr;

  mutable std::mutex mutex;
  std::vector<std::int16_t> ring;  // interleaved samples
  std::size_t read = 0;            // in samples
  std::size_t count = 0;           // samples waiting
  std::atomic<std::int64_t> played{0};
  std::atomic<bool> paused{false};

  std::size_t channels() const { return static_cast<std::size_t>(std::max(1, format.channels)); }

  // Runs on the audio thread for each piece the channel mixes.
  static void Fill(int, void* stream, int len, void* data) {
    auto& self = *static_cast<Impl*>(data);
    auto* out = static_cast<std::int16_t*>(stream);
    const std::size_t want = static_cast<std::size_t>(len) / sizeof(std::int16_t);
    std::size_t given = 0;
    if (!self.paused.load()) {
      std::lock_guard<std::mutex> lock(self.mutex);
      given = std::min(want, self.count);
      given -= given % self.channels();
      for (std::size_t i = 0; i < given; ++i) {
        out[i] = self.ring[self.read];
        self.read = (self.read + 1) % self.ring.size();
      }
      self.count -= given;
    }
    std::fill(out + given, out + want, std::int16_t{0});
    self.played += static_cast<std::int64_t>(given / self.channels());
  }
};

AudioStream::AudioStream(std::shared_ptr<Impl> impl) : impl_(std::move(impl)) {}

AudioStream::~AudioStream() {
  // Halting the channel removes its effect; the lock keeps the audio thread out meanwhile.
  Mix_HaltChannel(impl_->channel);
  Mix_FreeChunk(impl_->chunk);
  if (impl_->released) impl_->released();
}

PcmFormat AudioStream::format() const {
  return impl_->format;
}

std::size_t AudioStream::room() const {
  std::lock_guard<std::mutex> lock(impl_->mutex);
  return (impl_->ring.size() - impl_->count) / impl_->channels();
}

std::size_t AudioStream::Push(const std::int16_t* samples, std::size_t frames) {
  Impl& s = *impl_;
  std::lock_guard<std::mutex> lock(s.mutex);
  const std::size_t n = std::min(frames, (s.ring.size() - s.count) / s.channels());
  std::size_t write = (s.read + s.count) % s.ring.size();
  for (std::size_t i = 0; i < n * s.channels(); ++i) {
    s.ring[write] = samples[i];
    write = (write + 1) % s.ring.size();
  }
  s.count += n * s.channels();
  return n;
}

std::size_t AudioStream::buffered() const {
  std::lock_guard<std::mutex> lock(impl_->mutex);
  return impl_->count / impl_->channels();
}

std::int64_t AudioStream::played() const {
  return impl_->played.load();
}

void AudioStream::SetPaused(bool paused) {
  impl_->paused = paused;
}

void AudioStream::SetVolume(int hundredthsOfDb) {
  const int level = std::clamp(hundredthsOfDb, kVolumeSilent, kVolumeFull);
  const double gain = level <= kVolumeSilent ? 0.0 : std::pow(10.0, level / 2000.0);
  Mix_Volume(impl_->channel, static_cast<int>(std::lround(gain * MIX_MAX_VOLUME)));
}

std::unique_ptr<AudioStream> PlayStreamOnChannel(int channel, PcmFormat format,
                                                 std::function<void()> released) {
  auto impl = std::make_shared<AudioStream::Impl>();
  impl->channel = channel;
  impl->format = format;
  impl->released = std::move(released);
  impl->ring.assign(static_cast<std::size_t>(format.rate) * impl->channels() * kBufferSeconds, 0);
  impl->silence.assign(kSilenceBytes, 0);
  impl->chunk = Mix_QuickLoad_RAW(impl->silence.data(), static_cast<Uint32>(kSilenceBytes));
  auto stream = std::make_unique<AudioStream>(impl);
  if (impl->chunk == nullptr) return nullptr;  // the destructor gives the channel back
  Mix_Volume(channel, MIX_MAX_VOLUME);
  if (Mix_RegisterEffect(channel, &AudioStream::Impl::Fill, nullptr, impl.get()) == 0 ||
      Mix_PlayChannel(channel, impl->chunk, -1) < 0) {
    return nullptr;
  }
  return stream;
}

}  // namespace sw::platform
