#include "scripting/host/game_script_host.h"

#include <climits>

#include "base/ascii.h"
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "platform/platform.h"
#include "scripting/host/element_object.h"
#include "scripting/host/platform_objects.h"
#include "scripting/host/procedures.h"
#include "scripting/host/script_paths.h"

namespace sw {

std::filesystem::path GameScriptHost::GameFileAccess::Resolve(std::string_view scriptPath) const {
  return runtime_.files().Resolve(CompleteProjectPath(runtime_, std::string(scriptPath)));
}

bool GameScriptHost::GameFileAccess::MayWrite(const std::filesystem::path& resolved) const {
  return MayAccess(runtime_.FileRoots(), resolved);
}

bool GameScriptHost::GameFileAccess::MayRead(const std::filesystem::path& resolved) const {
  return MayAccess(runtime_.FileRoots(), resolved);
}

GameScriptHost::GameScriptHost(GameRuntime& runtime)
    : runtime_(runtime),
      action_(MakeRef<ActionObject>(runtime)),
      screen_(MakeScreenObject(runtime)),
      app_(MakeAppObject(runtime)) {
  EngineAt(0);
}

GameScriptHost::~GameScriptHost() {
  ShutDown();
}

void GameScriptHost::ShutDown() {
  if (shutDown_) return;
  shutDown_ = true;
  // Terminators run now, with this host and the game still there; whatever they start
  // cannot start a new script.
  for (auto& engine : engines_) engine->Reset();
  for (auto& engine : engines_) engine->set_host(nullptr);
  engines_.clear();
}

void GameScriptHost::StopScriptsWhenQuitting() {
  if (!runtime_.platform().events().quit_requested()) return;
  for (auto& engine : engines_) engine->Stop();
}

vbs::Engine& GameScriptHost::EngineAt(size_t depth) {
  while (engines_.size() <= depth) {
    auto engine = std::make_unique<vbs::Engine>();
    engine->set_host(this);
    if (timeoutMs_ >= 0) engine->set_timeout(timeoutMs_);
    (void)engine->set_locale(locale_);
    engines_.push_back(std::move(engine));
  }
  return *engines_[depth];
}

void GameScriptHost::DetermineControlsReferencesMode() {
  runtime_.ControlsReferencesMode = 1;
  for (const std::string& name : runtime_.subsystems().variables->Names()) {
    if (LowerAscii(name) == "allowcontrolsreferences") {
      runtime_.ControlsReferencesMode = 2;
      return;
    }
  }
}

void GameScriptHost::LoadProcedures() {
  procedures_ = sw::LoadProcedures(runtime_);
  // The user's locale for the scripts of this game; a script's SetLocale lasts until here.
  locale_ = localeChoice_.environment;
  if (localeChoice_.option != 0) {
    locale_ = localeChoice_.option;
  } else if (const std::optional<int32_t> setting =
                 LcidFromText(runtime_.GetSetting("Locale", ""))) {
    locale_ = *setting;
  }
  for (auto& engine : engines_) {
    if (!engine->set_locale(locale_)) (void)engine->set_locale(1033);
  }
}

void GameScriptHost::SetTimeoutSeconds(int seconds) {
  if (seconds > INT_MAX / 1000 || seconds < INT_MIN / 1000) return;  // leaves it as it was
  timeoutMs_ = seconds * 1000;
  for (auto& engine : engines_) engine->set_timeout(timeoutMs_);
}

void GameScriptHost::AddObjects(vbs::Engine& engine) {
  for (auto& [name, object] : runtime_.subsystems().variables->ScriptObjects()) {
    (void)engine.AddObject(name, object, true);
  }
  const TextCodec& codec = runtime_.files().codec();
  GameWindow* game = runtime_.game();
  if (game != nullptr) {
    platform::Form& form = game->form();
    (void)engine.AddObject("Hotspot", MakeControlArrayObject(form, "Area", codec), true);
    (void)engine.AddObject("Text", MakeControlArrayObject(form, "Text", codec), true);
  }
  (void)engine.AddObject("ScreenObject", screen_, true);
  (void)engine.AddObject("AppObject", app_, true);
  if (game != nullptr) {
    platform::Form& form = game->form();
    (void)engine.AddObject(
        "MessageObject", MakeElementObject(game->LabelMessageBox.shared_from_this(), codec), true);
    (void)engine.AddObject("FrameMessageObject",
                           MakeElementObject(game->FrameMessageBox.shared_from_this(), codec),
                           true);
    if (runtime_.ControlsReferencesMode == 2) {
      (void)engine.AddObject("WindowObject", MakeWindowObject(*game, codec), true);
    }
    (void)engine.AddObject("TimedEventObject", MakeControlArrayObject(form, "TimedEvent", codec),
                           true);
  }
  (void)engine.AddObject("Action", action_, true);
}

bool GameScriptHost::ExecuteVBScript(const std::string& text, bool resetLastClickPosition) {
  if (runtime_.StopRequested || shutDown_) return false;                               // 1
  if (resetLastClickPosition) runtime_.subsystems().clicks->ResetLastClickPosition();  // 2
  vbs::Engine& engine = EngineAt(depth_);
  struct Depth {
    size_t& d;
    explicit Depth(size_t& depth) : d(depth) { ++d; }
    ~Depth() { --d; }
  } running(depth_);
  engine.Reset();                     // 3
  std::string program = procedures_;  // 4
  program += "\r\n\r\nSub StartupProcedure\r\n";
  program += text;
  program += "\r\nEnd Sub";
  vbs::Result result = engine.AddCode(program);
  if (result) {
    AddObjects(engine);                       // 5
    result = engine.Run("StartupProcedure");  // 6
  }
  // Parameters a script saved in a burst are written together now that it has ended. A
  // failed write stays pending, and the next SaveParameter reports it.
  try {
    runtime_.settings().Flush();
  } catch (const std::exception&) {
  }
  if (result) return false;  // 7
  // A script stopped because the program is quitting has nothing to report.
  if (result.error().timeout && runtime_.platform().events().quit_requested()) return false;
  platform::MessageStyle style;
  style.icon = platform::MessageIcon::kCritical;
  const InterfaceTexts& t = runtime_.texts;
  runtime_.ShowMessage(t[30] + " " + t[31] +
                           "\r\n\r\nError executing script. The Scripting Engine returned the "
                           "following error message:\r\n\r\n" +
                           result.error().description,
                       t[InterfaceTexts::kTitleError], style);
  return true;
}

const CodePage& GameScriptHost::code_page() const {
  return runtime_.files().codec();
}

int GameScriptHost::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
  const std::string caption = title.empty() ? runtime_.info.Title : title;
  const auto answer = runtime_.ShowMessage(prompt, caption, platform::MessageStyleFromVb(buttons));
  StopScriptsWhenQuitting();
  return static_cast<int>(answer);
}

std::optional<std::string> GameScriptHost::InputBox(const std::string& prompt,
                                                    const std::string& title,
                                                    const std::string& defaultText) {
  const std::string caption = title.empty() ? runtime_.info.Title : title;
  auto answer = platform::ShowInputBox(runtime_.platform(), prompt, caption, defaultText);
  StopScriptsWhenQuitting();
  return answer;
}

}  // namespace sw
