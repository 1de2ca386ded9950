// Timer element: runs its tick handler every `interval` milliseconds of the program's clock
// while enabled. Enabling it or setting its interval restarts the countdown.
#pragma once

#include <cstdint>

#include "platform/element.h"

namespace sw::platform {

class TimerElement : public Element {
 public:
  TimerElement() : Element(ElementKind::kTimer) { SetVisible(false); }

  // Milliseconds; 0 never fires.
  int interval() const { return interval_; }
  void SetInterval(int ms);

  bool is_drawn() const override { return false; }
  void Paint(Canvas&) override {}

  // Scheduling state, kept by the event loop.
  std::int64_t due_ms() const { return due_ms_; }
  bool running() const { return running_; }
  std::uint64_t sequence() const { return sequence_; }
  bool armed() const { return enabled() && interval_ > 0 && loaded(); }

 protected:
  std::shared_ptr<Element> Clone() const override;
  void EnabledChanged() override { Restart(); }

 private:
  friend class EventLoop;
  friend class Form;
  void Restart();

  int interval_ = 0;
  std::int64_t due_ms_ = 0;
  bool running_ = false;
  std::uint64_t sequence_ = 0;
};

}  // namespace sw::platform
