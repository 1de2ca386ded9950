#include "interaction/action_record.h"

#include <array>
#include <cstdlib>

#include "core/valuefile/value_reader.h"
#include "interaction/frame_data_files.h"

namespace sw {

namespace {

constexpr int kChannels = 7;
constexpr int kSlotsPerEntry = 5;

// The number at the start of a text (0 when there is none), as a fade duration is parsed.
double LeadingNumber(const Variant& value) {
  const Variant& v = value.Deref();
  if (v.IsEmpty()) return 0;
  if (!v.IsString()) return v.ToDouble();
  const std::string& text = v.AsString();
  const char* start = text.c_str();
  while (*start == ' ' || *start == '\t') ++start;
  char* end = nullptr;
  const double number = std::strtod(start, &end);
  return end == start ? 0 : number;
}

// The names of one variable list: a count, then that many names.
template <class F>
void ReadNameList(ValueReader& reader, F&& each) {
  const int32_t count = ReadCount(reader);
  for (int32_t i = 0; i < count; ++i) each(reader.ReadString());
}

}  // namespace

ActionRecord ReadActionFields(ValueReader& reader, ActionReadEffects& effects) {
  ActionRecord r;
  // Group 1.
  r.ChangeVariableEnabled = reader.ReadInteger();
  r.VariableToChange = reader.ReadString();
  r.SetVariableToZero = reader.ReadVariant();
  r.SetVariableToOne = reader.ReadVariant();
  r.ToggleVariable = reader.ReadVariant();
  if (r.ChangeVariableEnabled != 0 && !r.VariableToChange.empty()) {
    if (IsOn(r.SetVariableToZero)) effects.ChangeVariable(r.VariableToChange, 0);
    if (IsOn(r.SetVariableToOne)) effects.ChangeVariable(r.VariableToChange, 1);
    if (IsOn(r.ToggleVariable)) effects.ChangeVariable(r.VariableToChange, -1);
  }
  r.ShowMessage = reader.ReadVariant();
  r.MessageText = reader.ReadVariant();
  reader.ReadInteger();
  reader.ReadString();
  r.HotspotDisappears = reader.ReadVariant();
  if (IsOn(r.HotspotDisappears)) effects.Disappear();
  r.EndGame = reader.ReadVariant();
  if (IsOn(r.EndGame)) {
    r.GameEnds = true;
    return r;
  }
  r.GoToFrameEnabled = reader.ReadInteger();
  r.TargetFrame = reader.ReadString();

  // Each later group is there only when the record has not ended before it.
  auto next = [&](int group) {
    if (reader.IsSeparatorNext()) return false;
    r.LastGroup = group;
    return true;
  };
  if (!next(2)) return r;
  r.InterruptSound = reader.ReadInteger();
  if (r.InterruptSound != 0) effects.StopHotspotSound();
  r.StopAllSounds = reader.ReadInteger();
  if (r.StopAllSounds != 0) effects.StopAnyWavOrMP3();
  r.PlayVideo = reader.ReadInteger();
  r.Video.File = reader.ReadString();
  r.Video.WithoutPlacement = reader.ReadBoolean();
  r.Video.InFrameArea = reader.ReadBoolean();
  r.Video.Left = reader.ReadInteger();
  r.Video.Top = reader.ReadInteger();
  r.Video.Width = reader.ReadInteger();
  r.Video.Height = reader.ReadInteger();

  if (!next(3)) return r;
  r.StopMusic = reader.ReadVariant();
  r.PlaySound = reader.ReadVariant();
  r.SoundFile = reader.ReadVariant();
  r.PlayMusic = reader.ReadVariant();
  r.MusicFile = reader.ReadVariant();

  if (!next(4)) return r;
  SkipValues(reader, 3);
  r.GoBack = reader.ReadVariant();

  if (!next(5)) return r;
  SkipValues(reader, 3);
  r.MessageOption = reader.ReadVariant();

  if (!next(6)) return r;
  SkipValues(reader, 3);
  r.VariableListsEnabled = reader.ReadInteger();
  for (const int16_t value : {int16_t{0}, int16_t{1}, int16_t{-1}}) {
    ReadNameList(reader, [&](const std::string& name) {
      if (r.VariableListsEnabled != 0 && !name.empty()) effects.ChangeVariable(name, value);
    });
  }

  if (!next(7)) return r;
  r.LoopSound = reader.ReadBoolean();

  if (!next(8)) return r;
  r.TransitionEnabled = reader.ReadVariant();
  r.TransitionDuration = reader.ReadDouble();

  if (!next(9)) return r;
  r.ScriptEnabled = reader.ReadBoolean();
  r.ScriptText = reader.ReadVariant();

  if (!next(10)) return r;
  r.TransitionNumber = reader.ReadInteger();

  if (!next(11)) return r;
  SkipValues(reader, 6);
  r.FadeDuration = reader.ReadVariant();
  effects.SetFadeTime(LeadingNumber(r.FadeDuration) / 1000.0);
  reader.ReadInteger();
  r.ValuesPerChannel = reader.ReadInteger();
  if (r.ValuesPerChannel > kSlotsPerEntry) return r;
  r.ChannelCount = reader.ReadInteger();
  std::array<Variant, kSlotsPerEntry> slots;
  for (int k = 1; k <= r.ChannelCount; ++k) {
    for (int s = 0; s < r.ValuesPerChannel; ++s)
      slots[static_cast<size_t>(s)] = reader.ReadVariant();
    if (k > kChannels) throw VbError(vberr::kSubscriptOutOfRange);
    ChannelOrder order;
    order.action = slots[0].ToInteger();
    order.fade = slots[1].ToBool();
    order.repeat = slots[2].ToBool();
    order.volume = slots[3].ToDouble();
    order.file = slots[4].ToString();
    effects.SetChannelOrder(k, order);
  }

  if (!next(12)) return r;
  r.AddItemEnabled = reader.ReadBoolean();
  r.ItemName = reader.ReadString();
  if (r.AddItemEnabled) effects.AddItem(r.ItemName);
  return r;
}

}  // namespace sw
