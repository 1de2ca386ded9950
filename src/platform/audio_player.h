// One media player as the game's sound channels drive it: a file name that loads the file,
// a play state, a volume in hundredths of a decibel, a play count, and play and stop.
#pragma once

#include <stdexcept>
#include <string>

namespace sw::platform {

// PlayState while the player plays; any other value counts as not playing.
inline constexpr int kPlayStatePlaying = 2;
inline constexpr int kPlayStateStopped = 0;
// The volume range: 0 is full volume, -10000 silence.
inline constexpr int kVolumeFull = 0;
inline constexpr int kVolumeSilent = -10000;

// A file the player refused: not audio, damaged, or no decoder for it.
class AudioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class MediaPlayer {
 public:
  virtual ~MediaPlayer() = default;

  // The game path last given (as given); "" before any.
  virtual const std::string& FileName() const = 0;
  // Stops what plays and loads the file (a game path). Throws AudioError when the file
  // cannot be played; the name is kept all the same, and the player stays silent.
  virtual void SetFileName(const std::string& path) = 0;
  // kPlayStatePlaying while the sound plays.
  virtual int PlayState() const = 0;
  // Hundredths of a decibel, clamped to kVolumeSilent..kVolumeFull.
  virtual int Volume() const = 0;
  virtual void SetVolume(int hundredthsOfDb) = 0;
  // How often the sound plays: 1 once, 0 for ever.
  virtual int PlayCount() const = 0;
  virtual void SetPlayCount(int count) = 0;
  virtual void Play() = 0;
  virtual void Stop() = 0;
};

}  // namespace sw::platform
