// The frame file (".fme"): one scene's background, sound, music, video, script, frame timer
// and old-style sound-channel entries, in the authoring tool's fixed order.
#pragma once

#include <array>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "core/frames/video_placement.h"
#include "variant/variant.h"

namespace sw {

class ValueReader;
class ValueWriter;

// The five values of one channel entry: action code, fade, repeat, volume (0-10), file name.
using ChannelEntry = std::array<Variant, 5>;

struct FrameFile {
  int16_t FrameKind = 0;  // 0 = colour, 1 = picture, other = no background
  std::string FrameBackground;
  bool FrameTiled = false;
  bool InterruptSound = false;
  std::string SoundFile;
  bool TimerEnabled = false;
  Variant TimerDelay;  // seconds, a number in text form
  std::string TimerTarget;
  VideoPlacement Video;
  bool StopAllSounds = false;
  bool StopMusic = false;
  std::string MusicFile;
  bool LoopSound = true;
  bool TimerTransition = false;
  int32_t TimerTransitionDuration = 0;  // milliseconds
  int16_t TimerTransitionNumber = 0;
  bool ScriptEnabled = false;
  Variant ScriptText;
  Variant FadeTime;  // milliseconds
  int16_t ValuesPerChannel = 0;
  int16_t ChannelCount = 0;
  // Entries 1..7 as stored (entries numbered above 7 are read and dropped). Slots beyond the
  // file's values per channel stay Empty.
  std::vector<ChannelEntry> Channels;
  bool VideoFirst = false;
};

// Reads a frame file, stopping quietly at each end check when the file has ended so that the
// fields not read keep their defaults. Errors propagate as VbError.
FrameFile ReadFrameFile(ValueReader& reader);
// Writes a frame file from the same description. `lastField` stops after that value (3 =
// header only), as files of older authoring tools do; the count of channel entries is the
// number of entries given.
void WriteFrameFile(ValueWriter& writer, FrameFile frame, int lastField = INT_MAX);

// The three header values of a frame file: kind, background, tiled.
struct FrameHeader {
  int16_t FrameKind = 0;
  std::string FrameBackground;
  bool FrameTiled = false;
};
FrameHeader ReadFrameHeader(ValueReader& reader);

}  // namespace sw
