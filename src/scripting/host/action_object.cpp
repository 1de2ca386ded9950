#include "scripting/host/action_object.h"

#include "base/ascii.h"
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/step_errors.h"
#include "interaction/install.h"
#include "interaction/interaction.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/picture_box.h"
#include "platform/platform.h"
#include "platform/system/shell.h"
#include "scripting/host/element_object.h"
#include "scripting/host/player_version.h"
#include "scripting/host/script_paths.h"
#include "scripting/host/timed_events.h"

namespace sw {

namespace {

// What a method without a result gives back: Empty.
Variant NoResult() {
  return Variant();
}

std::string Arg(Args a, size_t i) {
  return a.IsMissing(i) ? std::string() : a[i].ToString();
}

bool FlagArg(Args a, size_t i) {
  return !a.IsMissing(i) && a[i].ToBool();
}

}  // namespace

ActionObject::ActionObject(GameRuntime& runtime)
    : HostObject("VBScriptActionModule"), runtime_(runtime) {
  AddFields();
  AddMethods();
  AddDialogAndInventoryMethods();
  AddPictureMethods();
  AddTimedEventMethods();
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

void ActionObject::AddFields() {
  AddProperty(
      "sFrameToLoad", [this](Args) { return Variant(sFrameToLoad); },
      [this](Args, const Variant& v) { sFrameToLoad = v.ToString(); });
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

void ActionObject::AddMethods() {
  GameRuntime& rt = runtime_;
  AddMethod("GoToFrame", [this](Args a) {
    sFrameToLoad = Arg(a, 0);
    dTransitionDuration = a.IsMissing(1) ? 0 : a[1].ToDouble();
    iTransitionNumber = a.IsMissing(2) ? int16_t{0} : a[2].ToInteger();
    return NoResult();
  });
  AddMethod(
      "ResetModule",
      [this](Args) {
        ResetModule();
        return NoResult();
      },
      0);
  AddMethod(
      "StopEverything",
      [&rt](Args) {
        if (GameWindow* game = rt.game()) game->BeginClosing();
        return NoResult();
      },
      0);
  AddMethod("SendEmail", [this](Args a) {
    const std::string address = Arg(a, 0);
    if (address.empty()) return NoResult();
    try {
      OpenWithDesktop("mailto:" + address);
    } catch (const std::exception&) {
      Fail(" Error opening the default mail client to send email to: " + address);
    }
    return NoResult();
  });
  AddMethod("OpenURL", [this](Args a) {
    const std::string url = Arg(a, 0);
    if (url.empty()) return NoResult();
    try {
      OpenWithDesktop(url);
    } catch (const std::exception&) {
      Fail(" Error opening the following URL with the default browser:\r\n\r\n" + url);
    }
    return NoResult();
  });
  AddMethod("OpenFile", [this, &rt](Args a) {
    const std::string title = Arg(a, 0);
    if (title.empty()) return NoResult();
    const std::string path = CompleteProjectPath(rt, title);
    try {
      if (!rt.FileExists(path)) throw VbError(vberr::kFileNotFound);
      OpenWithDesktop(rt.files().Resolve(path).string());
    } catch (const std::exception& e) {
      Fail(" Error opening the file titled '" + title + "'.\r\n\r\n" + ErrorDescription(e));
    }
    return NoResult();
  });
  AddMethod("OpenExeFileAndWait", [this, &rt](Args a) {
    const std::string title = Arg(a, 0);
    GameWindow* game = rt.game();
    if (title.empty() || game == nullptr) return NoResult();
    const bool timerWasOn = game->Timer1.enabled();
    game->form().client().SetEnabled(false);  // no input reaches the game meanwhile
    game->Timer1.SetEnabled(false);
    const std::string path = CompleteProjectPath(rt, title);
    rt.RunAndWait(path, true);
    game->form().client().SetEnabled(true);
    game->Timer1.SetEnabled(timerWasOn);
    return NoResult();
  });
  AddMethod("DDir", [this, &rt](Args a) {
    const int attributes = a.IsMissing(1) ? 0 : a[1].ToInteger();
    return Variant(dir_.Next(rt.files(), Arg(a, 0), attributes));
  });
  AddMethod(
      "GetHotspotNumber", [this](Args) { return Variant(iHotspotNumber); }, 0);
  AddMethod(
      "GetPath", [&rt](Args) { return Variant(rt.folders.ProjectFolder); }, 0);
  AddMethod(
      "GetClickPositionX",
      [&rt](Args) { return Variant(static_cast<int16_t>(rt.subsystems().clicks->LastClickX())); },
      0);
  AddMethod(
      "GetClickPositionY",
      [&rt](Args) { return Variant(static_cast<int16_t>(rt.subsystems().clicks->LastClickY())); },
      0);
  auto menuChecked = [&rt](const char* item) {
    GameWindow* game = rt.game();
    return game != nullptr && game->form().menu().Get(item).checked();
  };
  AddMethod(
      "GetTransitionsStatus",
      [menuChecked](Args) { return Variant(!menuChecked("mnuDisableTransitions")); }, 0);
  AddMethod(
      "GetEffectsStatus",
      [menuChecked](Args) { return Variant(!menuChecked("mnuDisableEffects")); }, 0);
  AddMethod(
      "GetScenewrightVersion", [](Args) { return Variant(PlayerVersionText()); }, 0);
  AddMethod(
      "ChangeDisplayResolutionOnLoadGame",
      [&rt](Args a) {
        rt.DisplayModeRequestedByLoad = a[0].ToInteger();
        return NoResult();
      },
      1);
  AddMethod(
      "GetDisplayResolutionX", [&rt](Args) { return Variant(rt.ScreenWidthPixels); }, 0);
  AddMethod(
      "GetDisplayResolutionY", [&rt](Args) { return Variant(rt.ScreenHeightPixels); }, 0);
  AddMethod(
      "AllowControlsReferencesNextTime",
      [&rt](Args) {
        rt.ControlsReferencesMode = 2;
        return NoResult();
      },
      0);
  AddMethod(
      "DoNotAllowControlsReferencesNextTime",
      [&rt](Args) {
        rt.ControlsReferencesMode = 1;
        return NoResult();
      },
      0);
  AddMethod(
      "GetCurrentFrameName", [&rt](Args) { return Variant(rt.CurrentFrameName); }, 0);
  AddMethod(
      "Quit",
      [this](Args) {
        bStopGame = true;
        return NoResult();
      },
      0);
  AddMethod("SaveParameter", [this, &rt](Args a) {
    const std::string name = Arg(a, 0);
    try {
      rt.SaveSetting("_" + name, Arg(a, 1));
    } catch (const std::exception& e) {
      Fail(" Unable to save the parameter named \"" + name + "\". " + ErrorDescription(e));
    }
    return NoResult();
  });
  AddMethod("LoadParameter", [this, &rt](Args a) {
    const std::string name = Arg(a, 0);
    try {
      return Variant(rt.GetSetting("_" + name, Arg(a, 1)));
    } catch (const std::exception& e) {
      Fail(" Unable to load the parameter named \"" + name + "\". " + ErrorDescription(e));
      return Variant(std::string());
    }
  });
  auto complete = [&rt](const std::string& file) { return CompleteProjectPath(rt, file); };
  AddMethod("ReadINI", [&rt, complete](Args a) {
    const std::string file = Arg(a, 0), section = Arg(a, 1), key = Arg(a, 2);
    if (file.empty() || section.empty() || key.empty() || !rt.FileExists(complete(file))) {
      return Variant(std::string());
    }
    // The original read into a 255-character buffer: values are cut at 254 characters.
    return Variant(rt.profiles().Read(complete(file), section, key, "").substr(0, 254));
  });
  AddMethod("WriteINI", [&rt, complete](Args a) {
    const std::string file = Arg(a, 0), section = Arg(a, 1), key = Arg(a, 2);
    if (file.empty() || section.empty() || key.empty()) return NoResult();
    // A game writes settings files inside its own folder only: a downloaded game must not
    // reach the rest of the user's files.
    if (!IsInsideFolder(rt.files().Resolve(complete(file)),
                        rt.files().Resolve(rt.folders.ProjectFolder))) {
      return NoResult();
    }
    try {
      rt.profiles().Write(complete(file), section, key, Arg(a, 3));
    } catch (const std::exception&) {
      // A failed private-profile write is ignored, as the platform call's result was.
    }
    return NoResult();
  });
}

void ActionObject::AddDialogAndInventoryMethods() {
  GameRuntime& rt = runtime_;
  AddMethod(
      "PopupSaveGame",
      [&rt](Args) {
        GameWindow* game = rt.game();
        if (game == nullptr) return NoResult();
        // Only the frame timer waits for the dialog; timed events go on ticking.
        const bool timerWasOn = game->Timer1.enabled();
        game->Timer1.SetEnabled(false);
        rt.subsystems().savedGames->ShowSaveDialog();
        if (GameWindow* still = rt.game()) still->Timer1.SetEnabled(timerWasOn);
        return NoResult();
      },
      0);
  AddMethod(
      "PopupLoadGame",
      [&rt](Args) {
        rt.subsystems().savedGames->ShowLoadGameWindow(true);
        return NoResult();
      },
      0);
  AddMethod("Message", [&rt](Args a) {
    if (Interaction* interaction = FindInteraction(rt)) {
      interaction->messages.DisplayTextMessage(Arg(a, 0), false);
    }
    return NoResult();
  });
  AddMethod("AddItem", [&rt](Args a) {
    rt.subsystems().inventory->AddPickedObject(Arg(a, 0), FlagArg(a, 1));
    return NoResult();
  });
  auto inventoryButton = [this, &rt](bool show) {
    GameWindow* game = rt.game();
    if (game == nullptr || !rt.info.InventoryEnabled) return;
    try {
      if (!show) game->Inventory1.SetTop(-game->Inventory1.height());
      game->Inventory2.SetVisible(show);
    } catch (const std::exception& e) {
      Fail(std::string(show ? " Error displaying inventory. " : " Error hiding inventory. ") +
           ErrorDescription(e));
    }
  };
  AddMethod(
      "HideInventoryButton",
      [inventoryButton](Args) {
        inventoryButton(false);
        return NoResult();
      },
      0);
  AddMethod(
      "ShowInventoryButton",
      [inventoryButton](Args) {
        inventoryButton(true);
        return NoResult();
      },
      0);
  // The Options menu's entries do the toggling, so scripts and the menu stay in step.
  auto clickMenu = [&rt](const char* item) {
    GameWindow* game = rt.game();
    if (game == nullptr) return;
    platform::MenuItem& entry = game->form().menu().Get(item);
    if (entry.on_click) entry.on_click(entry);
  };
  AddMethod(
      "InvertTransitionsStatus",
      [clickMenu](Args) {
        clickMenu("mnuDisableTransitions");
        return NoResult();
      },
      0);
  AddMethod(
      "InvertEffectsStatus",
      [clickMenu](Args) {
        clickMenu("mnuDisableEffects");
        return NoResult();
      },
      0);
  auto itemCount = [&rt] {
    GameWindow* game = rt.game();
    return game ? game->form().UBound("PickedObject") : 0;
  };
  AddMethod(
      "RemoveAllItems",
      [this, &rt, itemCount](Args) {
        try {
          // Stops when the inventory does not shrink, so a missing inventory cannot hang.
          for (int count = itemCount(); count >= 1;) {
            rt.subsystems().inventory->RemovePickedObject(1);
            const int now = itemCount();
            if (now >= count) break;
            count = now;
          }
        } catch (const std::exception& e) {
          Fail(" Error removing all the inventory items. " + ErrorDescription(e));
        }
        return NoResult();
      },
      0);
  AddMethod("RemoveItem", [this, &rt](Args a) {
    const std::string name = Arg(a, 0);
    try {
      const bool duplicates = FlagArg(a, 1);
      GameWindow* game = rt.game();
      if (game == nullptr) return NoResult();
      platform::Form& form = game->form();
      // Stored names are compared in lower case with the name exactly as given.
      for (int i = form.UBound("PickedObject"); i >= 1; --i) {
        platform::Element* item = form.Find("PickedObject", i);
        if (item == nullptr || LowerAscii(item->tag()) != name) continue;
        rt.subsystems().inventory->RemovePickedObject(i);
        if (!duplicates) break;
      }
    } catch (const std::exception& e) {
      Fail(" Error removing from the inventory the item named '" + name + "'. " +
           ErrorDescription(e));
    }
    return NoResult();
  });
  AddMethod("CreateObject", [this](Args a) {
    try {
      auto member = UnloadedMemberOf(a[0]);
      if (!member) {
        // An element that exists already, or no element at all.
        if (ElementOf(a[0])) throw VbError(360, "Object already loaded");
        throw VbError(424);
      }
      member->form->Load(member->array, member->index);
    } catch (const std::exception& e) {
      Fail(" Error creating the object. " + ErrorDescription(e));
    }
    return NoResult();
  });
  AddMethod("DeleteObject", [this](Args a) {
    try {
      std::shared_ptr<platform::Element> element = ElementOf(a[0]);
      if (!element || !element->loaded()) throw VbError(424);
      if (element->index() < 0) throw VbError(362, "Can't unload controls created at design time");
      element->form()->Unload(element->name(), element->index());
    } catch (const std::exception& e) {
      Fail(" Error deleting the object. " + ErrorDescription(e));
    }
    return NoResult();
  });
  AddMethod("ChangeDisplayResolution", [this, &rt](Args a) {
    try {
      rt.subsystems().shell->ChangeToProjectResolution(a[0].ToInteger());
    } catch (const std::exception& e) {
      Fail(" Error changing display resolution. " + ErrorDescription(e));
    }
    return NoResult();
  });
  AddMethod(
      "GetMergedHotspotIndex",
      [&rt](Args) {
        Interaction* interaction = FindInteraction(rt);
        return Variant(interaction ? interaction->hotspots.MergedHotspotStart : int16_t{1});
      },
      0);
  AddMethod(
      "GetMergedTextIndex",
      [&rt](Args) {
        Interaction* interaction = FindInteraction(rt);
        return Variant(interaction ? interaction->texts.MergedTextStart : int16_t{1});
      },
      0);
}

// The file a picture or pointer name stands for, below `folder`; empty when none exists.
std::string ActionObject::ExistingMediaFile(const std::string& folder, const std::string& name) {
  const std::string path = runtime_.ResolveMediaPath(folder + name);
  return runtime_.FileExists(path) ? path : std::string();
}

void ActionObject::AddPictureMethods() {
  GameRuntime& rt = runtime_;
  AddMethod("LoadAPicture", [this, &rt](Args a) {
    const std::string name = Arg(a, 1);
    std::string path;
    try {
      std::shared_ptr<platform::Element> element = ElementOf(a[0]);
      if (!element) throw VbError(424);
      platform::Picture picture;
      if (!name.empty()) {
        path = ExistingMediaFile(rt.folders.AreasFolder, name);
        if (path.empty()) return NoResult();
        picture = rt.LoadPicture(path);
      }
      if (auto* image = dynamic_cast<platform::ImageElement*>(element.get())) {
        image->SetPicture(std::move(picture));
      } else if (auto* box = dynamic_cast<platform::PictureBoxElement*>(element.get())) {
        box->SetPicture(std::move(picture));
      } else {
        throw VbError(438);
      }
    } catch (const std::exception& e) {
      Fail(" Error loading the following picture:'\r\n" + path + "'.\r\n\r\n" +
           ErrorDescription(e));
    }
    return NoResult();
  });
  AddMethod("LoadGraphicFile", [this, &rt](Args a) {
    const std::string name = Arg(a, 0);
    if (name.empty()) return Variant(MakePictureObject({}));
    std::string path;
    try {
      path = ExistingMediaFile(rt.folders.AreasFolder, name);
      if (path.empty()) return Variant::Nothing();
      return Variant(MakePictureObject(rt.LoadPicture(path)));
    } catch (const std::exception& e) {
      Fail(" Error loading the following graphic file:'\r\n" + path + "'.\r\n\r\n" +
           ErrorDescription(e));
      return Variant::Nothing();
    }
  });
  AddMethod("ChangeDefaultCursor", [this, &rt](Args a) {
    const std::string name = Arg(a, 0);
    try {
      if (!name.empty() && LowerAscii(name) != "default" &&
          ExistingMediaFile(rt.folders.IconsFolder, name).empty()) {
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
        for (int k = 1; platform::Element* box = animations.AniGifBox(k); ++k) {
          rt.ApplyDefaultPointer(*box);
        }
      }
    } catch (const std::exception& e) {
      Fail(" Unable to change the default cursor. " + ErrorDescription(e));
    }
    return NoResult();
  });
}

void ActionObject::AddTimedEventMethods() {
  GameRuntime& rt = runtime_;
  AddMethod("CreateTimedEvent", [this, &rt](Args a) {
    int index = 0;
    try {
      const double seconds = a[0].ToDouble();
      TimedEvents* events = FindTimedEvents(rt);
      if (events == nullptr) return Variant(int16_t{0});
      index = events->NextIndex();
      return Variant(events->CreateTimedEvent(seconds, Arg(a, 1), FlagArg(a, 2)));
    } catch (const std::exception& e) {
      Fail(" Unable to create the timed event #" + std::to_string(index) + ". " +
           ErrorDescription(e));
      return Variant(int16_t{0});
    }
  });
  AddMethod("RemoveTimedEvent", [this, &rt](Args a) {
    std::string index = Arg(a, 0);
    try {
      const int number = a[0].ToInteger();
      index = std::to_string(number);
      if (TimedEvents* events = FindTimedEvents(rt)) events->RemoveTimedEvent(number);
    } catch (const std::exception& e) {
      Fail(" Unable to remove the timed event #" + index + ". " + ErrorDescription(e));
    }
    return NoResult();
  });
}

}  // namespace sw
