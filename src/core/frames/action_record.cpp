#include "core/frames/action_record.h"

#include <cstdlib>
#include <utility>

#include "base/vb_error.h"
#include "core/valuefile/record_archive.h"
#include "core/valuefile/stored_values.h"

namespace sw {

namespace {

constexpr int kChannels = 7;
constexpr int kSlotsPerEntry = 5;

// The number at the start of a text (0 when there is none), as a fade duration is parsed.
double LeadingNumber(const Variant& value) {
  const Variant& v = value.Deref();
  if (v.IsEmpty()) return 0;
  if (!v.IsString()) return v.ToDouble();
  const std::string& text = v.ToStringUtf8();
  const char* start = text.c_str();
  while (*start == ' ' || *start == '\t') ++start;
  char* end = nullptr;
  const double number = std::strtod(start, &end);
  return end == start ? 0 : number;
}

// The order a channel entry gives, converted as the values are stored (13 Type mismatch or
// 6 Overflow for values that are no such number).
ChannelOrder OrderOf(const ChannelEntry& slots) {
  ChannelOrder order;
  order.action = slots[0].ToInteger();
  order.fade = slots[1].ToBool();
  order.repeat = slots[2].ToBool();
  order.volume = slots[3].ToDouble();
  order.file = slots[4].ToStringUtf8();
  return order;
}

// The action fields in file order. Reading applies each effect as soon as its fields are
// read, so that an error further on leaves the effects before it done; `effects` is only
// used when reading.
template <class Archive>
void Describe(Archive& a, ActionRecord& r, ActionReadEffects* effects) {
  constexpr bool kReading = Archive::kReading;
  // Group 1.
  a.Integer(r.ChangeVariableEnabled);
  a.String(r.VariableToChange);
  a.Value(r.SetVariableToZero);
  a.Value(r.SetVariableToOne);
  a.Value(r.ToggleVariable);
  if constexpr (kReading) {
    if (r.ChangeVariableEnabled != 0 && !r.VariableToChange.empty()) {
      if (IsOn(r.SetVariableToZero)) effects->ChangeVariable(r.VariableToChange, 0);
      if (IsOn(r.SetVariableToOne)) effects->ChangeVariable(r.VariableToChange, 1);
      if (IsOn(r.ToggleVariable)) effects->ChangeVariable(r.VariableToChange, -1);
    }
  }
  a.Value(r.ShowMessage);
  a.Value(r.MessageText);
  a.UnusedInteger();
  a.UnusedString();
  a.Value(r.HotspotDisappears);
  if constexpr (kReading) {
    if (IsOn(r.HotspotDisappears)) effects->Disappear();
  }
  a.Value(r.EndGame);
  if constexpr (kReading) {
    // The rest of the record is there, but the game ends without reading it.
    if (IsOn(r.EndGame)) {
      r.GameEnds = true;
      return;
    }
  }
  a.Integer(r.GoToFrameEnabled);
  a.String(r.TargetFrame);
  a.EndLine();

  // Each later group is there only when the record has not ended before it.
  if (!a.GroupFollows(r.LastGroup, 2)) return;
  a.Integer(r.InterruptSound);
  if constexpr (kReading) {
    if (r.InterruptSound != 0) effects->StopHotspotSound();
  }
  a.Integer(r.StopAllSounds);
  if constexpr (kReading) {
    if (r.StopAllSounds != 0) effects->StopAnyWavOrMP3();
  }
  a.Integer(r.PlayVideo);
  a.String(r.Video.File);
  a.Boolean(r.Video.WithoutPlacement);
  a.Boolean(r.Video.InFrameArea);
  a.Integer(r.Video.Left);
  a.Integer(r.Video.Top);
  a.Integer(r.Video.Width);
  a.Integer(r.Video.Height);
  a.EndLine();

  if (!a.GroupFollows(r.LastGroup, 3)) return;
  a.Value(r.StopMusic);
  a.Value(r.PlaySound);
  a.Value(r.SoundFile);
  a.Value(r.PlayMusic);
  a.Value(r.MusicFile);
  a.EndLine();

  if (!a.GroupFollows(r.LastGroup, 4)) return;
  a.SkipNumber(3);
  a.Value(r.GoBack);
  a.EndLine();

  if (!a.GroupFollows(r.LastGroup, 5)) return;
  a.SkipNumber(3);
  a.Value(r.MessageOption);
  a.EndLine();

  if (!a.GroupFollows(r.LastGroup, 6)) return;
  a.SkipNumber(3);
  a.Integer(r.VariableListsEnabled);
  // Three lists of names, each a count and then the names: set to 0, set to 1, toggled.
  const std::pair<std::vector<std::string>*, int16_t> lists[] = {
      {&r.ListSetToZero, 0}, {&r.ListSetToOne, 1}, {&r.ListToggle, -1}};
  for (const auto& [list, value] : lists) {
    int32_t count = static_cast<int32_t>(list->size());
    a.Count(count);
    for (int32_t i = 0; i < count; ++i) {
      std::string& name = a.Element(*list, static_cast<size_t>(i));
      a.String(name);
      if constexpr (kReading) {
        if (r.VariableListsEnabled != 0 && !name.empty()) effects->ChangeVariable(name, value);
      }
    }
  }
  a.EndLine();

  if (!a.GroupFollows(r.LastGroup, 7)) return;
  a.Boolean(r.LoopSound);
  a.EndLine();

  if (!a.GroupFollows(r.LastGroup, 8)) return;
  a.Value(r.TransitionEnabled);
  a.Double(r.TransitionDuration);
  a.EndLine();

  if (!a.GroupFollows(r.LastGroup, 9)) return;
  a.Boolean(r.ScriptEnabled);
  a.Value(r.ScriptText);
  a.EndLine();

  if (!a.GroupFollows(r.LastGroup, 10)) return;
  a.Integer(r.TransitionNumber);
  a.EndLine();

  if (!a.GroupFollows(r.LastGroup, 11)) return;
  a.SkipNumber(6);
  a.Value(r.FadeDuration);
  if constexpr (kReading) effects->SetFadeTime(LeadingNumber(r.FadeDuration) / 1000.0);
  a.UnusedInteger();
  a.Integer(r.ValuesPerChannel);
  if (r.ValuesPerChannel > kSlotsPerEntry) {
    a.EndLine();
    return;  // neither the entries nor any later group are read
  }
  if constexpr (!kReading) r.ChannelCount = static_cast<int16_t>(r.Channels.size());
  a.Integer(r.ChannelCount);
  for (int k = 1; k <= r.ChannelCount; ++k) {
    ChannelEntry beyond;
    ChannelEntry& entry =
        !kReading || k <= kChannels ? a.Element(r.Channels, static_cast<size_t>(k - 1)) : beyond;
    for (int s = 0; s < r.ValuesPerChannel; ++s) a.Value(entry[static_cast<size_t>(s)]);
    if constexpr (kReading) {
      if (k > kChannels) throw VbError(vberr::kSubscriptOutOfRange);
      effects->SetChannelOrder(k, OrderOf(entry));
    }
  }
  a.EndLine();

  if (!a.GroupFollows(r.LastGroup, 12)) return;
  a.Boolean(r.AddItemEnabled);
  a.String(r.ItemName);
  if constexpr (kReading) {
    if (r.AddItemEnabled) effects->AddItem(r.ItemName);
  }
  a.EndLine();
}

}  // namespace

ActionRecord ReadActionFields(ValueReader& reader, ActionReadEffects& effects) {
  RecordReader archive(reader);
  ActionRecord record;
  Describe(archive, record, &effects);
  return record;
}

void WriteActionFields(ValueWriter& writer, ActionRecord record) {
  RecordWriter archive(writer);
  Describe(archive, record, nullptr);
}

}  // namespace sw
