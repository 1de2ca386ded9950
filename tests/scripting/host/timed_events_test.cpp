#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "platform/timer.h"
#include "script_game_fixture.h"

namespace sw::testing {
namespace {

class TimedEventsTest : public ScriptGameFixture {};

TEST_F(TimedEventsTest, SixtyFiveSecondsIsTheLongestDelay) {
  Start();
  EXPECT_FALSE(
      Run("Action.sFrameToLoad = CreateTimedEvent(65, \"x = 1\", False) & \"|\" & "
          "CreateTimedEvent(65.5, \"x = 1\", False) & \"|\" & "
          "CreateTimedEvent(0.0004, \"x = 1\", True)"));
  EXPECT_EQ(action().sFrameToLoad, "1|0|2");
  EXPECT_EQ(form().UBound("TimedEvent"), 2) << "65.5 s creates no timer";
  EXPECT_EQ(TimedEvent(1).interval(), 65000);
  EXPECT_EQ(TimedEvent(2).interval(), 0) << "0.4 ms rounds to no interval";
  EXPECT_FALSE(TimedEvent(1).enabled()) << "new events wait for StartTimedEvents";
  ASSERT_EQ(events_->table().size(), 3u);
  EXPECT_TRUE(events_->table()[1].active);
  EXPECT_FALSE(events_->table()[1].repeat);
  EXPECT_TRUE(events_->table()[2].repeat);
  EXPECT_TRUE(messages().empty()) << (messages().empty()
                                          ? ""
                                          : messages()[0].text + "#" + messages()[0].title);
}

TEST_F(TimedEventsTest, OnceFiresOnceAndAFailingEventReportsOnce) {
  writer.WriteVariables({"Ticks"});
  Start();
  EXPECT_FALSE(
      Run("CreateTimedEvent 0.1, \"Ticks = Ticks + 1\", False\r\n"
          "CreateTimedEvent 0.1, \"Ticks = Ticks + 1 : x = 1 / 0\", False\r\n"
          "CreateTimedEvent 0.1, \"Ticks = Ticks + 10 : x = 1 / 0\", True"));
  events_->StartTimedEvents();
  Wait(1000);
  // Event 1 once (+1), event 2 once before failing (+1), event 3 once before failing (+10):
  // a failure stops even a repeating event, so each error is reported a single time.
  EXPECT_EQ(variables().GetVariableValue("Ticks"), 12);
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_NE(messages()[0].text.find("Division by zero"), std::string::npos);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_FALSE(events_->table()[i].active) << i;
    EXPECT_FALSE(TimedEvent(i).enabled()) << i;
    EXPECT_EQ(TimedEvent(i).interval(), 0) << i;
  }
}

TEST_F(TimedEventsTest, RepeatingEventsRunUntilRemovedAndPauseKeepsRemovedOnesOff) {
  writer.WriteVariables({"A", "B"});
  Start();
  EXPECT_FALSE(
      Run("CreateTimedEvent 0.1, \"A = A + 1\", True\r\n"
          "CreateTimedEvent 0.1, \"B = B + 1\", True"));
  events_->StartTimedEvents();
  Wait(350);
  EXPECT_EQ(variables().GetVariableValue("A"), 3);
  events_->PauseTimedEvents();
  EXPECT_FALSE(Run("RemoveTimedEvent 1 : RemoveTimedEvent 0 : RemoveTimedEvent 9"));
  events_->StartTimedEvents();
  Wait(200);
  EXPECT_EQ(variables().GetVariableValue("A"), 3) << "removed while paused, never restarted";
  EXPECT_EQ(variables().GetVariableValue("B"), 5);
  EXPECT_TRUE(messages().empty());
  // A negative index fails with the method's own message, and the script goes on.
  EXPECT_FALSE(Run("RemoveTimedEvent -1 : B = 0"));
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text,
            StandardError(" Unable to remove the timed event #-1. Subscript out of range"));
  EXPECT_EQ(variables().GetVariableValue("B"), 0);
}

TEST_F(TimedEventsTest, AnEventThatChangesFrameIsRemovedByTheFrameChange) {
  writer.WriteVariables({"Runs"});
  Start();
  EXPECT_FALSE(
      Run("CreateTimedEvent 0.1, \"Runs = Runs + 1 : GoToFrame \"\"Hall\"\", 0.5, 7\", True"));
  events_->StartTimedEvents();
  Wait(500);
  EXPECT_EQ(FrameName(), "Hall");
  EXPECT_EQ(variables().GetVariableValue("Runs"), 1);
  EXPECT_EQ(form().UBound("TimedEvent"), 0);
  EXPECT_EQ(events_->table().size(), 1u);
  EXPECT_GE(log.IndexOf("Step1 7"), 0) << "the transition the script asked for";
}

TEST_F(TimedEventsTest, AFrameScriptsEventStartsAtTheEndOfTheOpening) {
  FrameFile hall;
  hall.FrameBackground = "0";
  hall.ScriptEnabled = true;
  // Frame files store the script's quotes as '|'.
  hall.ScriptText = Variant(
      std::string("i = CreateTimedEvent(0.2, |Message ||late|||, False) : "
                  "MsgBox TimedEventObject(i).Enabled & | | & TimedEventObject(i).Interval"));
  writer.WriteFrame("Hall", hall);
  Start();
  Open("Hall");
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text, "False 200") << "not yet running while the script runs";
  EXPECT_TRUE(TimedEvent(1).enabled()) << "started by the opening's last step";
  Wait(300);
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_EQ(messages()[1].text, "late");
}

TEST_F(TimedEventsTest, LastVisitedFrameAndQuitAfterATimedEvent) {
  Start();
  Open("Hall");
  EXPECT_FALSE(Run("CreateTimedEvent 0.1, \"GoToFrame \"\"Last Visited Frame\"\"\", False"));
  events_->StartTimedEvents();
  Wait(200);
  EXPECT_EQ(FrameName(), "Start");
  EXPECT_FALSE(Run("CreateTimedEvent 0.1, \"Quit : Message \"\"still running\"\"\", False"));
  events_->StartTimedEvents();
  Wait(200);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text, "still running") << "the script goes on after Quit";
  EXPECT_EQ(log.Count("StartUnloading"), 1u);
}

TEST_F(TimedEventsTest, ObjectTimersCallTheirProcedureAndKeepTickingOnFailure) {
  writer.WriteVariables({"AllowControlsReferences", "Ticks"});
  writer.WriteProcedures("Sub TimerObject1\r\n  Ticks = Ticks + 1\r\nEnd Sub");
  Start();
  EXPECT_FALSE(
      Run("Action.CreateObject WindowObject.TimerObject(1)\r\n"
          "Action.CreateObject WindowObject.TimerObject(2)\r\n"
          "WindowObject.TimerObject(1).Interval = 100\r\n"
          "WindowObject.TimerObject(1).Enabled = True\r\n"
          "WindowObject.TimerObject(2).Interval = 250\r\n"
          "WindowObject.TimerObject(2).Enabled = True"));
  Wait(520);
  EXPECT_EQ(variables().GetVariableValue("Ticks"), 5);
  // TimerObject2 does not exist: the failure comes at each tick and the timer keeps going.
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_EQ(messages()[0].title, "Error");
  EXPECT_TRUE(form().Get<platform::TimerElement>("TimerObject", 2).enabled());
  // Frame changes leave object timers alone; a stopped game switches a ticking one off.
  Open("Hall");
  Wait(100);
  EXPECT_EQ(variables().GetVariableValue("Ticks"), 6);
  game.runtime.StopRequested = true;
  Wait(100);
  EXPECT_FALSE(form().Get<platform::TimerElement>("TimerObject", 1).enabled());
  EXPECT_EQ(variables().GetVariableValue("Ticks"), 6);
}

TEST_F(TimedEventsTest, DumpListsTimedEventsAndObjectTimers) {
  Start();
  EXPECT_FALSE(Run("CreateTimedEvent 2, \"x = 1\", True : AllowControlsReferencesNextTime"));
  EXPECT_FALSE(Run("Action.CreateObject WindowObject.TimerObject(3)"));
  events_->StartTimedEvents();
  nlohmann::json dump = game.platform.state().Collect();
  EXPECT_EQ(dump["timers"]["timedEvents"],
            nlohmann::json::parse(R"([{"index":1,"interval":2000,"enabled":true,
                                       "active":true,"repeat":true}])"));
  EXPECT_EQ(dump["timers"]["objectTimers"],
            nlohmann::json::parse(R"([{"index":3,"interval":0,"enabled":false}])"));
  EXPECT_TRUE(dump["timers"]["frame"].is_object()) << "the frame timer keeps its place";
}

}  // namespace
}  // namespace sw::testing

namespace sw::testing {
namespace {

// Lets time pass while a dialog is open, then presses Enter: timers fire behind the dialog.
class SlowAnswers : public platform::InputSource {
 public:
  bool Poll(platform::Platform& platform) override {
    platform.virtual_clock()->Advance(10);
    if (platform.desktop().top_modal() == nullptr) return true;
    if ((waited_ += 10) < 500) return true;
    waited_ = 0;
    return answers_.Poll(platform);
  }

 private:
  int waited_ = 0;
  AnswerDialogsWithEnter answers_;
};

TEST_F(TimedEventsTest, AnEventFiringBehindAScriptsDialogRunsOnItsOwn) {
  writer.WriteVariables({"Ticks"}, {"Log"});
  writer.WriteProcedures("Dim Counter\r\nFunction Twice(x)\r\n  Twice = 2 * x\r\nEnd Function");
  Start();
  SlowAnswers slow;
  game.platform.events().SetInputSource(&slow);
  EXPECT_FALSE(Run(
      "CreateTimedEvent 0.1, \"Ticks = Ticks + 1 : Counter = 100 : Dim Inner : Inner = 5\", True"));
  events_->StartTimedEvents();
  // The outer script's own variables and procedures survive the events run meanwhile.
  EXPECT_FALSE(
      Run("Dim Mine : Mine = Twice(21) : Counter = 7\r\n"
          "MsgBox \"waiting\"\r\n"
          "Log = Mine & \"|\" & Twice(1) & \"|\" & IsEmpty(Inner) & \"|\" & Counter"));
  game.platform.events().SetInputSource(&ticks);
  EXPECT_GE(variables().GetVariableValue("Ticks"), 3);
  EXPECT_EQ(variables().VariablesVariant.At(1).Value().ToStringUtf8(), "42|2|True|7");
  ASSERT_EQ(messages().size(), 1u);
}

}  // namespace
}  // namespace sw::testing
