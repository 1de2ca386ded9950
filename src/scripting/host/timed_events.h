// Timed events and object timers: the table of pieces of script that scripts schedule with
// CreateTimedEvent, the TimedEvent timers that run them, and the TimerObject timers that call
// the project procedures TimerObject1, TimerObject2 ...
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/game/subsystems.h"
#include "platform/state_dump.h"

namespace sw::platform {
class Form;
class TimerElement;
}  // namespace sw::platform

namespace sw {

class GameRuntime;

class TimedEvents final : public TimedEventService {
 public:
  struct Entry {
    bool active = false;
    bool repeat = false;
    std::string script;
  };

  explicit TimedEvents(GameRuntime& runtime);

  void ResetTimedEvents() override;
  void StartTimedEvents() override;
  void PauseTimedEvents() override;
  void TimedEventTimer(int index) override;
  void TimerObjectTimer(int index) override;

  // A new event after `seconds` (at most 65), started by the next StartTimedEvents; returns
  // its index, or 0 when the delay is too long. Throws VbError when the timer cannot be made.
  int16_t CreateTimedEvent(double seconds, const std::string& script, bool repeat) override;
  // Stops event `index` for good (0 or an index above the last does nothing; a negative one
  // throws VbError 9).
  void RemoveTimedEvent(int index) override;

  // The index the next CreateTimedEvent gives (0 without a game window).
  int NextIndex() override;

  // Entry 0 is never used.
  const std::vector<Entry>& table() const { return table_; }

 private:
  platform::Form* GameForm();
  platform::TimerElement* Timer(const char* array, int index);
  // Marks entry `index` inactive and stops its timer.
  void Deactivate(int index, bool clearInterval);

  GameRuntime& runtime_;
  std::vector<Entry> table_{1};
  platform::StateDump::Registration dump_;
};

}  // namespace sw
