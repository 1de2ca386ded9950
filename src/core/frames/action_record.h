// One hotspot action record as the action files (".fm3", ".mr3", ".fm0") store it after its
// leading values, in the authoring tool's order; older records end early, after field 13 or
// before any later group. Reading has effects at fixed fields (variables, disappearance,
// sounds, items), which go through ActionReadEffects as they are met.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/frames/channel_order.h"
#include "core/frames/frame_file.h"
#include "core/frames/video_placement.h"
#include "variant/variant.h"

namespace sw {

class ValueReader;
class ValueWriter;

struct ActionRecord {
  // group 1
  int16_t ChangeVariableEnabled = 0;
  std::string VariableToChange;
  Variant SetVariableToZero;
  Variant SetVariableToOne;
  Variant ToggleVariable;
  Variant ShowMessage;
  Variant MessageText;
  Variant HotspotDisappears;
  Variant EndGame;
  int16_t GoToFrameEnabled = 0;
  std::string TargetFrame;
  // group 2
  int16_t InterruptSound = 0;
  int16_t StopAllSounds = 0;
  int16_t PlayVideo = 0;
  VideoPlacement Video;
  // group 3
  Variant StopMusic;
  Variant PlaySound;
  Variant SoundFile;
  Variant PlayMusic;
  Variant MusicFile;
  // group 4
  Variant GoBack;
  // group 5
  Variant MessageOption;
  // group 6: the variables set to 0, set to 1 and toggled
  int16_t VariableListsEnabled = 0;
  std::vector<std::string> ListSetToZero;
  std::vector<std::string> ListSetToOne;
  std::vector<std::string> ListToggle;
  // group 7: a record that ends before it plays its sound in a loop
  bool LoopSound = true;
  // group 8
  Variant TransitionEnabled;
  double TransitionDuration = 0;  // milliseconds
  // group 9
  bool ScriptEnabled = false;
  Variant ScriptText;
  // group 10
  int16_t TransitionNumber = 0;
  // group 11
  Variant FadeDuration;
  int16_t ValuesPerChannel = 0;
  int16_t ChannelCount = 0;
  // Entry k for channel k (1..7); slots beyond the values per channel stay Empty.
  std::vector<ChannelEntry> Channels;
  // group 12
  bool AddItemEnabled = false;
  std::string ItemName;

  // Field 11 was on: the game ends and nothing after it was read.
  bool GameEnds = false;
  // The number of the last group read (1..12); a writer stops after it.
  int LastGroup = 1;
};

// What reading a record does at its fixed fields.
class ActionReadEffects {
 public:
  virtual ~ActionReadEffects() = default;
  // ChangeVariableValue; value -1 toggles.
  virtual void ChangeVariable(const std::string& name, int16_t value) = 0;
  // The hotspot disappears, or the dropped item is used up.
  virtual void Disappear() = 0;
  // Stops the player of the hotspot sound (channel 6).
  virtual void StopHotspotSound() = 0;
  virtual void StopAnyWavOrMP3() = 0;
  virtual void SetFadeTime(double seconds) = 0;
  // An order for channel k (1..7).
  virtual void SetChannelOrder(int k, const ChannelOrder& order) = 0;
  virtual void AddItem(const std::string& name) = 0;
};

// Reads the action fields that follow the leading values and applies their reading-time
// effects. Errors propagate as VbError (a channel entry beyond the seventh is 9).
ActionRecord ReadActionFields(ValueReader& reader, ActionReadEffects& effects);

// Writes the action fields from the same description, up to the record's LastGroup (the
// leading values and the separator around them are the caller's). The channel count written
// is the number of entries given.
void WriteActionFields(ValueWriter& writer, ActionRecord record);

}  // namespace sw
