// The media back end the multimedia wrapper drives: devices opened under an alias (a video
// as a window inside a container), played, paused, stopped, sought, asked for their mode,
// length and position, and closed. The game's back end plays videos; tests record calls.
#pragma once

#include <string>

namespace sw::platform {
class Element;
}

namespace sw::video {

class MediaBackend {
 public:
  virtual ~MediaBackend() = default;

  // Opens `file` under `alias` as a device of `type` ("Sequencer", "Waveaudio", "AviVideo");
  // a video gets its window inside `parent` when one is given. A failure opens nothing.
  virtual void Open(const std::string& alias, const std::string& file, const std::string& type,
                    platform::Element* parent) = 0;
  // Places and sizes the video window, in pixels of its container.
  virtual void PutWindow(const std::string& alias, int left, int top, int width, int height) = 0;
  // `wait`: returns when playback ends. `window`: shows the video window.
  virtual void Play(const std::string& alias, bool wait, bool window) = 0;
  virtual void Pause(const std::string& alias) = 0;
  virtual void Stop(const std::string& alias) = 0;
  virtual void Close(const std::string& alias) = 0;
  virtual void Seek(const std::string& alias, double position) = 0;
  // Milliseconds; 0 for an alias that is not open.
  virtual double Length(const std::string& alias) = 0;
  virtual double Position(const std::string& alias) = 0;
  // "playing", "paused", "stopped"; "" for an alias that is not open.
  virtual std::string Mode(const std::string& alias) = 0;
  // True while a device is open under the alias.
  virtual bool InUse(const std::string& alias) = 0;

  // What the wrapper needs from its surroundings: a directory look-up for a file, the time
  // of day, and one pass of the window events.
  virtual bool FileExists(const std::string& file) = 0;
  virtual double SecondsSinceMidnight() = 0;
  virtual void DoEvents() = 0;
};

}  // namespace sw::video
