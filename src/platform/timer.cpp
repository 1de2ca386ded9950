#include "platform/timer.h"

#include "platform/form.h"
#include "platform/platform.h"

namespace sw::platform {

std::shared_ptr<Element> TimerElement::Clone() const {
  auto copy = std::make_shared<TimerElement>(*this);
  copy->running_ = false;
  return copy;
}

void TimerElement::SetInterval(int ms) {
  interval_ = ms < 0 ? 0 : ms;
  Restart();
}

void TimerElement::Restart() {
  if (form()) due_ms_ = form()->platform().clock().NowMs() + interval_;
}

}  // namespace sw::platform
