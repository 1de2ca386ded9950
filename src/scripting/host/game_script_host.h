// The script host of the game: runs every piece of project script (frame scripts, hotspot
// actions, timed events, the debug command) with the project procedures and the player's
// objects, and reports a failure in one message.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/game/subsystems.h"
#include "scripting/host/action_object.h"
#include "scripting/vbscript/engine.h"
#include "scripting/vbscript/lib_file_access.h"
#include "scripting/vbscript/script_host.h"

namespace sw {

class GameRuntime;

// Where the regional settings of the game's scripts come from: the player's --locale option
// (0 when not given), else the game's per-user setting "Locale", else the environment.
struct ScriptLocaleChoice {
  int32_t option = 0;
  int32_t environment = 1033;
};

class GameScriptHost final : public ScriptService, private vbs::ScriptHost {
 public:
  explicit GameScriptHost(GameRuntime& runtime);
  ~GameScriptHost() override;

  // Takes effect when the procedures are next loaded (ResetAll), once the game's settings
  // can be read.
  void SetLocaleChoice(ScriptLocaleChoice choice) { localeChoice_ = choice; }
  // The locale scripts start in (a Windows locale ID).
  int32_t locale() const { return locale_; }

  void DetermineControlsReferencesMode() override;
  void LoadProcedures() override;
  void SetTimeoutSeconds(int seconds) override;
  void ShutDown() override;
  bool ExecuteVBScript(const std::string& text, bool resetLastClickPosition) override;
  void ResetActionModule() override { action_->ResetModule(); }
  void SetActionHotspotNumber(int number) override {
    action_->iHotspotNumber = static_cast<int16_t>(number);
  }
  ScriptRequests Requests() override {
    return {action_->sFrameToLoad, action_->iTransitionNumber, action_->dTransitionDuration,
            action_->bStopGame};
  }
  void ResolvedFrameToLoad(const std::string& frame) override { action_->sFrameToLoad = frame; }

  ActionObject& action() { return *action_; }
  const std::string& procedures() const { return procedures_; }

 private:
  // MsgBox and InputBox of scripts open the game's dialogs; the game title is the default
  // caption.
  int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
  std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) override;
  const vbs::FileAccess* file_access() const override { return &files_; }
  // The game's code page for Asc, Chr and ANSI text files.
  const CodePage& code_page() const override;
  void AddObjects(vbs::Engine& engine);
  // The engine for an execution that starts while `depth` others are still running (a timer
  // firing behind a script's dialog): each level has its own, so a script that waits keeps
  // its code and globals.
  vbs::Engine& EngineAt(size_t depth);
  // Once the program is quitting, a dialog that returns at once must not keep a script's
  // loop asking: the running scripts are stopped as the time-out stops them.
  void StopScriptsWhenQuitting();

  // Scripts' files: relative names lie in the project folder and are resolved like every
  // other path of the player; reads and writes only inside the game's folders and the
  // player's per-user data folder, links followed.
  class GameFileAccess final : public vbs::FileAccess {
   public:
    explicit GameFileAccess(GameRuntime& runtime) : runtime_(runtime) {}
    std::filesystem::path Resolve(std::string_view scriptPath) const override;
    bool MayWrite(const std::filesystem::path& resolved) const override;
    bool MayRead(const std::filesystem::path& resolved) const override;

   private:
    GameRuntime& runtime_;
  };

  GameRuntime& runtime_;
  std::vector<std::unique_ptr<vbs::Engine>> engines_;
  size_t depth_ = 0;
  bool shutDown_ = false;
  int timeoutMs_ = -1;  // -1: the engine's own
  ScriptLocaleChoice localeChoice_;
  int32_t locale_ = 1033;
  Ref<ActionObject> action_;
  // The screen and the program read the runtime at each access, so one of each serves all runs.
  Ref<Dispatch> screen_;
  Ref<Dispatch> app_;
  GameFileAccess files_{runtime_};
  std::string procedures_;
};

}  // namespace sw
