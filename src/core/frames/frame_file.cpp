#include "core/frames/frame_file.h"

#include "core/valuefile/record_archive.h"

namespace sw {

namespace {

constexpr int kChannelsKept = 7;

// The three header values, shared by the whole file and the header alone.
template <class Archive, class Header>
void DescribeHeader(Archive& a, Header& h) {
  a.Integer(h.FrameKind);
  a.String(h.FrameBackground);
  a.Boolean(h.FrameTiled);
  a.EndLine();
}

// The values of a frame file in file order. Reading stops quietly at each end check when the
// file has ended, so that the fields not read keep their defaults; a writer's `lastField` cuts
// the file at the same places.
template <class Archive>
void Describe(Archive& a, FrameFile& f) {
  DescribeHeader(a, f);
  // A file holding only the header describes a frame with nothing else: no sound, video,
  // timer or script.
  if (a.AtEnd()) return;
  a.Boolean(f.InterruptSound);
  a.String(f.SoundFile);
  a.Boolean(f.TimerEnabled);
  a.Value(f.TimerDelay);
  a.String(f.TimerTarget);
  a.String(f.Video.File);
  a.SkipText();
  a.EndLine();
  if (a.AtEnd()) return;
  a.Boolean(f.StopAllSounds);
  a.Boolean(f.StopMusic);
  a.String(f.MusicFile);
  if (a.AtEnd()) return;
  a.SkipText(3);
  a.EndLine();
  a.Boolean(f.Video.WithoutPlacement);
  a.Boolean(f.Video.InFrameArea);
  a.Integer(f.Video.Left);
  a.Integer(f.Video.Top);
  a.Integer(f.Video.Width);
  a.Integer(f.Video.Height);
  a.EndLine();
  if (a.AtEnd()) return;
  a.Boolean(f.LoopSound);
  if (a.AtEnd()) return;
  a.Boolean(f.TimerTransition);
  a.Long(f.TimerTransitionDuration);
  if (a.AtEnd()) return;
  a.Integer(f.TimerTransitionNumber);
  a.EndLine();
  if (a.AtEnd()) return;
  a.Boolean(f.ScriptEnabled);
  a.Value(f.ScriptText);
  a.EndLine();
  if (a.AtEnd()) return;
  a.SkipText(6);
  a.Value(f.FadeTime);
  a.UnusedInteger();  // stored, not used
  a.Integer(f.ValuesPerChannel);
  a.EndLine();
  if (f.ValuesPerChannel > 5) return;  // neither the entries nor VideoFirst are stored
  if constexpr (!Archive::kReading) f.ChannelCount = static_cast<int16_t>(f.Channels.size());
  a.Integer(f.ChannelCount);
  a.EndLine();
  for (int k = 1; k <= f.ChannelCount; ++k) {
    // Entries numbered above 7 are read and dropped.
    ChannelEntry dropped;
    ChannelEntry& entry = !Archive::kReading || k <= kChannelsKept
                              ? a.Element(f.Channels, static_cast<size_t>(k - 1))
                              : dropped;
    for (int slot = 0; slot < f.ValuesPerChannel; ++slot) {
      a.Value(entry[static_cast<size_t>(slot)]);
    }
    a.EndLine();
  }
  if (a.AtEnd()) return;
  a.Boolean(f.VideoFirst);
  a.EndLine();
}

}  // namespace

FrameHeader ReadFrameHeader(ValueReader& reader) {
  RecordReader archive(reader);
  FrameHeader h;
  DescribeHeader(archive, h);
  return h;
}

FrameFile ReadFrameFile(ValueReader& reader) {
  RecordReader archive(reader);
  FrameFile f;
  Describe(archive, f);
  return f;
}

void WriteFrameFile(ValueWriter& writer, FrameFile frame, int lastField) {
  RecordWriter archive(writer, lastField);
  Describe(archive, frame);
}

}  // namespace sw
