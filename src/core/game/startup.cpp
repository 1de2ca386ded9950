#include "core/game/startup.h"

#include "base/vb_error.h"
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/step_errors.h"
#include "core/valuefile/value_reader.h"
#include "platform/platform.h"

namespace sw {

bool Startup::WelcomeLoad() {
  GameRuntime& rt = runtime_;
  WelcomeService& welcome = *rt.subsystems().welcome;
  StepRunner steps;  // 1: errors skip their statement; one message at the end
  steps.Run([&] { welcome.CenterAndSize(); });  // 2
  bool keepGoing = true;
  steps.Run([&] { keepGoing = InitializeProject(); });  // 3
  if (!keepGoing) return false;
  steps.Run([&] { rt.SaveSetting("Path", rt.folders.ProjectFolder); });  // 4
  if (rt.info.StartAtOnce) {                                             // 5
    steps.Run([&] {
      welcome.Hide();
      StartNewGameFromWelcome();
    });
  } else {
    if (!rt.info.SettingsSection.empty()) {  // 6
      steps.Run([&] {
        welcome.SetResolutionCheck(Variant(rt.GetSetting("ChangeResolution", "1")).ToInteger());
      });
    }
    steps.Run([&] { welcome.Fill(); });  // 7
  }
  if (steps.failed()) rt.ShowStandardError(" Error loading project information.");  // 8
  return true;
}

bool Startup::InitializeProject() {
  GameRuntime& rt = runtime_;
  rt.SavedScreenWidth = rt.ScreenWidthPixels;  // 1: the display mode at start
  rt.SavedScreenHeight = rt.ScreenHeightPixels;
  StepRunner steps;  // 2
  steps.Run([&] {    // 3
    if (rt.folders.ProjectFolder.empty()) SetProjectFolders(rt.folders, projectFolder_);
  });
  steps.Run([&] {  // 4
    if (!rt.FileExists(rt.folders.ConfigFolder + "Texts")) rt.texts.SetDefaults(0);
  });
  steps.Run([&] { rt.ResetCurrentFrameInfo(); });             // 5
  steps.Run([&] { LoadInterfaceTexts(); });                   // 6
  if (!rt.FileExists(rt.folders.ConfigFolder + "General")) {  // 7
    platform::MessageStyle style;
    style.icon = platform::MessageIcon::kWarning;
    rt.ShowMessage(rt.texts[33] + " " + rt.folders.ConfigFolder + "General",
                   rt.texts[InterfaceTexts::kTitleError], style);
    return false;
  }
  if (!rt.subsystems().welcome->IsSmallFonts()) {  // 8
    platform::MessageStyle style;
    style.buttons = platform::MessageButtons::kYesNo;
    style.icon = platform::MessageIcon::kWarning;
    style.default_button = 1;
    if (rt.ShowMessage(rt.texts[40] + "\r\n\r\n" + rt.texts[41], "!!!", style) ==
        platform::MessageResult::kNo) {
      return false;
    }
  }
  steps.Run([&] { LoadProjectInfo(); });                     // 9
  steps.Run([&] { rt.subsystems().discs->LoadCDIndex(); });  // 10
  return true;
}

void Startup::LoadInterfaceTexts() {
  GameRuntime& rt = runtime_;
  const std::string path = rt.folders.ConfigFolder + "Texts";
  if (!rt.FileExists(path)) return;
  try {
    ValueReader reader = ValueReader::FromFile(rt.files().Resolve(path), rt.files().codec());
    rt.texts.Load(reader);
  } catch (const std::exception&) {
    platform::MessageStyle style;
    style.icon = platform::MessageIcon::kCritical;
    rt.ShowMessage("Unable to load text.", "Error", style);
    rt.texts.SetDefaults(0);
  }
}

void Startup::LoadProjectInfo() {
  GameRuntime& rt = runtime_;
  ResetProjectInfo(rt.info);
  try {
    ValueReader reader = ValueReader::FromFile(
        rt.files().Resolve(rt.folders.ConfigFolder + "General"), rt.files().codec());
    ReadProjectInfo(reader, rt.info);
    if (!IsPlayableFrameSize(rt.info.FrameWidth, rt.info.FrameHeight)) {
      // A damaged file's frame size would make every picture of the window gigabytes large.
      rt.info.FrameWidth = 0;
      rt.info.FrameHeight = 0;
      throw VbError(vberr::kOverflow);
    }
  } catch (const std::exception&) {
    rt.ShowStandardError(" Error loading project information.");
  }
}

void Startup::StartNewGameFromWelcome() {
  GameRuntime& rt = runtime_;
  WelcomeService& welcome = *rt.subsystems().welcome;
  try {
    if (!rt.info.StartAtOnce && rt.info.ResolutionOffer == 1 && welcome.ResolutionChecked()) {
      welcome.Hide();  // 1
      rt.subsystems().shell->ChangeToProjectResolution(rt.info.ResolutionMode + 1);
    }
    GameWindow& game = rt.LoadGameWindow();  // 2
    game.Load();
    game.ResetAll();      // 3
    welcome.Hide();       // 4
    game.StartNewGame();  // 5
    game.form().Show();   // 6
    rt.platform().SetWindowRole("game");
  } catch (const std::exception&) {
    rt.ShowStandardError(" Error loading the main program window. Try restarting the program.");
  }
}

}  // namespace sw
