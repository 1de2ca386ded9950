#include "core/game/game_window.h"

#include <climits>

#include <nlohmann/json.hpp>

#include "core/game/game_runtime.h"
#include "core/game/step_errors.h"
#include "platform/geometry.h"
#include "platform/platform.h"

namespace sw {

using platform::ImageElement;
using platform::LabelElement;
using platform::PictureBoxElement;
using platform::TimerElement;

namespace {

using platform::kTwipsPerPixel;
constexpr platform::VbColor kBlack = 0;

TimerElement& AddTimer(platform::Form& form, const char* name, int interval) {
  auto& timer = form.Add<TimerElement>(name);
  timer.SetEnabled(false);
  timer.SetInterval(interval);
  return timer;
}

// The menus of the window as designed; their behaviour belongs to the window shell.
void AddMenus(platform::MenuBar& bar) {
  auto hidden = [](platform::MenuItem& item) -> platform::MenuItem& {
    item.SetVisible(false);
    return item;
  };
  hidden(bar.Add("mnuExit", "Exit"));
  hidden(bar.Add("mnuSaveGame", "Save..."));
  hidden(bar.Add("mnuLoadGame", "Load..."));
  auto& options = hidden(bar.Add("mnuOptions", "Options"));
  options.Add("mnuDisableTransitions", "Disable Transitions");
  options.Add("mnuDisableEffects", "Disable Real-Time Effects");
  auto& debug = hidden(bar.Add("mnuDebug", "Debug"));
  auto& goTo = debug.Add("mnuGoToFrame", "Go to frame");
  hidden(goTo.AddArray("mnuFrameName", ""));
  debug.Add("mnuExecuteVBScript", "Execute VBS code...");
  debug.Add("mnuViewVariables", "View variables status...");
  debug.Add("mnuEditProcedures", "Edit VBS Procedures...");
  hidden(bar.Add("mnuCancel", "Cancel"));
}

}  // namespace

GameWindow::GameWindow(GameRuntime& runtime)
    : runtime_(runtime),
      form_(runtime.platform().CreateForm("Game")),
      PictureBox(form_->Add<PictureBoxElement>("PictureBox")),
      BackImage(form_->Add<ImageElement>("BackImage", &PictureBox)),
      ImageTile(form_->Add<ImageElement>("ImageTile")),
      CutSceneArea(form_->Add<PictureBoxElement>("CutSceneArea", &PictureBox)),
      PicRipplingWater(form_->Add<PictureBoxElement>("PicRipplingWater", &PictureBox)),
      FrameMessageBox(form_->Add<PictureBoxElement>("FrameMessageBox", &PictureBox)),
      LabelMessageBox(form_->Add<LabelElement>("LabelMessageBox", &FrameMessageBox)),
      Inventory1(form_->Add<PictureBoxElement>("Inventory1", &PictureBox)),
      Inventory2(form_->Add<ImageElement>("Inventory2", &PictureBox)),
      Timer1(AddTimer(*form_, "Timer1", 0)),
      TimerRipplingWater(AddTimer(*form_, "TimerRipplingWater", 50)),
      TimerAudioFade(AddTimer(*form_, "TimerAudioFade", 100)),
      TimerMessageBox(AddTimer(*form_, "TimerMessageBox", 0)),
      TimerInventory(AddTimer(*form_, "TimerInventory", 2000)),
      TimerUnloadMe(AddTimer(*form_, "TimerUnloadMe", 100)) {
  form_->SetKeyPreview(true);
  form_->client().SetBackColor(kBlack);
  PictureBox.SetBackColor(kBlack);
  PictureBox.SetBorderStyle(0);
  ImageTile.SetVisible(false);
  CutSceneArea.SetVisible(false);
  PicRipplingWater.SetVisible(false);
  PicRipplingWater.SetEnabled(false);
  FrameMessageBox.SetVisible(false);
  Inventory1.SetVisible(false);
  Inventory2.SetVisible(false);
  form_->AddArray<ImageElement>("PickedObject", &Inventory1).SetVisible(false);
  // Animated hotspot pictures: box k holds picture k; the picture itself takes no mouse
  // input, so presses and drops reach its box.
  auto& aniGifBox = form_->AddArray<PictureBoxElement>("AniGifBox", &PictureBox);
  aniGifBox.SetVisible(false);
  aniGifBox.SetSeeThrough(true);
  auto& aniGif = form_->AddArray<ImageElement>("AniGif", &aniGifBox);
  aniGif.SetVisible(false);
  aniGif.SetEnabled(false);
  // Element 0 of both timer arrays is part of the design and never fires; scripts create the
  // others (timed events through the Action object, object timers through the window).
  for (const char* array : {"TimedEvent", "TimerObject"}) {
    auto& timer = form_->AddArray<TimerElement>(array);
    timer.SetEnabled(false);
    timer.SetInterval(0);
  }
  form_->Get<TimerElement>("TimedEvent", 0).on.timer = [this](platform::Element& e) {
    runtime_.subsystems().timedEvents->TimedEventTimer(e.index());
  };
  form_->Get<TimerElement>("TimerObject", 0).on.timer = [this](platform::Element& e) {
    runtime_.subsystems().timedEvents->TimerObjectTimer(e.index());
  };
  AddMenus(form_->menu());

  Timer1.on.timer = [this](platform::Element&) { Timer1Tick(); };
  TimerAudioFade.on.timer = [this](platform::Element&) {
    runtime_.subsystems().sound->TimerAudioFade();
  };

  // Coordinates of automation scripts and screenshots are those of the frame picture.
  runtime_.platform().desktop().SetFrameElement(&PictureBox);

  dump_ = runtime_.platform().state().Add([this](nlohmann::json& out) {
    out["frame"] = runtime_.ForDisplay(runtime_.CurrentFrameName);
    auto history = nlohmann::json::array();
    for (const auto& name : runtime_.FramesHistory.names()) {
      history.push_back(runtime_.ForDisplay(name));
    }
    out["history"] = history;
    out["timers"]["frame"] = {{"enabled", Timer1.enabled()},
                              {"interval", Timer1.interval()},
                              {"target", runtime_.ForDisplay(Timer1.tag())}};
    const auto& menu = form_->menu();
    out["flags"] = {{"stopRequested", runtime_.StopRequested},
                    {"transitionsDisabled", menu.Get("mnuDisableTransitions").checked()},
                    {"effectsDisabled", menu.Get("mnuDisableEffects").checked()}};
  });
}

GameWindow::~GameWindow() {
  dump_.Reset();
  runtime_.platform().desktop().SetFrameElement(nullptr);
  form_->Close();
}

void GameWindow::Load() {
  // The window's place on the screen is the display's business: one window shows every form.
  runtime_.subsystems().transitions->InitTransitionList();
  auto& menu = form_->menu();
  const auto& t = runtime_.texts;
  auto caption = [&](const char* name, int entry) {
    if (!t[entry].empty()) menu.Get(name).SetCaption(runtime_.ForDisplay(t[entry]));
  };
  caption("mnuLoadGame", 2);
  caption("mnuSaveGame", 8);
  caption("mnuExit", 12);
  caption("mnuOptions", 49);
  caption("mnuDisableTransitions", 50);
  caption("mnuDisableEffects", 51);
}

void GameWindow::CenterWindowAndPictureBox() {
  const ProjectInfo& info = runtime_.info;
  const int frameW = info.FrameWidth * kTwipsPerPixel;
  const int frameH = info.FrameHeight * kTwipsPerPixel;
  ShellService& shell = *runtime_.subsystems().shell;
  if (info.RunInWindow) {
    shell.ShowMenus();  // the menu bar is part of the window's frame
    form_->SetCaption(runtime_.ForDisplay(info.Title + " "));
    form_->SetSize(form_->width() - form_->scale_width() + frameW,
                   form_->height() - form_->scale_height() + frameH);
  } else {
    form_->SetCaption("");
    shell.HideMenus();
    form_->SetSize(runtime_.ScreenWidthTwips(), runtime_.ScreenHeightTwips());
  }
  // The display shows one form at a time, so centring the window means placing it there.
  shell.PlaceWindow();
  const int top = (form_->scale_height() - frameH) / 2;
  PictureBox.Move((form_->scale_width() - frameW) / 2, top < 0 ? 0 : top, frameW, frameH);
}

void GameWindow::ResetAll() {
  GameSubsystems& sub = runtime_.subsystems();
  try {
    Timer1.SetEnabled(false);  // 1
    Timer1.SetInterval(0);
    TimerRipplingWater.SetEnabled(false);
    sub.timedEvents->ResetTimedEvents();   // 2
    sub.variables->RemoveAll();            // 3
    sub.inventory->UnloadItems();          // 4
    runtime_.FramesHistory.Clear();        // 5
    form_->client().SetBackColor(kBlack);  // 6
    PictureBox.SetBackColor(kBlack);
    runtime_.ControlsReferencesMode = 0;  // 7
    runtime_.DisplayModeRequestedByLoad = 0;
    runtime_.TransitionErrorShown = false;
    runtime_.AudioWarningShown = false;
    CutSceneArea.SetVisible(false);  // 8
    sub.video->Stop();
    runtime_.InterruptMovie();
    PicRipplingWater.SetEnabled(false);  // 9
    runtime_.StopRequested = false;
    CenterWindowAndPictureBox();                                     // 10
    BackImage.Move(0, 0, runtime_.info.FrameWidth * kTwipsPerPixel,  // 11
                   runtime_.info.FrameHeight * kTwipsPerPixel);
    LabelMessageBox.SetAutoSize(true);  // 12
    LabelMessageBox.SetVisible(false);
    FrameMessageBox.SetVisible(false);
    sub.pointers->ResetDefaultPointer();  // 13
    sub.inventory->LayOutBar();           // 14
  } catch (const std::exception& e) {
    runtime_.ShowStandardError(" Unable to initialize the program. " + ErrorDescription(e));
    return;
  }

  StepRunner steps;
  auto& menu = form_->menu();
  steps.Run([&] {  // 15
    const int last = menu.UBound("mnuFrameName");
    for (int i = last; i >= 1; --i) menu.Unload("mnuFrameName", i);
  });
  frame_names_.clear();
  steps.Run([&] {  // 16
    const auto files = runtime_.files().List(runtime_.folders.FramesFolder + "*.fme");
    for (size_t i = 0; i < files.size(); ++i) {
      if (files[i].size() <= 4) continue;
      const std::string frame = files[i].substr(0, files[i].size() - 4);
      steps.Run([&] {
        auto& item = menu.Load("mnuFrameName", static_cast<int>(i) + 1);
        item.SetVisible(true);
        item.SetCaption(runtime_.ForDisplay(frame));
      });
      frame_names_.push_back(frame);
    }
    sub.shell->FillFrameMenu(frame_names_);
  });
  steps.Run([&] { sub.scripts->LoadProcedures(); });                // 17
  auto checkFromSetting = [&](const char* item, const char* key) {  // 18
    steps.Run(
        [&] { menu.Get(item).SetChecked(Variant(runtime_.GetSetting(key, "False")).ToBool()); });
  };
  checkFromSetting("mnuDisableTransitions", "DisableTransitions");
  checkFromSetting("mnuDisableEffects", "DisableEffects");
  steps.Run([&] { sub.sound->ResetSoundChannels(); });  // 19
  steps.Run([&] {                                       // 20
    const std::string text = runtime_.profiles().Read(runtime_.folders.ConfigFolder + "More",
                                                      "General", "ScriptTimeOut", "0");
    const int32_t seconds = Variant(text).ToLong();
    if (seconds != 0) {
      // The product must fit the engine's 32-bit time-out; otherwise it stays as it was.
      if (seconds > INT32_MAX / 1000 || seconds < INT32_MIN / 1000) throw VbError(vberr::kOverflow);
      sub.scripts->SetTimeoutSeconds(seconds);
    }
  });
}

void GameWindow::StartNewGame() {
  runtime_.subsystems().variables->LoadVariables();
  OpenFrame(runtime_.info.StartFrame);
}

void GameWindow::FramesHistoryAdd(const std::string& name) {
  runtime_.FramesHistory.Add(name);
}

void GameWindow::StopAllActivity() {
  GameSubsystems& sub = runtime_.subsystems();
  runtime_.InterruptMovie();
  runtime_.platform().DoEvents();
  Timer1.SetEnabled(false);
  TimerMessageBox.SetEnabled(false);
  sub.timedEvents->PauseTimedEvents();
  sub.video->Stop();
  sub.video->Close();
  sub.sound->ResetSoundChannels();
  // No file stays open between events, so there is nothing to close here.
}

void GameWindow::BeginClosing() {
  runtime_.StopRequested = true;
  PictureBox.SetVisible(false);
  StopAllActivity();
  runtime_.subsystems().shell->ShowMenus();
}

void GameWindow::Timer1Tick() {
  GameSubsystems& sub = runtime_.subsystems();
  // Errors of this handler are ignored: the timer keeps ticking until a frame re-arms it.
  try {
    if (sub.inventory->Moving()) {
      Timer1.SetInterval(1000);  // the frame change waits for the inventory bar
      return;
    }
    if (runtime_.StopRequested) {
      Timer1.SetEnabled(false);
      return;
    }
    sub.sound->StepAudioFade(1);
    if (Timer1.tag().empty()) return;
    const std::string target = runtime_.ResolveFrameTarget(Timer1.tag(), true);
    if (target.empty()) return;  // nowhere to go back to
    std::optional<FrameTransition> transition;
    if (runtime_.TimerTransition) {
      transition = FrameTransition{runtime_.TimerTransitionNumber,
                                   runtime_.TimerTransitionDuration / 1000.0};
    }
    OpenFrame(target, transition);
  } catch (const std::exception&) {
  }
}

}  // namespace sw
