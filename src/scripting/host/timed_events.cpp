#include "scripting/host/timed_events.h"

#include <cmath>

#include <nlohmann/json.hpp>

#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/step_errors.h"
#include "platform/form.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "scripting/host/after_script.h"

namespace sw {

namespace {

constexpr const char* kTimedEvent = "TimedEvent";
constexpr const char* kTimerObject = "TimerObject";
// The timers hold an unsigned 16-bit count of milliseconds.
constexpr double kMaxSeconds = 65;

nlohmann::json TimerArrayDump(platform::Form& form, const char* array,
                              const std::vector<TimedEvents::Entry>* table) {
  auto list = nlohmann::json::array();
  for (int index : form.Indices(array)) {
    if (index == 0) continue;
    const auto& timer = form.Get<platform::TimerElement>(array, index);
    nlohmann::json item = {
        {"index", index}, {"interval", timer.interval()}, {"enabled", timer.enabled()}};
    if (table != nullptr) {
      const bool known = static_cast<size_t>(index) < table->size();
      item["active"] = known && (*table)[index].active;
      item["repeat"] = known && (*table)[index].repeat;
    }
    list.push_back(item);
  }
  return list;
}

}  // namespace

TimedEvents::TimedEvents(GameRuntime& runtime) : runtime_(runtime) {
  dump_ = runtime_.platform().state().Add([this](nlohmann::json& out) {
    platform::Form* form = GameForm();
    if (form == nullptr) return;
    out["timers"]["timedEvents"] = TimerArrayDump(*form, kTimedEvent, &table_);
    out["timers"]["objectTimers"] = TimerArrayDump(*form, kTimerObject, nullptr);
  });
}

platform::Form* TimedEvents::GameForm() {
  GameWindow* game = runtime_.game();
  return game ? &game->form() : nullptr;
}

platform::TimerElement* TimedEvents::Timer(const char* array, int index) {
  platform::Form* form = GameForm();
  if (form == nullptr) return nullptr;
  return dynamic_cast<platform::TimerElement*>(form->Find(array, index));
}

void TimedEvents::ResetTimedEvents() {
  table_.assign(1, Entry{});
  platform::Form* form = GameForm();
  if (form == nullptr) return;
  for (int index : form->Indices(kTimedEvent)) {
    if (index != 0) form->Unload(kTimedEvent, index);
  }
  auto& first = form->Get<platform::TimerElement>(kTimedEvent, 0);
  first.SetEnabled(false);
  first.SetInterval(0);
}

void TimedEvents::StartTimedEvents() {
  platform::Form* form = GameForm();
  if (form == nullptr) return;
  for (int index : form->Indices(kTimedEvent)) {
    if (index == 0 || static_cast<size_t>(index) >= table_.size() || !table_[index].active)
      continue;
    auto& timer = form->Get<platform::TimerElement>(kTimedEvent, index);
    if (!timer.enabled()) timer.SetEnabled(true);
  }
}

void TimedEvents::PauseTimedEvents() {
  platform::Form* form = GameForm();
  if (form == nullptr) return;
  for (int index : form->Indices(kTimedEvent)) {
    form->Get<platform::TimerElement>(kTimedEvent, index).SetEnabled(false);
  }
}

void TimedEvents::Deactivate(int index, bool clearInterval) {
  // A script may have reset the table meanwhile (a game loaded from a dialog it opened).
  if (static_cast<size_t>(index) < table_.size()) table_[index].active = false;
  if (platform::TimerElement* timer = Timer(kTimedEvent, index)) {
    timer->SetEnabled(false);
    if (clearInterval) timer->SetInterval(0);
  }
}

void TimedEvents::TimedEventTimer(int index) {
  if (runtime_.StopRequested) return;  // 1
  if (index <= 0 || static_cast<size_t>(index) >= table_.size()) return;
  const Entry entry = table_[index];                  // the table may change while the script runs
  if (!entry.active || entry.script.empty()) return;  // 2
  if (!entry.repeat) Deactivate(index, true);         // 3: fires once, even if it fails
  ScriptService& scripts = *runtime_.subsystems().scripts;
  scripts.ResetActionModule();  // 4
  scripts.SetActionHotspotNumber(0);
  if (scripts.ExecuteVBScript(entry.script, true)) Deactivate(index, true);  // 5, 6
  CarryOutScriptRequests(runtime_);                                          // 7
}

void TimedEvents::TimerObjectTimer(int index) {
  platform::TimerElement* timer = Timer(kTimerObject, index);
  try {
    if (runtime_.StopRequested) {  // 1
      if (timer) timer->SetEnabled(false);
      return;
    }
    ScriptService& scripts = *runtime_.subsystems().scripts;
    scripts.ResetActionModule();  // 2
    // 3: a failing procedure keeps its timer, so its message comes again at each tick.
    scripts.ExecuteVBScript("TimerObject" + std::to_string(index), true);
    CarryOutScriptRequests(runtime_);  // 4
  } catch (const std::exception& e) {
    platform::MessageStyle style;
    style.icon = platform::MessageIcon::kCritical;
    runtime_.ShowMessage("Unable to execute the procedure named TimerObject" +
                             std::to_string(index) + ". " + ErrorDescription(e),
                         "Error Executing VBScript Code", style);
    if (platform::TimerElement* again = Timer(kTimerObject, index)) again->SetEnabled(false);
  }
}

int TimedEvents::NextIndex() {
  platform::Form* form = GameForm();
  return form ? form->UBound(kTimedEvent) + 1 : 0;
}

int16_t TimedEvents::CreateTimedEvent(double seconds, const std::string& script, bool repeat) {
  if (seconds > kMaxSeconds) return 0;  // 1
  platform::Form* form = GameForm();
  if (form == nullptr) throw VbError(vberr::kObjectNotSet);
  const int index = NextIndex();  // 2
  if (index > INT16_MAX) throw VbError(vberr::kOverflow);
  auto& timer = form->Load<platform::TimerElement>(kTimedEvent, index);
  if (table_.size() <= static_cast<size_t>(index)) table_.resize(index + 1);
  // 3: whole milliseconds, rounded as the timer's integer property rounds.
  const double ms = std::nearbyint(seconds * 1000);
  if (ms < 0) throw VbError(vberr::kInvalidPropertyValue, "Invalid property value");
  timer.SetInterval(static_cast<int>(ms));
  table_[index] = Entry{true, repeat, script};
  return static_cast<int16_t>(index);  // 4: enabled by the next StartTimedEvents
}

void TimedEvents::RemoveTimedEvent(int index) {
  if (index < 0) throw VbError(vberr::kSubscriptOutOfRange);
  platform::Form* form = GameForm();
  if (index == 0 || form == nullptr || index > form->UBound(kTimedEvent)) return;
  Deactivate(index, false);
}

}  // namespace sw
