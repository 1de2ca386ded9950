#include "scripting/host/game_script_host.h"

#include <climits>

#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "platform/platform.h"
#include "platform/system/user_dirs.h"
#include "scripting/host/element_object.h"
#include "scripting/host/platform_objects.h"
#include "scripting/host/procedures.h"
#include "scripting/host/script_paths.h"

namespace sw {

std::filesystem::path GameScriptHost::GameFileAccess::Resolve(std::string_view scriptPath) const {
  return runtime_.files().Resolve(scriptPath);
}

bool GameScriptHost::GameFileAccess::MayWrite(const std::filesystem::path& resolved) const {
  const std::filesystem::path project = runtime_.files().Resolve(runtime_.folders.ProjectFolder);
  return IsInsideFolder(resolved, project) || IsInsideFolder(resolved, UserDataDir());
}

GameScriptHost::GameScriptHost(GameRuntime& runtime)
    : runtime_(runtime), action_(MakeRef<ActionObject>(runtime)) {
  engine_.set_host(this);
}

GameScriptHost::~GameScriptHost() {
  engine_.set_host(nullptr);
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
}

void GameScriptHost::SetTimeoutSeconds(int seconds) {
  if (seconds > INT_MAX / 1000 || seconds < INT_MIN / 1000) return;  // leaves it as it was
  engine_.set_timeout(seconds * 1000);
}

void GameScriptHost::AddObjects() {
  for (auto& [name, object] : runtime_.subsystems().variables->ScriptObjects()) {
    (void)engine_.AddObject(name, object, true);
  }
  const TextCodec& codec = runtime_.files().codec();
  GameWindow* game = runtime_.game();
  if (game != nullptr) {
    platform::Form& form = game->form();
    (void)engine_.AddObject("Hotspot", MakeControlArrayObject(form, "Area", codec), true);
    (void)engine_.AddObject("Text", MakeControlArrayObject(form, "Text", codec), true);
  }
  (void)engine_.AddObject("ScreenObject", MakeScreenObject(runtime_), true);
  (void)engine_.AddObject("AppObject", MakeAppObject(runtime_), true);
  if (game != nullptr) {
    platform::Form& form = game->form();
    (void)engine_.AddObject(
        "MessageObject", MakeElementObject(game->LabelMessageBox.shared_from_this(), codec), true);
    (void)engine_.AddObject("FrameMessageObject",
                            MakeElementObject(game->FrameMessageBox.shared_from_this(), codec),
                            true);
    if (runtime_.ControlsReferencesMode == 2) {
      (void)engine_.AddObject("WindowObject", MakeWindowObject(*game, codec), true);
    }
    (void)engine_.AddObject("TimedEventObject", MakeControlArrayObject(form, "TimedEvent", codec),
                            true);
  }
  (void)engine_.AddObject("Action", action_, true);
}

bool GameScriptHost::ExecuteVBScript(const std::string& text, bool resetLastClickPosition) {
  if (runtime_.StopRequested) return false;                                            // 1
  if (resetLastClickPosition) runtime_.subsystems().clicks->ResetLastClickPosition();  // 2
  engine_.Reset();                                                                     // 3
  std::string program = procedures_;                                                   // 4
  program += "\r\n\r\nSub StartupProcedure\r\n";
  program += text;
  program += "\r\nEnd Sub";
  vbs::Result result = engine_.AddCode(program);
  if (result) {
    AddObjects();                              // 5
    result = engine_.Run("StartupProcedure");  // 6
  }
  if (result) return false;  // 7
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

int GameScriptHost::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
  const std::string caption = title.empty() ? runtime_.info.Title : title;
  return static_cast<int>(
      runtime_.ShowMessage(prompt, caption, platform::MessageStyleFromVb(buttons)));
}

std::optional<std::string> GameScriptHost::InputBox(const std::string& prompt,
                                                    const std::string& title,
                                                    const std::string& defaultText) {
  const std::string caption = title.empty() ? runtime_.info.Title : title;
  const TextCodec& codec = runtime_.files().codec();
  auto answer = platform::ShowInputBox(runtime_.platform(), codec.ToUtf8(prompt),
                                       codec.ToUtf8(caption), codec.ToUtf8(defaultText));
  if (!answer) return std::nullopt;
  return codec.FromUtf8(*answer);
}

}  // namespace sw
