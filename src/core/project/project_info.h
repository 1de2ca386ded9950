// The project information record of the configuration folder's "General" file: the title,
// start frame, frame size and the switches that shape the whole player.
#pragma once

#include <climits>
#include <cstdint>
#include <string>

namespace sw {

class ValueReader;
class ValueWriter;

struct ProjectInfo {
  std::string SettingsSection;  // section of this game's per-user settings
  std::string Title;
  std::string StartFrame;
  std::string Version;
  int16_t FrameWidth = 0;  // pixels
  int16_t FrameHeight = 0;
  std::string Author;
  std::string Email;
  std::string WebSite;
  int16_t ResolutionOffer = 0;  // 1 = the welcome window offers a display change
  std::string SchemeName;
  bool HideLoad = false;
  bool HideSave = false;
  int32_t InventoryMarginX = 10;
  int32_t InventoryMarginY = 10;
  bool InventoryEnabled = true;
  bool InventorySlideOpen = true;
  bool InventorySlideClose = true;
  bool HideEmptyInventoryHandle = true;
  bool InventoryOpensOnPick = true;
  bool InventoryCustomGraphics = false;
  std::string InventoryHandleFile = "DEFAULT";
  std::string InventoryBackgroundFile = "DEFAULT";
  int16_t ResolutionMode = 0;  // 0 = 640x480, 1 = 800x600, 2 = 1024x768
  std::string DefaultPointer = "DEFAULT";
  bool RunInWindow = false;
  bool StartAtOnce = false;
  bool HideLogo = false;
  bool HideTransitionsOption = false;
  bool HideEffectsOption = false;
  bool MenusNeverShown = false;

  // Welcome-window scheme values, reset together with the record.
  int16_t SchemeLogoVariant = 0;
  bool SchemeLogoPosition = false;
};

// Puts back the defaults that hold before "General" is read; the text fields that have no
// default (title, frame, author ...) keep what they held.
void ResetProjectInfo(ProjectInfo& info);

// Reads the values of "General" in their fixed order, stopping quietly at each end check when
// the file has ended. Errors propagate as VbError; what was read before the error stays.
void ReadProjectInfo(ValueReader& reader, ProjectInfo& info);

// Largest frame the player opens: every picture of the game window has the frame's size.
inline constexpr int kMaxFrameSide = 8192;
inline constexpr int64_t kMaxFramePixels = 16 << 20;
// True for a frame size the player can play: no side negative or above kMaxFrameSide, and
// no more than kMaxFramePixels in all.
bool IsPlayableFrameSize(int width, int height);

// Writes the values of "General" in the same order, from the same description. `lastField`
// (1..48) stops after that value, as files of older authoring tools do.
void WriteProjectInfo(ValueWriter& writer, ProjectInfo info, int lastField = INT_MAX);

}  // namespace sw
