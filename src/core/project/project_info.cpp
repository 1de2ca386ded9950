#include "core/project/project_info.h"

#include "core/valuefile/value_reader.h"

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

namespace {

void SkipValues(ValueReader& reader, int count) {
  for (int i = 0; i < count; ++i) reader.Skip();
}

}  // namespace

void ReadProjectInfo(ValueReader& r, ProjectInfo& info) {
  info.SettingsSection = r.ReadString();
  r.ReadString();  // stored by the authoring tool, not used by the player
  info.Title = r.ReadString();
  r.ReadInteger();  // likewise unused, but read as a number to keep the file's order honest
  info.StartFrame = r.ReadString();
  info.Version = r.ReadString();
  info.FrameWidth = r.ReadInteger();
  info.FrameHeight = r.ReadInteger();
  info.Author = r.ReadString();
  info.Email = r.ReadString();
  info.WebSite = r.ReadString();
  info.ResolutionOffer = 1;  // holds for files that end here, written before the offer existed
  if (r.AtEnd()) return;
  info.ResolutionOffer = r.ReadInteger();
  if (r.AtEnd()) return;
  SkipValues(r, 3);
  info.SchemeName = r.ReadString();
  if (r.AtEnd()) return;
  SkipValues(r, 3);
  info.HideLoad = r.ReadBoolean();
  info.HideSave = r.ReadBoolean();
  r.Skip();
  if (r.AtEnd()) return;
  SkipValues(r, 2);
  info.InventoryMarginX = r.ReadLong();
  info.InventoryMarginY = r.ReadLong();
  info.InventoryEnabled = r.ReadBoolean();
  info.InventorySlideOpen = r.ReadBoolean();
  info.InventorySlideClose = r.ReadBoolean();
  info.HideEmptyInventoryHandle = r.ReadBoolean();
  info.InventoryOpensOnPick = r.ReadBoolean();
  info.InventoryCustomGraphics = r.ReadBoolean();
  info.InventoryHandleFile = r.ReadString();
  info.InventoryBackgroundFile = r.ReadString();
  info.ResolutionMode = r.ReadInteger();
  SkipValues(r, 2);
  info.DefaultPointer = r.ReadString();
  if (r.AtEnd()) return;
  SkipValues(r, 2);
  info.RunInWindow = r.ReadBoolean();
  if (r.AtEnd()) return;
  r.Skip();
  info.StartAtOnce = r.ReadBoolean();
  info.HideLogo = r.ReadBoolean();
  if (r.AtEnd()) return;
  r.Skip();
  info.HideTransitionsOption = r.ReadBoolean();
  if (r.AtEnd()) return;
  info.HideEffectsOption = r.ReadBoolean();
  if (r.AtEnd()) return;
  info.MenusNeverShown = r.ReadBoolean();
}

}  // namespace sw
