#include "authoring/frame_data_writer.h"

#include <string_view>

#include "core/valuefile/value_reader.h"
#include "core/valuefile/value_writer.h"
#include "platform/geometry.h"

namespace sw {

namespace {

using platform::kTwipsPerPixel;

void Save(const ProjectWriter& project, const std::string& frame, const std::string& extension,
          const ValueWriter& w) {
  project.WriteRaw("FramesData/" + frame + extension, w.bytes());
}

void Separator(ValueWriter& w) {
  w.String(ValueReader::kSeparator).EndLine();
}

// The editor's own values that the player skips.
void Reserved(ValueWriter& w, int count) {
  for (int i = 0; i < count; ++i) w.Integer(0);
}

// An old sound system block: its ignored leading values, then one line per old channel.
void OldSoundBlock(ValueWriter& w, const std::vector<OldChannelSpec>& channels) {
  w.Integer(0);
  Reserved(w, 21);
  w.EndLine();
  for (const OldChannelSpec& c : channels) {
    w.Integer(0).Boolean(c.Stop).Boolean(c.Play).String(c.File).Integer(c.Repeat).EndLine();
  }
}

void Names(ValueWriter& w, const std::vector<std::string>& names) {
  w.Integer(static_cast<int16_t>(names.size()));
  for (const auto& name : names) w.String(name);
}

void Flag(ValueWriter& w, bool on) {
  w.Integer(on ? 1 : 0);
}

// The action fields that follow a record's leading values.
void ActionFields(ValueWriter& w, const ActionSpec& a) {
  Flag(w, a.ChangeVariable);
  w.String(a.VariableToChange).Boolean(a.SetToZero).Boolean(a.SetToOne).Boolean(a.Toggle);
  w.Boolean(a.ShowMessage).String(a.MessageText).Integer(0).String("");
  w.Boolean(a.HotspotDisappears).Boolean(a.EndGame);
  Flag(w, a.GoToFrame);
  w.String(a.TargetFrame).EndLine();
  if (a.LastGroup < 2) return;
  Flag(w, a.InterruptSound);
  Flag(w, a.StopAllSounds);
  Flag(w, a.PlayVideo);
  w.String(a.Video.File).Boolean(a.Video.WithoutPlacement).Boolean(a.Video.InFrameArea);
  w.Integer(a.Video.Left).Integer(a.Video.Top).Integer(a.Video.Width).Integer(a.Video.Height).EndLine();
  if (a.LastGroup < 3) return;
  w.Boolean(a.StopMusic).Boolean(a.PlaySound).String(a.SoundFile);
  w.Boolean(a.PlayMusic).String(a.MusicFile).EndLine();
  if (a.LastGroup < 4) return;
  Reserved(w, 3);
  w.Boolean(a.GoBack).EndLine();
  if (a.LastGroup < 5) return;
  Reserved(w, 3);
  w.Boolean(a.MessageInFrame).EndLine();
  if (a.LastGroup < 6) return;
  Reserved(w, 3);
  Flag(w, a.VariableLists);
  Names(w, a.ListSetToZero);
  Names(w, a.ListSetToOne);
  Names(w, a.ListToggle);
  w.EndLine();
  if (a.LastGroup < 7) return;
  w.Boolean(a.LoopSound).EndLine();
  if (a.LastGroup < 8) return;
  w.Integer(a.Transition ? 1 : 0).Double(a.TransitionDurationMs).EndLine();
  if (a.LastGroup < 9) return;
  w.Boolean(a.ScriptEnabled).String(a.ScriptText).EndLine();
  if (a.LastGroup < 10) return;
  w.Integer(a.TransitionNumber).EndLine();
  if (a.LastGroup < 11) return;
  Reserved(w, 6);
  w.String(a.FadeDurationMs).Integer(0).Integer(a.ValuesPerChannel);
  if (a.ValuesPerChannel <= 5) {
    w.Integer(static_cast<int16_t>(a.Channels.size()));
    for (const ChannelEntry& entry : a.Channels) {
      for (int s = 0; s < a.ValuesPerChannel; ++s) w.Value(entry[static_cast<size_t>(s)]);
    }
  }
  w.EndLine();
  if (a.LastGroup < 12) return;
  w.Boolean(a.AddItem).String(a.ItemName).EndLine();
}

}  // namespace

void WriteHotspots(const ProjectWriter& project, const std::string& frame,
                   const std::vector<HotspotSpec>& hotspots, bool merged) {
  ValueWriter w;
  int number = 0;
  for (const HotspotSpec& h : hotspots) {
    w.String("Hotspot" + std::to_string(++number)).Integer(h.MergeMarker);
    Reserved(w, 8);
    w.EndLine();
    w.Double(h.Left * kTwipsPerPixel).Double(h.Top * kTwipsPerPixel);
    w.Double(h.Width * kTwipsPerPixel).Double(h.Height * kTwipsPerPixel);
    w.Integer(h.Animated ? 1 : 0).Boolean(h.HasPicture).String(h.PictureFile);
    w.Integer(h.Stretch ? 1 : 0).String(h.PointerFile).Integer(h.Conditions ? 1 : 0).EndLine();
    Names(w, h.MustBeOne);
    Names(w, h.MustBeZero);
    if (h.Speed) w.Double(*h.Speed);
    w.EndLine();
    Separator(w);
  }
  Save(project, frame, merged ? ".mr2" : ".fm2", w);
}

void WriteActions(const ProjectWriter& project, const std::string& frame,
                  const std::vector<ActionSpec>& actions, bool merged) {
  ValueWriter w;
  for (const ActionSpec& a : actions) {
    Reserved(w, 10);
    w.EndLine();
    ActionFields(w, a);
    Separator(w);
  }
  Save(project, frame, merged ? ".mr3" : ".fm3", w);
}

void WriteItemActions(const ProjectWriter& project, const std::string& frame,
                      const std::vector<ItemActionSpec>& actions) {
  ValueWriter w;
  for (const ItemActionSpec& a : actions) {
    w.Integer(0);
    w.String(a.KeyOverride.empty() ? std::to_string(a.Hotspot) + "_" + a.Item + ".drg"
                                   : a.KeyOverride);
    Reserved(w, 8);
    w.EndLine();
    ActionFields(w, a.Action);
    Separator(w);
  }
  Save(project, frame, ".fm0", w);
}

void WriteHotspotChannels(const ProjectWriter& project, const std::string& frame,
                          const std::vector<HotspotChannelsSpec>& blocks) {
  ValueWriter w;
  for (const HotspotChannelsSpec& b : blocks) {
    w.Integer(0).Integer(b.Hotspot);
    Reserved(w, 8);
    w.EndLine();
    OldSoundBlock(w, b.Channels);
    Separator(w);
  }
  Save(project, frame, ".fm5", w);
}

void WriteFrameChannels(const ProjectWriter& project, const std::string& frame,
                        const std::vector<OldChannelSpec>& channels) {
  ValueWriter w;
  OldSoundBlock(w, channels);
  project.WriteRaw("Frames/" + frame + ".chn", w.bytes());
}

void WriteTexts(const ProjectWriter& project, const std::string& frame,
                const std::vector<TextSpec>& texts, bool merged) {
  ValueWriter w;
  int number = 0;
  for (const TextSpec& t : texts) {
    w.String("Text" + std::to_string(++number)).Integer(t.MergeMarker);
    Reserved(w, 8);
    w.EndLine();
    w.String(t.Caption).Double(t.Left * kTwipsPerPixel).Double(t.Top * kTwipsPerPixel);
    w.Boolean(t.Bold).Boolean(t.Italic).String(t.FontName).Double(t.FontSize);
    w.Boolean(t.Strikethrough).Boolean(t.Underline).Long(t.ForeColor).Integer(0).EndLine();
  }
  Save(project, frame, merged ? ".mr1" : ".fm1", w);
}

}  // namespace sw
