#include "scripting/host/action_object.h"

#include "base/ascii.h"
#include "base/unicode_case.h"
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/step_errors.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/picture_box.h"
#include "platform/platform.h"
#include "platform/system/shell.h"
#include "scripting/host/element_object.h"
#include "scripting/host/player_version.h"
#include "scripting/host/script_paths.h"

namespace sw {

namespace {

// What a method without a result gives back: Empty.
Variant NoResult() {
  return Variant();
}

std::string Arg(Args a, size_t i) {
  return a.IsMissing(i) ? std::string() : a[i].ToStringUtf8();
}

bool FlagArg(Args a, size_t i) {
  return !a.IsMissing(i) && a[i].ToBool();
}

// --- Requests and the game ------------------------------------------------------------------

Variant GoToFrame(ActionObject& self, Args a) {
  self.sFrameToLoad = Arg(a, 0);
  self.dTransitionDuration = a.IsMissing(1) ? 0 : a[1].ToDouble();
  self.iTransitionNumber = a.IsMissing(2) ? int16_t{0} : a[2].ToInteger();
  return NoResult();
}

Variant ResetModule(ActionObject& self, Args) {
  self.ResetModule();
  return NoResult();
}

Variant StopEverything(ActionObject& self, Args) {
  if (GameWindow* game = self.runtime().game()) game->BeginClosing();
  return NoResult();
}

Variant Quit(ActionObject& self, Args) {
  self.bStopGame = true;
  return NoResult();
}

Variant GetHotspotNumber(ActionObject& self, Args) {
  return Variant(self.iHotspotNumber);
}

Variant GetCurrentFrameName(ActionObject& self, Args) {
  return Variant(self.runtime().CurrentFrameName);
}

Variant GetClickPositionX(ActionObject& self, Args) {
  return Variant(static_cast<int16_t>(self.runtime().subsystems().clicks->LastClickX()));
}

Variant GetClickPositionY(ActionObject& self, Args) {
  return Variant(static_cast<int16_t>(self.runtime().subsystems().clicks->LastClickY()));
}

Variant GetMergedHotspotIndex(ActionObject& self, Args) {
  return Variant(static_cast<int16_t>(self.runtime().subsystems().hotspots->MergedHotspotStart()));
}

Variant GetMergedTextIndex(ActionObject& self, Args) {
  return Variant(static_cast<int16_t>(self.runtime().subsystems().texts->MergedTextStart()));
}

Variant GetScenewrightVersion(ActionObject&, Args) {
  return Variant(PlayerVersionText());
}

// --- The desktop and files ------------------------------------------------------------------

Variant SendEmail(ActionObject& self, Args a) {
  const std::string address = Arg(a, 0);
  if (address.empty()) return NoResult();
  try {
    OpenWithDesktop("mailto:" + address);
  } catch (const std::exception&) {
    self.Fail(" Error opening the default mail client to send email to: " + address);
  }
  return NoResult();
}

Variant OpenURL(ActionObject& self, Args a) {
  const std::string url = Arg(a, 0);
  if (url.empty()) return NoResult();
  try {
    OpenWithDesktop(url);
  } catch (const std::exception&) {
    self.Fail(" Error opening the following URL with the default browser:\r\n\r\n" + url);
  }
  return NoResult();
}

Variant OpenFile(ActionObject& self, Args a) {
  GameRuntime& rt = self.runtime();
  const std::string title = Arg(a, 0);
  if (title.empty()) return NoResult();
  try {
    const std::filesystem::path file = rt.ConfinedPath(title);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) throw VbError(vberr::kFileNotFound);
    OpenWithDesktop(file.string());
  } catch (const std::exception& e) {
    self.Fail(" Error opening the file titled '" + title + "'.\r\n\r\n" + ErrorDescription(e));
  }
  return NoResult();
}

Variant OpenExeFileAndWait(ActionObject& self, Args a) {
  GameRuntime& rt = self.runtime();
  const std::string title = Arg(a, 0);
  GameWindow* game = rt.game();
  if (title.empty() || game == nullptr) return NoResult();
  const bool timerWasOn = game->Timer1.enabled();
  game->form().client().SetEnabled(false);  // no input reaches the game meanwhile
  game->Timer1.SetEnabled(false);
  // The name is completed where the program is looked for, after the command line is split,
  // so that a project folder with blanks in its name still works.
  rt.RunAndWait(title, true);
  game->form().client().SetEnabled(true);
  game->Timer1.SetEnabled(timerWasOn);
  return NoResult();
}

Variant DDir(ActionObject& self, Args a) {
  GameRuntime& rt = self.runtime();
  const int attributes = a.IsMissing(1) ? 0 : a[1].ToInteger();
  std::string pattern = Arg(a, 0);
  if (!pattern.empty()) {
    // The folder searched must be one the game may read; names come back without it.
    pattern = CompleteProjectPath(rt, pattern);
    const size_t slash = pattern.find_last_of("\\/");
    (void)rt.ConfinedPath(slash == std::string::npos ? std::string()
                                                     : pattern.substr(0, slash + 1));
  }
  return Variant(self.dir().Next(rt.files(), pattern, attributes));
}

Variant GetPath(ActionObject& self, Args) {
  return Variant(self.runtime().folders.ProjectFolder);
}

Variant SaveParameter(ActionObject& self, Args a) {
  const std::string name = Arg(a, 0);
  try {
    self.runtime().SaveSetting("_" + name, Arg(a, 1));
  } catch (const std::exception& e) {
    self.Fail(" Unable to save the parameter named \"" + name + "\". " + ErrorDescription(e));
  }
  return NoResult();
}

Variant LoadParameter(ActionObject& self, Args a) {
  const std::string name = Arg(a, 0);
  try {
    return Variant(self.runtime().GetSetting("_" + name, Arg(a, 1)));
  } catch (const std::exception& e) {
    self.Fail(" Unable to load the parameter named \"" + name + "\". " + ErrorDescription(e));
    return Variant(std::string());
  }
}

Variant ReadINI(ActionObject& self, Args a) {
  GameRuntime& rt = self.runtime();
  const std::string file = Arg(a, 0), section = Arg(a, 1), key = Arg(a, 2);
  if (file.empty() || section.empty() || key.empty()) return Variant(std::string());
  const std::filesystem::path path = rt.ConfinedPath(file);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return Variant(std::string());
  // The original read into a 255-character buffer: values are cut at 254 characters.
  return Variant(rt.profiles().Read(path.string(), section, key, "").substr(0, 254));
}

Variant WriteINI(ActionObject& self, Args a) {
  GameRuntime& rt = self.runtime();
  const std::string file = Arg(a, 0), section = Arg(a, 1), key = Arg(a, 2);
  if (file.empty() || section.empty() || key.empty()) return NoResult();
  // A game writes only inside its own folders: a downloaded game must not reach the rest of
  // the user's files (error 70 to the script).
  const std::filesystem::path path = rt.ConfinedPath(file);
  try {
    rt.profiles().Write(path.string(), section, key, Arg(a, 3));
  } catch (const std::exception&) {
    // A failed private-profile write is ignored, as the platform call's result was.
  }
  return NoResult();
}

// --- Options, display and controls references -----------------------------------------------

bool MenuChecked(GameRuntime& rt, const char* item) {
  GameWindow* game = rt.game();
  return game != nullptr && game->form().menu().Get(item).checked();
}

// The Options menu's entries do the toggling, so scripts and the menu stay in step.
void ClickMenu(GameRuntime& rt, const char* item) {
  GameWindow* game = rt.game();
  if (game == nullptr) return;
  platform::MenuItem& entry = game->form().menu().Get(item);
  if (entry.on_click) entry.on_click(entry);
}

Variant GetTransitionsStatus(ActionObject& self, Args) {
  return Variant(!MenuChecked(self.runtime(), "mnuDisableTransitions"));
}

Variant GetEffectsStatus(ActionObject& self, Args) {
  return Variant(!MenuChecked(self.runtime(), "mnuDisableEffects"));
}

Variant InvertTransitionsStatus(ActionObject& self, Args) {
  ClickMenu(self.runtime(), "mnuDisableTransitions");
  return NoResult();
}

Variant InvertEffectsStatus(ActionObject& self, Args) {
  ClickMenu(self.runtime(), "mnuDisableEffects");
  return NoResult();
}

Variant ChangeDisplayResolutionOnLoadGame(ActionObject& self, Args a) {
  self.runtime().DisplayModeRequestedByLoad = a[0].ToInteger();
  return NoResult();
}

Variant GetDisplayResolutionX(ActionObject& self, Args) {
  return Variant(self.runtime().ScreenWidthPixels);
}

Variant GetDisplayResolutionY(ActionObject& self, Args) {
  return Variant(self.runtime().ScreenHeightPixels);
}

Variant ChangeDisplayResolution(ActionObject& self, Args a) {
  try {
    self.runtime().subsystems().shell->ChangeToProjectResolution(a[0].ToInteger());
  } catch (const std::exception& e) {
    self.Fail(" Error changing display resolution. " + ErrorDescription(e));
  }
  return NoResult();
}

Variant AllowControlsReferencesNextTime(ActionObject& self, Args) {
  self.runtime().ControlsReferencesMode = 2;
  return NoResult();
}

Variant DoNotAllowControlsReferencesNextTime(ActionObject& self, Args) {
  self.runtime().ControlsReferencesMode = 1;
  return NoResult();
}

// --- Dialogs, messages and the inventory ----------------------------------------------------

Variant PopupSaveGame(ActionObject& self, Args) {
  GameRuntime& rt = self.runtime();
  GameWindow* game = rt.game();
  if (game == nullptr) return NoResult();
  // Only the frame timer waits for the dialog; timed events go on ticking.
  const bool timerWasOn = game->Timer1.enabled();
  game->Timer1.SetEnabled(false);
  rt.subsystems().savedGames->ShowSaveDialog();
  if (GameWindow* still = rt.game()) still->Timer1.SetEnabled(timerWasOn);
  return NoResult();
}

Variant PopupLoadGame(ActionObject& self, Args) {
  self.runtime().subsystems().savedGames->ShowLoadGameWindow(true);
  return NoResult();
}

Variant Message(ActionObject& self, Args a) {
  self.runtime().subsystems().messages->DisplayTextMessage(Arg(a, 0), false);
  return NoResult();
}

Variant AddItem(ActionObject& self, Args a) {
  self.runtime().subsystems().inventory->AddPickedObject(Arg(a, 0), FlagArg(a, 1));
  return NoResult();
}

void SetInventoryButtonShown(ActionObject& self, bool show) {
  GameRuntime& rt = self.runtime();
  GameWindow* game = rt.game();
  if (game == nullptr || !rt.info.InventoryEnabled) return;
  try {
    if (!show) game->Inventory1.SetTop(-game->Inventory1.height());
    game->Inventory2.SetVisible(show);
  } catch (const std::exception& e) {
    self.Fail(std::string(show ? " Error displaying inventory. " : " Error hiding inventory. ") +
              ErrorDescription(e));
  }
}

Variant HideInventoryButton(ActionObject& self, Args) {
  SetInventoryButtonShown(self, false);
  return NoResult();
}

Variant ShowInventoryButton(ActionObject& self, Args) {
  SetInventoryButtonShown(self, true);
  return NoResult();
}

int ItemCount(GameRuntime& rt) {
  GameWindow* game = rt.game();
  return game ? game->form().UBound("PickedObject") : 0;
}

Variant RemoveAllItems(ActionObject& self, Args) {
  GameRuntime& rt = self.runtime();
  try {
    // Stops when the inventory does not shrink, so a missing inventory cannot hang.
    for (int count = ItemCount(rt); count >= 1;) {
      rt.subsystems().inventory->RemovePickedObject(1);
      const int now = ItemCount(rt);
      if (now >= count) break;
      count = now;
    }
  } catch (const std::exception& e) {
    self.Fail(" Error removing all the inventory items. " + ErrorDescription(e));
  }
  return NoResult();
}

Variant RemoveItem(ActionObject& self, Args a) {
  GameRuntime& rt = self.runtime();
  const std::string name = Arg(a, 0);
  try {
    const bool duplicates = FlagArg(a, 1);
    GameWindow* game = rt.game();
    if (game == nullptr) return NoResult();
    platform::Form& form = game->form();
    // Stored names are compared in lower case (accented capitals too) with the name exactly
    // as given.
    for (int i = form.UBound("PickedObject"); i >= 1; --i) {
      platform::Element* item = form.Find("PickedObject", i);
      if (item == nullptr || FoldCase(item->tag()) != name) continue;
      rt.subsystems().inventory->RemovePickedObject(i);
      if (!duplicates) break;
    }
  } catch (const std::exception& e) {
    self.Fail(" Error removing from the inventory the item named '" + name + "'. " +
              ErrorDescription(e));
  }
  return NoResult();
}

// --- Controls and pictures ------------------------------------------------------------------

Variant CreateObject(ActionObject& self, Args a) {
  try {
    auto member = UnloadedMemberOf(a[0]);
    if (!member) {
      // An element that exists already, or no element at all.
      if (ElementOf(a[0])) throw VbError(vberr::kObjectAlreadyLoaded, "Object already loaded");
      throw VbError(vberr::kObjectRequired);
    }
    member->form->Load(member->array, member->index);
  } catch (const std::exception& e) {
    self.Fail(" Error creating the object. " + ErrorDescription(e));
  }
  return NoResult();
}

Variant DeleteObject(ActionObject& self, Args a) {
  try {
    std::shared_ptr<platform::Element> element = ElementOf(a[0]);
    if (!element || !element->loaded()) throw VbError(vberr::kObjectRequired);
    if (element->index() < 0)
      throw VbError(vberr::kCannotUnloadDesignTimeControl,
                    "Can't unload controls created at design time");
    element->form()->Unload(element->name(), element->index());
  } catch (const std::exception& e) {
    self.Fail(" Error deleting the object. " + ErrorDescription(e));
  }
  return NoResult();
}

Variant LoadAPicture(ActionObject& self, Args a) {
  GameRuntime& rt = self.runtime();
  const std::string name = Arg(a, 1);
  std::string path;
  try {
    std::shared_ptr<platform::Element> element = ElementOf(a[0]);
    if (!element) throw VbError(vberr::kObjectRequired);
    platform::Picture picture;
    if (!name.empty()) {
      path = self.ExistingMediaFile(rt.folders.AreasFolder, name);
      if (path.empty()) return NoResult();
      picture = rt.LoadPicture(path);
    }
    if (auto* image = dynamic_cast<platform::ImageElement*>(element.get())) {
      image->SetPicture(std::move(picture));
    } else if (auto* box = dynamic_cast<platform::PictureBoxElement*>(element.get())) {
      box->SetPicture(std::move(picture));
    } else {
      throw VbError(vberr::kNotSupported);
    }
  } catch (const std::exception& e) {
    self.Fail(" Error loading the following picture:'\r\n" + path + "'.\r\n\r\n" +
              ErrorDescription(e));
  }
  return NoResult();
}

Variant LoadGraphicFile(ActionObject& self, Args a) {
  GameRuntime& rt = self.runtime();
  const std::string name = Arg(a, 0);
  if (name.empty()) return Variant(MakePictureObject({}));
  std::string path;
  try {
    path = self.ExistingMediaFile(rt.folders.AreasFolder, name);
    if (path.empty()) return Variant::Nothing();
    return Variant(MakePictureObject(rt.LoadPicture(path)));
  } catch (const std::exception& e) {
    self.Fail(" Error loading the following graphic file:'\r\n" + path + "'.\r\n\r\n" +
              ErrorDescription(e));
    return Variant::Nothing();
  }
}

Variant ChangeDefaultCursor(ActionObject& self, Args a) {
  GameRuntime& rt = self.runtime();
  const std::string name = Arg(a, 0);
  try {
    if (!name.empty() && LowerAscii(name) != "default" &&
        self.ExistingMediaFile(rt.folders.IconsFolder, name).empty()) {
      return NoResult();
    }
    rt.info.DefaultPointer = name;
    rt.subsystems().pointers->ResetDefaultPointer();
    if (GameWindow* game = rt.game()) {
      platform::Form& form = game->form();
      for (int i : form.Indices("Area")) {
        if (platform::Element* area = form.Find("Area", i)) rt.ApplyDefaultPointer(*area);
      }
      AnimationService& animations = *rt.subsystems().animations;
      for (int k : form.Indices("AniGifBox")) {
        if (platform::Element* box = animations.AniGifBox(k)) rt.ApplyDefaultPointer(*box);
      }
    }
  } catch (const std::exception& e) {
    self.Fail(" Unable to change the default cursor. " + ErrorDescription(e));
  }
  return NoResult();
}

// --- Timed events ---------------------------------------------------------------------------

Variant CreateTimedEvent(ActionObject& self, Args a) {
  int index = 0;
  try {
    const double seconds = a[0].ToDouble();
    TimedEventService& events = *self.runtime().subsystems().timedEvents;
    index = events.NextIndex();
    return Variant(events.CreateTimedEvent(seconds, Arg(a, 1), FlagArg(a, 2)));
  } catch (const std::exception& e) {
    self.Fail(" Unable to create the timed event #" + std::to_string(index) + ". " +
              ErrorDescription(e));
    return Variant(int16_t{0});
  }
}

Variant RemoveTimedEvent(ActionObject& self, Args a) {
  std::string index = Arg(a, 0);
  try {
    const int number = a[0].ToInteger();
    index = std::to_string(number);
    self.runtime().subsystems().timedEvents->RemoveTimedEvent(number);
  } catch (const std::exception& e) {
    self.Fail(" Unable to remove the timed event #" + index + ". " + ErrorDescription(e));
  }
  return NoResult();
}

struct ActionMethod {
  const char* name;
  Variant (*call)(ActionObject&, Args);
  int arity;  // -1: any number of arguments
};

constexpr ActionMethod kMethods[] = {
    {"GoToFrame", GoToFrame, -1},
    {"ResetModule", ResetModule, 0},
    {"StopEverything", StopEverything, 0},
    {"SendEmail", SendEmail, -1},
    {"OpenURL", OpenURL, -1},
    {"OpenFile", OpenFile, -1},
    {"OpenExeFileAndWait", OpenExeFileAndWait, -1},
    {"DDir", DDir, -1},
    {"GetHotspotNumber", GetHotspotNumber, 0},
    {"GetPath", GetPath, 0},
    {"GetClickPositionX", GetClickPositionX, 0},
    {"GetClickPositionY", GetClickPositionY, 0},
    {"GetTransitionsStatus", GetTransitionsStatus, 0},
    {"GetEffectsStatus", GetEffectsStatus, 0},
    {"GetScenewrightVersion", GetScenewrightVersion, 0},
    {"ChangeDisplayResolutionOnLoadGame", ChangeDisplayResolutionOnLoadGame, 1},
    {"GetDisplayResolutionX", GetDisplayResolutionX, 0},
    {"GetDisplayResolutionY", GetDisplayResolutionY, 0},
    {"AllowControlsReferencesNextTime", AllowControlsReferencesNextTime, 0},
    {"DoNotAllowControlsReferencesNextTime", DoNotAllowControlsReferencesNextTime, 0},
    {"GetCurrentFrameName", GetCurrentFrameName, 0},
    {"Quit", Quit, 0},
    {"SaveParameter", SaveParameter, -1},
    {"LoadParameter", LoadParameter, -1},
    {"ReadINI", ReadINI, -1},
    {"WriteINI", WriteINI, -1},
    {"PopupSaveGame", PopupSaveGame, 0},
    {"PopupLoadGame", PopupLoadGame, 0},
    {"Message", Message, -1},
    {"AddItem", AddItem, -1},
    {"HideInventoryButton", HideInventoryButton, 0},
    {"ShowInventoryButton", ShowInventoryButton, 0},
    {"InvertTransitionsStatus", InvertTransitionsStatus, 0},
    {"InvertEffectsStatus", InvertEffectsStatus, 0},
    {"RemoveAllItems", RemoveAllItems, 0},
    {"RemoveItem", RemoveItem, -1},
    {"CreateObject", CreateObject, -1},
    {"DeleteObject", DeleteObject, -1},
    {"ChangeDisplayResolution", ChangeDisplayResolution, -1},
    {"GetMergedHotspotIndex", GetMergedHotspotIndex, 0},
    {"GetMergedTextIndex", GetMergedTextIndex, 0},
    {"LoadAPicture", LoadAPicture, -1},
    {"LoadGraphicFile", LoadGraphicFile, -1},
    {"ChangeDefaultCursor", ChangeDefaultCursor, -1},
    {"CreateTimedEvent", CreateTimedEvent, -1},
    {"RemoveTimedEvent", RemoveTimedEvent, -1},
};

}  // namespace

ActionObject::ActionObject(GameRuntime& runtime)
    : HostObject("VBScriptActionModule"), runtime_(runtime) {
  AddFields();
  for (const ActionMethod& method : kMethods) {
    AddMethod(
        method.name, [this, call = method.call](Args a) { return call(*this, a); }, method.arity);
  }
}

void ActionObject::ResetModule() {
  sFrameToLoad.clear();
  dTransitionDuration = 0;
  iTransitionNumber = 1;
  bStopGame = false;
}

void ActionObject::Fail(const std::string& words) {
  runtime_.ShowStandardError(words);
}

std::string ActionObject::ExistingMediaFile(const std::string& folder, const std::string& name) {
  const std::string path = runtime_.ResolveMediaPath(folder + name);
  return runtime_.FileExists(path) ? path : std::string();
}

void ActionObject::AddFields() {
  AddProperty(
      "sFrameToLoad", [this](Args) { return Variant(sFrameToLoad); },
      [this](Args, const Variant& v) { sFrameToLoad = v.ToStringUtf8(); });
  AddProperty(
      "iHotspotNumber", [this](Args) { return Variant(iHotspotNumber); },
      [this](Args, const Variant& v) { iHotspotNumber = v.ToInteger(); });
  AddProperty(
      "dTransitionDuration", [this](Args) { return Variant(dTransitionDuration); },
      [this](Args, const Variant& v) { dTransitionDuration = v.ToDouble(); });
  AddProperty(
      "iTransitionNumber", [this](Args) { return Variant(iTransitionNumber); },
      [this](Args, const Variant& v) { iTransitionNumber = v.ToInteger(); });
  AddProperty(
      "bStopGame", [this](Args) { return Variant(bStopGame); },
      [this](Args, const Variant& v) { bStopGame = v.ToBool(); });
}

}  // namespace sw
