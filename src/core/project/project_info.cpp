#include "core/project/project_info.h"

#include "core/valuefile/record_archive.h"

namespace sw {

void ResetProjectInfo(ProjectInfo& info) {
  info.SettingsSection = "None";
  info.InventoryMarginX = 10;
  info.InventoryMarginY = 10;
  info.InventoryEnabled = true;
  info.InventorySlideOpen = true;
  info.InventorySlideClose = true;
  info.HideEmptyInventoryHandle = true;
  info.InventoryOpensOnPick = true;
  info.InventoryCustomGraphics = false;
  info.InventoryHandleFile = "DEFAULT";
  info.InventoryBackgroundFile = "DEFAULT";
  info.DefaultPointer = "DEFAULT";
  info.ResolutionMode = 0;
  info.RunInWindow = false;
  info.StartAtOnce = false;
  info.HideLogo = false;
  info.HideTransitionsOption = false;
  info.HideEffectsOption = false;
  info.MenusNeverShown = false;
  info.SchemeLogoVariant = 0;
  info.SchemeLogoPosition = false;
}

bool IsPlayableFrameSize(int width, int height) {
  if (width < 0 || height < 0 || width > kMaxFrameSide || height > kMaxFrameSide) return false;
  return int64_t{width} * height <= kMaxFramePixels;
}

namespace {

// The values of "General" in file order. Reading stops quietly at each end check when the file
// has ended; a writer's `lastField` cuts the file at the same places.
template <class Archive>
void Describe(Archive& a, ProjectInfo& info) {
  a.String(info.SettingsSection);
  a.UnusedString();  // stored by the authoring tool, not used by the player
  a.String(info.Title);
  a.UnusedInteger();  // likewise unused, but read as a number to keep the file's order honest
  a.String(info.StartFrame);
  a.String(info.Version);
  a.Integer(info.FrameWidth);
  a.Integer(info.FrameHeight);
  a.EndLine();
  a.String(info.Author);
  a.String(info.Email);
  a.String(info.WebSite);
  a.Preset(info.ResolutionOffer, 1);  // holds for files that end here, written before the offer
  if (a.AtEnd()) return;
  a.Integer(info.ResolutionOffer);
  if (a.AtEnd()) return;
  a.SkipText(3);
  a.String(info.SchemeName);
  a.EndLine();
  if (a.AtEnd()) return;
  a.SkipText(3);
  a.Boolean(info.HideLoad);
  a.Boolean(info.HideSave);
  a.SkipFlag();
  if (a.AtEnd()) return;
  a.SkipText(2);
  a.Long(info.InventoryMarginX);
  a.Long(info.InventoryMarginY);
  a.EndLine();
  a.Boolean(info.InventoryEnabled);
  a.Boolean(info.InventorySlideOpen);
  a.Boolean(info.InventorySlideClose);
  a.Boolean(info.HideEmptyInventoryHandle);
  a.Boolean(info.InventoryOpensOnPick);
  a.Boolean(info.InventoryCustomGraphics);
  a.String(info.InventoryHandleFile);
  a.String(info.InventoryBackgroundFile);
  a.Integer(info.ResolutionMode);
  a.SkipText(2);
  a.String(info.DefaultPointer);
  a.EndLine();
  if (a.AtEnd()) return;
  a.SkipText(2);
  a.Boolean(info.RunInWindow);
  if (a.AtEnd()) return;
  a.SkipText();
  a.Boolean(info.StartAtOnce);
  a.Boolean(info.HideLogo);
  if (a.AtEnd()) return;
  a.SkipText();
  a.Boolean(info.HideTransitionsOption);
  if (a.AtEnd()) return;
  a.Boolean(info.HideEffectsOption);
  if (a.AtEnd()) return;
  a.Boolean(info.MenusNeverShown);
  a.EndLine();
}

}  // namespace

void ReadProjectInfo(ValueReader& reader, ProjectInfo& info) {
  RecordReader archive(reader);
  Describe(archive, info);
}

void WriteProjectInfo(ValueWriter& writer, ProjectInfo info, int lastField) {
  RecordWriter archive(writer, lastField);
  Describe(archive, info);
}

}  // namespace sw
