#include "scripting/host/action_object.h"

#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/step_errors.h"
#include "platform/system/shell.h"
#include "scripting/host/script_paths.h"

namespace sw {

namespace {

const char* const kVersion = "Version 3.3.0";

Variant Nothing() {
  return Variant();
}

std::string Arg(Args a, size_t i) {
  return a.IsMissing(i) ? std::string() : a[i].ToString();
}

}  // namespace

ActionObject::ActionObject(GameRuntime& runtime)
    : HostObject("VBScriptActionModule"), runtime_(runtime) {
  AddFields();
  AddMethods();
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
    return Nothing();
  });
  AddMethod(
      "ResetModule",
      [this](Args) {
        ResetModule();
        return Nothing();
      },
      0);
  AddMethod(
      "StopEverything",
      [&rt](Args) {
        if (GameWindow* game = rt.game()) game->BeginClosing();
        return Nothing();
      },
      0);
  AddMethod("SendEmail", [this](Args a) {
    const std::string address = Arg(a, 0);
    if (address.empty()) return Nothing();
    try {
      OpenWithDesktop("mailto:" + address);
    } catch (const std::exception&) {
      Fail(" Error opening the default mail client to send email to: " + address);
    }
    return Nothing();
  });
  AddMethod("OpenURL", [this](Args a) {
    const std::string url = Arg(a, 0);
    if (url.empty()) return Nothing();
    try {
      OpenWithDesktop(url);
    } catch (const std::exception&) {
      Fail(" Error opening the following URL with the default browser:\r\n\r\n" + url);
    }
    return Nothing();
  });
  AddMethod("OpenFile", [this, &rt](Args a) {
    const std::string title = Arg(a, 0);
    if (title.empty()) return Nothing();
    const std::string path = CompleteProjectPath(rt, title);
    try {
      if (!rt.FileExists(path)) throw VbError(vberr::kFileNotFound);
      OpenWithDesktop(rt.files().Resolve(path).string());
    } catch (const std::exception& e) {
      Fail(" Error opening the file titled '" + title + "'.\r\n\r\n" + ErrorDescription(e));
    }
    return Nothing();
  });
  AddMethod("OpenExeFileAndWait", [this, &rt](Args a) {
    const std::string title = Arg(a, 0);
    GameWindow* game = rt.game();
    if (title.empty() || game == nullptr) return Nothing();
    const bool timerWasOn = game->Timer1.enabled();
    game->form().client().SetEnabled(false);  // no input reaches the game meanwhile
    game->Timer1.SetEnabled(false);
    const std::string path = CompleteProjectPath(rt, title);
    rt.RunAndWait(path, true);
    game->form().client().SetEnabled(true);
    game->Timer1.SetEnabled(timerWasOn);
    return Nothing();
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
      "GetScenewrightVersion", [](Args) { return Variant(std::string(kVersion)); }, 0);
  AddMethod(
      "ChangeDisplayResolutionOnLoadGame",
      [&rt](Args a) {
        rt.DisplayModeRequestedByLoad = a[0].ToInteger();
        return Nothing();
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
        return Nothing();
      },
      0);
  AddMethod(
      "DoNotAllowControlsReferencesNextTime",
      [&rt](Args) {
        rt.ControlsReferencesMode = 1;
        return Nothing();
      },
      0);
  AddMethod(
      "GetCurrentFrameName", [&rt](Args) { return Variant(rt.CurrentFrameName); }, 0);
  AddMethod(
      "Quit",
      [this](Args) {
        bStopGame = true;
        return Nothing();
      },
      0);
  AddMethod("SaveParameter", [this, &rt](Args a) {
    const std::string name = Arg(a, 0);
    try {
      rt.SaveSetting("_" + name, Arg(a, 1));
    } catch (const std::exception& e) {
      Fail(" Unable to save the parameter named \"" + name + "\". " + ErrorDescription(e));
    }
    return Nothing();
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
    if (file.empty() || section.empty() || key.empty()) return Nothing();
    // A game writes settings files inside its own folder only: a downloaded game must not
    // reach the rest of the user's files.
    if (!IsInsideFolder(rt.files().Resolve(complete(file)),
                        rt.files().Resolve(rt.folders.ProjectFolder))) {
      return Nothing();
    }
    try {
      rt.profiles().Write(complete(file), section, key, Arg(a, 3));
    } catch (const std::exception&) {
      // A failed private-profile write is ignored, as the platform call's result was.
    }
    return Nothing();
  });
}

}  // namespace sw
