// A sound fed piece by piece while it plays on a mixer channel of its own (the sound of a
// video). It counts the samples the device has played: the clock a video's pictures follow.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/audio_decode.h"

namespace sw::platform {

class AudioStream {
 public:
  struct Impl;
  explicit AudioStream(std::shared_ptr<Impl> impl);
  ~AudioStream();
  AudioStream(const AudioStream&) = delete;
  AudioStream& operator=(const AudioStream&) = delete;

  // The device's format: pushed samples are interleaved signed 16-bit at this rate.
  PcmFormat format() const;
  // Room for this many sample frames (one sample per channel) now.
  std::size_t room() const;
  // Appends interleaved frames; what does not fit is left out and the count taken returned.
  std::size_t Push(const std::int16_t* samples, std::size_t frames);
  // Frames waiting to be played.
  std::size_t buffered() const;
  // Frames the device has played since the stream opened.
  std::int64_t played() const;
  // A paused stream plays silence and keeps its place.
  void SetPaused(bool paused);
  // Hundredths of a decibel, 0 = full volume.
  void SetVolume(int hundredthsOfDb);

 private:
  std::shared_ptr<Impl> impl_;
};

// Starts a stream on a free mixer channel; `released` runs when the stream closes, to give
// the channel back. Used by AudioMixer::OpenStream.
std::unique_ptr<AudioStream> PlayStreamOnChannel(int channel, PcmFormat format,
                                                 std::function<void()> released);

}  // namespace sw::platform
