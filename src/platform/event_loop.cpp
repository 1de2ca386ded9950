#include "platform/event_loop.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/desktop.h"
#include "platform/display.h"
#include "platform/platform.h"
#include "platform/timer.h"

namespace sw::platform {

bool EventLoop::DoEvents() {
  ++passes_;
  std::vector<InputEvent> incoming;
  platform_.display().Poll(incoming);
  for (auto& e : incoming) queue_.push_back(std::move(e));
  bool activity = !incoming.empty();
  if (queue_.empty() && source_ && !quit_) activity |= source_->Poll(platform_);
  // Handlers may run nested loops that take further events from the same queue.
  while (!queue_.empty() && !quit_) {
    InputEvent event = std::move(queue_.front());
    queue_.pop_front();
    activity = true;
    platform_.desktop().Route(event);
  }
  if (!quit_) activity |= FireTimers();
  Desktop& desktop = platform_.desktop();
  if (platform_.display().shows_frames() && desktop.NeedsRepaint()) desktop.Present();
  return activity;
}

bool EventLoop::FireTimers() {
  std::int64_t now = platform_.clock().NowMs();
  std::vector<std::shared_ptr<TimerElement>> due;
  for (Form* form : platform_.desktop().forms()) {
    for (TimerElement* timer : form->timers()) {
      if (timer->armed() && !timer->running() && timer->due_ms() <= now)
        due.push_back(std::static_pointer_cast<TimerElement>(timer->shared_from_this()));
    }
  }
  std::sort(due.begin(), due.end(), [](const auto& a, const auto& b) {
    return a->due_ms() != b->due_ms() ? a->due_ms() < b->due_ms() : a->sequence() < b->sequence();
  });
  bool fired = false;
  for (auto& timer : due) {
    // An earlier handler may have stopped, restarted or unloaded this timer.
    if (quit_ || !timer->armed() || timer->running() || timer->due_ms() > now) continue;
    timer->due_ms_ += timer->interval();
    if (timer->due_ms_ <= now) timer->due_ms_ = now + timer->interval();
    fired = true;
    if (!timer->on.timer) continue;
    auto handler = timer->on.timer;
    struct Running {
      TimerElement& t;
      explicit Running(TimerElement& timer) : t(timer) { t.running_ = true; }
      ~Running() { t.running_ = false; }
    } running(*timer);
    handler(*timer);
  }
  return fired;
}

void EventLoop::Idle() {
  Clock& clock = platform_.clock();
  if (clock.is_virtual() && source_) return;  // the script moves time; no need to sleep
  int wait = 10;
  if (!clock.is_virtual()) {
    std::int64_t now = clock.NowMs();
    for (Form* form : platform_.desktop().forms())
      for (TimerElement* timer : form->timers())
        if (timer->armed() && !timer->running())
          wait = static_cast<int>(std::clamp<std::int64_t>(timer->due_ms() - now, 0, wait));
  }
  if (wait > 0) platform_.display().Wait(wait);
}

void EventLoop::RunModal(const std::function<bool()>& done) {
  ++depth_;
  struct Depth {
    int& d;
    ~Depth() { --d; }
  } guard{depth_};
  while (!quit_ && !done()) {
    if (!DoEvents() && !quit_ && !done()) Idle();
  }
}

void EventLoop::RequestQuit(int exit_code) {
  if (!quit_) exit_code_ = exit_code;
  quit_ = true;
}

}  // namespace sw::platform
