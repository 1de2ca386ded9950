#include "authoring/frame_data_writer.h"

#include <string_view>

#include "core/frames/action_record.h"
#include "core/valuefile/value_reader.h"
#include "core/valuefile/value_writer.h"
#include "platform/geometry.h"

namespace sw {

namespace {

using platform::kTwipsPerPixel;

void Save(const ProjectWriter& project, const std::string& frame, const std::string& extension,
          const ValueWriter& w) {
  project.WriteText("FramesData/" + frame + extension, w.bytes());
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

// The stored record of an action: flags the editor stores as numbers become 1 or 0, the
// others #TRUE# or #FALSE#.
ActionRecord RecordOf(const ActionSpec& a) {
  auto flag = [](bool on) { return static_cast<int16_t>(on ? 1 : 0); };
  ActionRecord r;
  r.ChangeVariableEnabled = flag(a.ChangeVariable);
  r.VariableToChange = a.VariableToChange;
  r.SetVariableToZero = a.SetToZero;
  r.SetVariableToOne = a.SetToOne;
  r.ToggleVariable = a.Toggle;
  r.ShowMessage = a.ShowMessage;
  r.MessageText = a.MessageText;
  r.HotspotDisappears = a.HotspotDisappears;
  r.EndGame = a.EndGame;
  r.GoToFrameEnabled = flag(a.GoToFrame);
  r.TargetFrame = a.TargetFrame;
  r.InterruptSound = flag(a.InterruptSound);
  r.StopAllSounds = flag(a.StopAllSounds);
  r.PlayVideo = flag(a.PlayVideo);
  r.Video = a.Video;
  r.StopMusic = a.StopMusic;
  r.PlaySound = a.PlaySound;
  r.SoundFile = a.SoundFile;
  r.PlayMusic = a.PlayMusic;
  r.MusicFile = a.MusicFile;
  r.GoBack = a.GoBack;
  r.MessageOption = a.MessageInFrame;
  r.VariableListsEnabled = flag(a.VariableLists);
  r.ListSetToZero = a.ListSetToZero;
  r.ListSetToOne = a.ListSetToOne;
  r.ListToggle = a.ListToggle;
  r.LoopSound = a.LoopSound;
  r.TransitionEnabled = flag(a.Transition);
  r.TransitionDuration = a.TransitionDurationMs;
  r.ScriptEnabled = a.ScriptEnabled;
  r.ScriptText = a.ScriptText;
  r.TransitionNumber = a.TransitionNumber;
  r.FadeDuration = a.FadeDurationMs;
  r.ValuesPerChannel = a.ValuesPerChannel;
  r.Channels = a.Channels;
  r.AddItemEnabled = a.AddItem;
  r.ItemName = a.ItemName;
  r.LastGroup = a.LastGroup;
  return r;
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
    WriteActionFields(w, RecordOf(a));
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
    WriteActionFields(w, RecordOf(a.Action));
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
  project.WriteText("Frames/" + frame + ".chn", w.bytes());
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
