// Plays an automation script as an input source of the event loop: whichever loop is
// running (nested modal loops too) takes the next command when no input is waiting.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

#include "automation/script.h"
#include "platform/event_loop.h"

namespace sw::platform {
class Form;
}

namespace sw::automation {

// Exit status of a run whose script command could not be carried out.
inline constexpr int kScriptFailureExit = 3;

class ScriptRunner final : public platform::InputSource {
 public:
  // Failures are reported on `errors` as "scenewright: script line N: reason".
  ScriptRunner(std::vector<Command> commands, std::ostream& errors);

  bool Poll(platform::Platform& platform) override;

  bool finished() const { return next_ >= commands_.size() && !waiting_; }
  // The failure that ended the run, if any.
  const std::optional<ScriptError>& failure() const { return failure_; }

 private:
  void Execute(platform::Platform& platform, const Command& command);
  void Fail(platform::Platform& platform, const Command& command, std::string reason);
  void StepWait(platform::Platform& platform);
  platform::Form* OpenDialog(platform::Platform& platform, const Command& command);

  std::vector<Command> commands_;
  std::ostream& errors_;
  std::size_t next_ = 0;
  bool waiting_ = false;
  long long wait_left_ = 0;
  std::int64_t wait_until_ = 0;
  bool quit_pending_ = false;
  std::optional<ScriptError> failure_;
};

}  // namespace sw::automation
