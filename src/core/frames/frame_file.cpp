#include "core/frames/frame_file.h"

#include "core/valuefile/value_reader.h"

namespace sw {

namespace {

constexpr int kChannelsKept = 7;

void SkipValues(ValueReader& reader, int count) {
  for (int i = 0; i < count; ++i) reader.Skip();
}

}  // namespace

FrameHeader ReadFrameHeader(ValueReader& r) {
  FrameHeader h;
  h.FrameKind = r.ReadInteger();
  h.FrameBackground = r.ReadString();
  h.FrameTiled = r.ReadBoolean();
  return h;
}

FrameFile ReadFrameFile(ValueReader& r) {
  FrameFile f;
  f.FrameKind = r.ReadInteger();
  f.FrameBackground = r.ReadString();
  f.FrameTiled = r.ReadBoolean();
  // A file holding only the header describes a frame with nothing else: no sound, video,
  // timer or script.
  if (r.AtEnd()) return f;
  f.InterruptSound = r.ReadBoolean();
  f.SoundFile = r.ReadString();
  f.TimerEnabled = r.ReadBoolean();
  f.TimerDelay = r.ReadVariant();
  f.TimerTarget = r.ReadString();
  f.Video.File = r.ReadString();
  r.Skip();
  if (r.AtEnd()) return f;
  f.StopAllSounds = r.ReadBoolean();
  f.StopMusic = r.ReadBoolean();
  f.MusicFile = r.ReadString();
  if (r.AtEnd()) return f;
  SkipValues(r, 3);
  f.Video.WithoutPlacement = r.ReadBoolean();
  f.Video.InFrameArea = r.ReadBoolean();
  f.Video.Left = r.ReadInteger();
  f.Video.Top = r.ReadInteger();
  f.Video.Width = r.ReadInteger();
  f.Video.Height = r.ReadInteger();
  if (r.AtEnd()) return f;
  f.LoopSound = r.ReadBoolean();
  if (r.AtEnd()) return f;
  f.TimerTransition = r.ReadBoolean();
  f.TimerTransitionDuration = r.ReadLong();
  if (r.AtEnd()) return f;
  f.TimerTransitionNumber = r.ReadInteger();
  if (r.AtEnd()) return f;
  f.ScriptEnabled = r.ReadBoolean();
  f.ScriptText = r.ReadVariant();
  if (r.AtEnd()) return f;
  SkipValues(r, 6);
  f.FadeTime = r.ReadVariant();
  r.ReadInteger();  // stored, not used
  f.ValuesPerChannel = r.ReadInteger();
  if (f.ValuesPerChannel > 5) return f;  // neither the entries nor VideoFirst are read
  f.ChannelCount = r.ReadInteger();
  for (int k = 1; k <= f.ChannelCount; ++k) {
    ChannelEntry entry;
    for (int slot = 0; slot < f.ValuesPerChannel; ++slot) {
      entry[static_cast<size_t>(slot)] = r.ReadVariant();
    }
    if (k <= kChannelsKept) f.Channels.push_back(std::move(entry));
  }
  if (r.AtEnd()) return f;
  f.VideoFirst = r.ReadBoolean();
  return f;
}

}  // namespace sw
