// Timers and the event loop under the virtual clock: due order, restarts, re-entrancy,
// nested modal loops and quitting.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/timer.h"
#include "ui_support.h"

namespace sw::platform {
namespace {

using testing::Advance;
using testing::ShownForm;

class TimerTest : public ::testing::Test {
 protected:
  Platform platform_;
  std::shared_ptr<Form> form_ = ShownForm(platform_);
  std::vector<std::string> log_;

  TimerElement& AddTimer(const std::string& name, int interval) {
    auto& t = form_->Add<TimerElement>(name);
    t.SetInterval(interval);
    t.SetEnabled(true);
    t.on.timer = [this](Element& e) {
      log_.push_back(e.name() + "@" + std::to_string(platform_.clock().NowMs()));
    };
    return t;
  }
};

TEST_F(TimerTest, FiresEveryIntervalOnTheTenMillisecondGrid) {
  AddTimer("T", 25);
  Advance(platform_, 100);
  // Due at 25, 50, 75, 100: seen at the first pass at or after each due time.
  EXPECT_EQ(log_, (std::vector<std::string>{"T@30", "T@50", "T@80", "T@100"}));
}

TEST_F(TimerTest, TimersDueTogetherFireInDueOrderThenCreationOrder) {
  AddTimer("Slow", 30);
  AddTimer("B", 20);
  AddTimer("A", 20);
  Advance(platform_, 30);
  EXPECT_EQ(log_, (std::vector<std::string>{"B@20", "A@20", "Slow@30"}));
}

TEST_F(TimerTest, StaleTimersFireInOrderOfTheirDueTimeAfterAJump) {
  AddTimer("Late", 50);
  AddTimer("Early", 20);
  platform_.virtual_clock()->Advance(60);
  platform_.DoEvents();
  EXPECT_EQ(log_, (std::vector<std::string>{"Early@60", "Late@60"}));
}

TEST_F(TimerTest, DisabledZeroIntervalAndRestartedTimers) {
  auto& off = AddTimer("Off", 10);
  off.SetEnabled(false);
  AddTimer("Zero", 0);
  auto& restarted = AddTimer("R", 50);
  Advance(platform_, 40);
  restarted.SetEnabled(false);
  restarted.SetEnabled(true);  // countdown starts again at 40
  Advance(platform_, 50);
  EXPECT_EQ(log_, (std::vector<std::string>{"R@90"}));
  // Enabling an already enabled timer does not restart it; setting the interval does.
  restarted.SetEnabled(true);
  Advance(platform_, 20);
  restarted.SetInterval(50);
  Advance(platform_, 40);
  EXPECT_EQ(log_, (std::vector<std::string>{"R@90"}));
  Advance(platform_, 10);
  EXPECT_EQ(log_, (std::vector<std::string>{"R@90", "R@160"}));
}

TEST_F(TimerTest, HandlerThatPumpsEventsIsNotReentered) {
  auto& busy = AddTimer("Busy", 10);
  AddTimer("Other", 10);
  int depth = 0, max_depth = 0, busy_runs = 0;
  busy.on.timer = [&](Element&) {
    ++busy_runs;
    max_depth = std::max(max_depth, ++depth);
    // A long operation that keeps the loop alive for 50 ms.
    Advance(platform_, 50);
    --depth;
  };
  Advance(platform_, 10);
  EXPECT_EQ(busy_runs, 1);
  EXPECT_EQ(max_depth, 1);
  // The other timer kept ticking inside the busy handler.
  EXPECT_GE(log_.size(), 5u);
  // Other was due with Busy at 10 and fired at the first nested pass.
  EXPECT_EQ(log_.front(), "Other@20");
}

TEST_F(TimerTest, HandlerMayStopOrUnloadAnotherDueTimer) {
  auto& first = AddTimer("First", 10);
  auto& arr = form_->AddArray<TimerElement>("Ev");
  arr.SetInterval(10);
  form_->Load<TimerElement>("Ev", 1).SetEnabled(true);
  form_->Get<TimerElement>("Ev", 1).on.timer = [this](Element&) { log_.push_back("Ev1"); };
  first.on.timer = [this](Element&) {
    log_.push_back("First");
    if (form_->Find("Ev", 1)) form_->Unload("Ev", 1);
  };
  Advance(platform_, 30);
  EXPECT_EQ(log_, (std::vector<std::string>{"First", "First", "First"}));
}

TEST_F(TimerTest, ClosedFormsTimersStop) {
  AddTimer("T", 10);
  form_->Close();
  Advance(platform_, 50);
  EXPECT_TRUE(log_.empty());
}

TEST(VirtualClockTest, SecondsSinceMidnightFollowTheVirtualTime) {
  VirtualClock clock(86399.5);
  EXPECT_DOUBLE_EQ(clock.SecondsSinceMidnight(), 86399.5);
  clock.Advance(250);
  EXPECT_DOUBLE_EQ(clock.SecondsSinceMidnight(), 86399.75);
  clock.Advance(500);  // past midnight it starts again from 0
  EXPECT_NEAR(clock.SecondsSinceMidnight(), 0.25, 1e-9);
  clock.Advance(-100);  // time never goes backwards
  EXPECT_EQ(clock.NowMs(), 750);
}

// ---- nested loops ----

class CountingSource : public InputSource {
 public:
  int polls = 0;
  bool Poll(Platform& p) override {
    ++polls;
    p.virtual_clock()->Advance(10);
    return true;
  }
};

TEST(EventLoopTest, ModalLoopNestsInsideATimerAndTimeKeepsRunning) {
  Platform platform;
  auto form = ShownForm(platform);
  CountingSource source;
  platform.events().SetInputSource(&source);
  auto dialog = platform.CreateForm("Dialog");
  dialog->SetSize(3000, 2000);
  auto& opener = form->Add<TimerElement>("Opener");
  auto& closer = dialog->Add<TimerElement>("Closer");
  opener.SetInterval(10);
  opener.SetEnabled(true);
  closer.SetInterval(100);
  closer.SetEnabled(true);
  std::vector<std::string> log;
  int result = -1;
  opener.on.timer = [&](Element& t) {
    static_cast<TimerElement&>(t).SetEnabled(false);
    log.push_back("open@" + std::to_string(platform.clock().NowMs()));
    result = dialog->ShowModal();
    log.push_back("closed@" + std::to_string(platform.clock().NowMs()));
  };
  closer.on.timer = [&](Element&) {
    log.push_back("close depth " + std::to_string(platform.events().depth()));
    dialog->EndModal(7);
  };
  platform.events().RunModal([&] { return log.size() >= 3; });
  EXPECT_EQ(result, 7);
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0], "open@10");
  EXPECT_EQ(log[1], "close depth 2");
  EXPECT_EQ(log[2], "closed@100");  // the dialog's timer was armed when it was made
  platform.events().SetInputSource(nullptr);
}

TEST(EventLoopTest, QuitEndsEveryNestedLoopAndCancelsModalForms) {
  Platform platform;
  auto form = ShownForm(platform);
  CountingSource source;
  platform.events().SetInputSource(&source);
  auto outer = platform.CreateForm("Outer");
  auto inner = platform.CreateForm("Inner");
  auto& t = form->Add<TimerElement>("T");
  t.SetInterval(10);
  t.SetEnabled(true);
  int outer_result = -1, inner_result = -1;
  t.on.timer = [&](Element& e) {
    static_cast<TimerElement&>(e).SetEnabled(false);
    outer_result = outer->ShowModal();
  };
  auto& t2 = outer->Add<TimerElement>("T2");
  t2.SetInterval(20);
  t2.SetEnabled(true);
  t2.on.timer = [&](Element& e) {
    static_cast<TimerElement&>(e).SetEnabled(false);
    inner_result = inner->ShowModal();
  };
  auto& t3 = inner->Add<TimerElement>("T3");
  t3.SetInterval(30);
  t3.SetEnabled(true);
  t3.on.timer = [&](Element&) { platform.events().RequestQuit(5); };
  platform.events().Run();
  EXPECT_EQ(inner_result, 0);
  EXPECT_EQ(outer_result, 0);
  EXPECT_EQ(platform.events().exit_code(), 5);
  EXPECT_FALSE(outer->visible());
  EXPECT_EQ(platform.events().depth(), 0);
  platform.events().SetInputSource(nullptr);
}

TEST(EventLoopTest, InputSourceIsPolledOnlyWhenNoInputWaits) {
  Platform platform;
  auto form = ShownForm(platform);
  CountingSource source;
  platform.events().SetInputSource(&source);
  int clicks = 0;
  form->client().on.click = [&](Element&) {
    ++clicks;
    platform.DoEvents();  // a nested pass while the outer pass still dispatches
  };
  testing::Click(platform, 5, 5);
  EXPECT_EQ(clicks, 1);
  // The nested pass found the queue empty after the click and polled once; the outer pass
  // had input waiting and did not poll.
  EXPECT_EQ(source.polls, 1);
  platform.DoEvents();
  EXPECT_EQ(source.polls, 2);
  platform.events().SetInputSource(nullptr);
}

}  // namespace
}  // namespace sw::platform
