// Writes the per-frame interaction files of a project in the authoring tool's formats:
// hotspots (".fm2"/".mr2"), hotspot actions (".fm3"/".mr3"), item actions (".fm0"), hotspot
// sound-channel blocks (".fm5"), frame sound blocks (".chn") and texts (".fm1"/".mr1"). Positions
// are given in pixels.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "authoring/project_writer.h"
#include "core/frames/frame_file.h"
#include "core/frames/video_placement.h"

namespace sw {

struct HotspotSpec {
  int16_t MergeMarker = 0;  // 1 on the first hotspot of a merged frame
  double Left = 0;          // pixels, the rectangle as drawn in the editor
  double Top = 0;
  double Width = 0;
  double Height = 0;
  bool Animated = false;
  bool HasPicture = false;
  std::string PictureFile;  // in the areas folder
  bool Stretch = false;
  std::string PointerFile;  // in the icons folder; "" = the project's pointer
  bool Conditions = false;
  std::vector<std::string> MustBeOne;   // list A
  std::vector<std::string> MustBeZero;  // list B
  std::optional<double> Speed;          // animation speed, written only when set
};

struct ActionSpec {
  // group 1
  bool ChangeVariable = false;
  std::string VariableToChange;
  bool SetToZero = false;
  bool SetToOne = false;
  bool Toggle = false;
  bool ShowMessage = false;
  std::string MessageText;
  bool HotspotDisappears = false;
  bool EndGame = false;
  bool GoToFrame = false;
  std::string TargetFrame;
  // group 2
  bool InterruptSound = false;
  bool StopAllSounds = false;
  bool PlayVideo = false;
  VideoPlacement Video;
  // group 3
  bool StopMusic = false;
  bool PlaySound = false;
  std::string SoundFile;
  bool PlayMusic = false;
  std::string MusicFile;
  // group 4
  bool GoBack = false;
  // group 5
  bool MessageInFrame = false;
  // group 6
  bool VariableLists = false;
  std::vector<std::string> ListSetToZero;
  std::vector<std::string> ListSetToOne;
  std::vector<std::string> ListToggle;
  // group 7
  bool LoopSound = true;
  // group 8
  bool Transition = false;
  double TransitionDurationMs = 0;
  // group 9
  bool ScriptEnabled = false;
  std::string ScriptText;  // double quotes are stored as "|"
  // group 10
  int16_t TransitionNumber = 0;
  // group 11
  std::string FadeDurationMs = "0";
  int16_t ValuesPerChannel = 5;
  std::vector<ChannelEntry> Channels;  // entry k for channel k; ValuesPerChannel values each
  // group 12
  bool AddItem = false;
  std::string ItemName;

  // Older editors stop after a group: 1 ends the record after field 13, 12 writes them all.
  int LastGroup = 12;
};

// One old-style sound channel of a hotspot's channel block.
struct OldChannelSpec {
  bool Stop = false;
  bool Play = false;
  std::string File;    // in the areas folder
  int16_t Repeat = 0;  // 0 = once
};

struct TextSpec {
  int16_t MergeMarker = 0;
  std::string Caption;
  double Left = 0;  // pixels
  double Top = 0;
  bool Bold = false;
  bool Italic = false;
  std::string FontName = "Arial";
  double FontSize = 10;
  bool Strikethrough = false;
  bool Underline = false;
  int32_t ForeColor = 0;  // 0x00BBGGRR
};

// `merged` writes the ".mr?" file that replaces the ".fm?" file of the same frame.
void WriteHotspots(const ProjectWriter& project, const std::string& frame,
                   const std::vector<HotspotSpec>& hotspots, bool merged = false);
// Record i is the action of hotspot i.
void WriteActions(const ProjectWriter& project, const std::string& frame,
                  const std::vector<ActionSpec>& actions, bool merged = false);
// Actions for items dropped on hotspots: each under its key "<hotspot>_<item>.drg".
struct ItemActionSpec {
  int16_t Hotspot = 1;
  std::string Item;
  ActionSpec Action;
  std::string KeyOverride;  // written instead of the computed key when not empty
};
void WriteItemActions(const ProjectWriter& project, const std::string& frame,
                      const std::vector<ItemActionSpec>& actions);
// Old-style sound blocks of hotspots, by hotspot number (at most five channels each).
struct HotspotChannelsSpec {
  int16_t Hotspot = 1;
  std::vector<OldChannelSpec> Channels;
};
void WriteHotspotChannels(const ProjectWriter& project, const std::string& frame,
                          const std::vector<HotspotChannelsSpec>& blocks);
// The frame's own old sound block (".chn" in the frames folder).
void WriteFrameChannels(const ProjectWriter& project, const std::string& frame,
                        const std::vector<OldChannelSpec>& channels);
void WriteTexts(const ProjectWriter& project, const std::string& frame,
                const std::vector<TextSpec>& texts, bool merged = false);

}  // namespace sw
