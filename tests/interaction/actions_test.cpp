#include <gtest/gtest.h>

#include "interaction/play_fixture.h"

namespace sw::testing {
namespace {

// A hotspot covering the top-left 50 x 50 pixels; the second one lies to its right.
std::vector<HotspotSpec> TwoHotspots() {
  HotspotSpec a;
  a.Width = a.Height = 50;
  HotspotSpec b = a;
  b.Left = 100;
  return {a, b};
}

class ActionsTest : public PlayFixture {
 protected:
  static ActionSpec GoToAttic() {
    ActionSpec a;
    a.GoToFrame = true;
    a.TargetFrame = "Attic";
    return a;
  }
  void SetUp() override {
    for (const char* name : {"Hall", "Attic", "Cellar", "Garden"}) {
      Frame(name);
      WriteHotspots(writer, name, TwoHotspots());
    }
    writer.WriteVariables({"Door", "Lamp", "Key"});
  }
  int16_t Act(int16_t area, int16_t item = 0) {
    return interaction->actions.MakeAction(area, item);
  }
  int16_t Value(const std::string& name) { return variables().GetVariableValue(name); }
  const std::vector<std::string>& History() { return game.runtime.FramesHistory.names(); }
};

TEST_F(ActionsTest, AnOldRecordEndingAfterFieldThirteenStillChangesGoesAndDisappears) {
  ActionSpec old;
  old.LastGroup = 1;
  old.ChangeVariable = true;
  old.VariableToChange = "Door";
  old.SetToOne = true;
  old.HotspotDisappears = true;
  old.GoToFrame = true;
  old.TargetFrame = "Attic";
  old.ScriptEnabled = true;  // not in the file: never read
  old.ScriptText = "Never";
  WriteActions(writer, "Hall", {old});
  Start();
  Click(10, 10);
  EXPECT_EQ(game.runtime.CurrentFrameName, "Attic");
  EXPECT_EQ(Value("Door"), 1);
  EXPECT_TRUE(variables().HasDisappeared("Hall", 1));
  for (const auto& call : log.calls) {
    EXPECT_EQ(call.rfind("Play", 0), std::string::npos) << call;
    EXPECT_EQ(call.rfind("Script", 0), std::string::npos) << call;
    EXPECT_EQ(call.rfind("Video", 0), std::string::npos) << call;
  }
  EXPECT_EQ(log.Count("StartTimedEvents"), 1u);  // from the frame opening only
  Open("Hall");
  EXPECT_FALSE(interaction->hotspots.Area(1)->visible());
  EXPECT_TRUE(messages().empty());
}

TEST_F(ActionsTest, EndGameReturnsBeforeTheMessageAndScriptButAfterEarlierChanges) {
  ActionSpec end;
  end.ChangeVariable = true;
  end.VariableToChange = "Lamp";
  end.Toggle = true;
  end.HotspotDisappears = true;
  end.EndGame = true;
  end.ShowMessage = true;
  end.MessageText = "Bye";
  end.ScriptEnabled = true;
  end.ScriptText = "Never";
  end.GoToFrame = true;
  end.TargetFrame = "Attic";
  WriteActions(writer, "Hall", {end});
  Start();
  Click(10, 10);
  EXPECT_EQ(Value("Lamp"), 1);
  EXPECT_TRUE(variables().HasDisappeared("Hall", 1));
  EXPECT_EQ(game.runtime.CurrentFrameName, "Hall");
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(log.Count("StartUnloading"), 1u);
  EXPECT_EQ(log.Count("StartTimedEvents"), 0u);
  EXPECT_EQ(log.calls.back(), "StartUnloading");
  // The hotspot that disappeared is hidden before the game unloads.
  EXPECT_FALSE(interaction->hotspots.Area(1)->visible());
}

TEST_F(ActionsTest, APlayingSoundIsRestartedOnlyWithInterruptSound) {
  ActionSpec gentle;
  gentle.PlaySound = true;
  gentle.SoundFile = "bell.wav";
  gentle.LoopSound = false;
  ActionSpec firm = gentle;
  firm.InterruptSound = true;
  WriteActions(writer, "Hall", {gentle, firm});
  writer.WriteRaw("Areas/bell.wav", "RIFF");
  Start();
  EXPECT_EQ(Act(1), Actions::kNothing);
  EXPECT_EQ(log.Count("Play 6 bell.wav 1 7"), 1u);
  sound->playing.insert(6);
  log.calls.clear();
  Act(1);
  EXPECT_EQ(log.Count("Play 6 bell.wav 1 7"), 0u);
  log.calls.clear();
  Act(2);
  // Field 14 stops the player while the record is read, then the sound starts again.
  EXPECT_EQ(log.calls.front(), "StopChannel 6");
  EXPECT_EQ(log.Count("Play 6 bell.wav 1 7"), 1u);
}

TEST_F(ActionsTest, WithoutGroupFiveTheMessageIsADialogWithItAnInFrameBanner) {
  ActionSpec dialog;
  dialog.ShowMessage = true;
  dialog.MessageText = "Locked.";
  dialog.MessageInFrame = true;  // in group 5, which this record does not reach
  dialog.LastGroup = 4;
  ActionSpec banner = dialog;
  banner.LastGroup = 5;
  WriteActions(writer, "Hall", {dialog, banner});
  Start();
  Act(1);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].kind, "");
  EXPECT_EQ(messages()[0].icon, "information");
  EXPECT_EQ(messages()[0].title, "Fixture Game");
  Act(2);
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_EQ(messages()[1].kind, "banner");
  EXPECT_TRUE(window().FrameMessageBox.visible());
}

TEST_F(ActionsTest, GoingBackOpensThePreviousFrameAndShortensTheHistory) {
  ActionSpec back;
  back.GoBack = true;
  for (const char* frame : {"Hall", "Attic", "Cellar"}) WriteActions(writer, frame, {back});
  Start();
  EXPECT_EQ(Act(1), Actions::kNothing);  // one frame in the history: nowhere to go
  EXPECT_EQ(History(), std::vector<std::string>{"Hall"});
  EXPECT_EQ(log.Count("StartTimedEvents"), 1u);
  Open("Attic");
  Open("Attic");  // the same frame twice is one entry
  Open("Cellar");
  EXPECT_EQ(History(), (std::vector<std::string>{"Hall", "Attic", "Cellar"}));
  EXPECT_EQ(Act(1), Actions::kFrameOpened);
  EXPECT_EQ(game.runtime.CurrentFrameName, "Attic");
  EXPECT_EQ(History(), (std::vector<std::string>{"Hall", "Attic"}));
}

TEST_F(ActionsTest, AScriptMayAskForTheLastVisitedFrameInAnyCase) {
  ActionSpec scripted;
  scripted.ScriptEnabled = true;
  scripted.ScriptText = "Action.GoTo |x|";
  scripted.GoToFrame = true;  // the script's request wins
  scripted.TargetFrame = "Garden";
  WriteActions(writer, "Attic", {scripted});
  scripts->onExecute = [this](const std::string&) { scripts->frameToLoad = "Last Visited Frame"; };
  Start();
  Open("Attic");
  log.calls.clear();
  EXPECT_EQ(Act(1), Actions::kFrameOpened);
  EXPECT_EQ(game.runtime.CurrentFrameName, "Hall");
  EXPECT_EQ(log.calls[1], "Hotspot 1");
  EXPECT_EQ(log.calls[2], "Script Action.GoTo \"x\"");  // quotes restored, click kept
}

TEST_F(ActionsTest, ItemKeysMatchWithoutRegardToCaseAndUseTheDropPosition) {
  ItemActionSpec use;
  use.Hotspot = 2;
  use.KeyOverride = "2_RUSTY KEY.DRG";
  use.Action.ChangeVariable = true;
  use.Action.VariableToChange = "Key";
  use.Action.SetToOne = true;
  use.Action.HotspotDisappears = true;  // the item is used up
  WriteItemActions(writer, "Hall", {use});
  Start();
  auto& item = window().form().Load<platform::Element>("PickedObject", 1);
  item.SetTag("Rusty Key");
  inventory->dragged = 1;
  interaction->actions.AreaDragDrop(2, item, 300, 150);
  EXPECT_EQ(Value("Key"), 1);
  EXPECT_EQ(log.Count("RemoveItem 1"), 1u);
  EXPECT_FALSE(variables().HasDisappeared("Hall", 2));
  EXPECT_EQ(interaction->actions.LastClickX, (1500 + 30 + 300) / 15);
  EXPECT_EQ(interaction->actions.LastClickY, (30 + 150) / 15);
  // Dropped on the other hotspot, the item has no action there.
  variables().ChangeVariableValue("Key", 0);
  EXPECT_EQ(Act(1, 1), Actions::kNothing);
  EXPECT_EQ(Value("Key"), 0);
  EXPECT_EQ(log.Count("StartTimedEvents"), 1u);
}

TEST_F(ActionsTest, ChannelEntriesGoToTheSoundChannelsKeepingUnreadSlots) {
  ActionSpec channels;
  channels.FadeDurationMs = "1500";
  channels.ValuesPerChannel = 5;
  channels.Channels = {
      {Variant(int16_t{2}), Variant(true), Variant(false), Variant(int16_t{8}), Variant("a.wav")},
      {Variant(int16_t{3}), Variant(false), Variant(true), Variant(int16_t{4}), Variant("")}};
  channels.AddItem = true;
  channels.ItemName = "Lamp";
  ActionSpec shortEntries = channels;
  shortEntries.ValuesPerChannel = 2;  // slots 3-5 keep the previous entry's values
  shortEntries.Channels = {{Variant(int16_t{2}), Variant(false), Variant(), Variant(), Variant()},
                           {Variant(int16_t{4}), Variant(true), Variant(), Variant(), Variant()}};
  ActionSpec tooWide = channels;
  tooWide.ValuesPerChannel = 6;
  WriteActions(writer, "Hall", {channels, shortEntries});
  WriteActions(writer, "Attic", {tooWide});
  Start();
  Act(1);
  EXPECT_EQ(log.Count("Fade 1.500000"), 1u);
  EXPECT_EQ(log.Count("Channel 1 2 fade - 8 a.wav"), 1u);
  EXPECT_EQ(log.Count("Channel 2 3 - repeat 4 "), 1u);
  EXPECT_EQ(log.Count("AddItem Lamp"), 1u);
  EXPECT_LT(log.IndexOf("AddItem Lamp"), log.IndexOf("ApplySoundChannels"));
  log.calls.clear();
  Act(2);
  EXPECT_EQ(log.Count("Channel 1 2 - - 0 "), 1u);
  EXPECT_EQ(log.Count("Channel 2 4 fade - 0 "), 1u);
  Open("Attic");
  log.calls.clear();
  Act(1);
  for (const auto& call : log.calls) {
    EXPECT_EQ(call.rfind("Channel", 0), std::string::npos) << call;
    EXPECT_EQ(call.rfind("AddItem", 0), std::string::npos) << call;
  }
  EXPECT_TRUE(messages().empty());
}

TEST_F(ActionsTest, AnEighthChannelEntryOrAnOversizedVideoPlacementIsReported) {
  ActionSpec eight;
  eight.ValuesPerChannel = 1;
  for (int k = 0; k < 8; ++k) eight.Channels.push_back({Variant(int16_t{1})});
  eight.GoToFrame = true;
  eight.TargetFrame = "Attic";
  ActionSpec video;
  video.PlayVideo = true;
  video.Video.File = "intro.avi";
  video.Video.InFrameArea = true;
  video.Video.Left = 2185;  // 2185 x 15 leaves the 16-bit range
  WriteActions(writer, "Hall", {eight, video});
  writer.WriteRaw("Frames/intro.avi", "RIFF");
  Start();
  EXPECT_EQ(Act(1), Actions::kNothing);
  EXPECT_EQ(game.runtime.CurrentFrameName, "Hall");
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text,
            StandardError(" Unable to make the action associated with the hotspot #1. "
                          "Subscript out of range"));
  EXPECT_EQ(Act(2), Actions::kNothing);
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_EQ(messages()[1].text,
            StandardError(" Unable to make the action associated with the hotspot #2. Overflow"));
  EXPECT_EQ(log.Count("Video intro.avi cut"), 0u);
}

TEST_F(ActionsTest, VideosPlayWhereTheRecordPlacesThem) {
  ActionSpec inArea;
  inArea.PlayVideo = true;
  inArea.Video.File = "intro.avi";
  inArea.Video.InFrameArea = true;
  inArea.Video.Left = 2184;
  inArea.Video.Width = 100;
  inArea.Video.Height = 50;
  ActionSpec placed = inArea;
  placed.Video.InFrameArea = false;
  placed.Video.Left = 5;
  WriteActions(writer, "Hall", {inArea, placed});
  writer.WriteRaw("Frames/intro.avi", "RIFF");
  Start();
  Act(1);
  EXPECT_EQ(log.Count("Video intro.avi cut"), 1u);
  EXPECT_EQ(window().CutSceneArea.left(), 2184 * 15);
  EXPECT_EQ(window().CutSceneArea.width(), 1500);
  Act(2);
  EXPECT_EQ(log.Count("Video intro.avi placed 5,0,100,50"), 1u);
  EXPECT_TRUE(messages().empty());
}

TEST_F(ActionsTest, VariableListsApplyOnlyWhenEnabled) {
  ActionSpec lists;
  lists.VariableLists = true;
  lists.ListSetToZero = {"Door"};
  lists.ListSetToOne = {"Lamp", ""};
  lists.ListToggle = {"Key", "Nothing"};
  ActionSpec off = lists;
  off.VariableLists = false;
  WriteActions(writer, "Hall", {lists, off});
  Start();
  variables().ChangeVariableValue("Door", 1);
  Act(1);
  EXPECT_EQ(Value("Door"), 0);
  EXPECT_EQ(Value("Lamp"), 1);
  EXPECT_EQ(Value("Key"), 1);
  Act(2);
  EXPECT_EQ(Value("Key"), 1);
  EXPECT_TRUE(messages().empty());
}

TEST_F(ActionsTest, MissingFilesAndRecordsMeanNoActionAndNoTimedEvents) {
  ActionSpec one;
  one.GoToFrame = true;
  one.TargetFrame = "Attic";
  WriteActions(writer, "Attic", {one});
  Start();
  EXPECT_EQ(Act(1), Actions::kNothing);  // Hall has no action file
  Open("Attic");
  log.calls.clear();
  EXPECT_EQ(Act(2), Actions::kNothing);  // beyond the file's records
  window().form().Load<platform::Element>("PickedObject", 1).SetTag("Lamp");
  EXPECT_EQ(Act(1, 1), Actions::kNothing);  // no item action file
  EXPECT_EQ(log.Count("StartTimedEvents"), 0u);
  EXPECT_TRUE(messages().empty());
}

TEST_F(ActionsTest, TheHotspotsChannelBlockIsReadFromItsRecord) {
  WriteActions(writer, "Hall", {ActionSpec{}, ActionSpec{}});
  WriteHotspotChannels(writer, "Hall",
                       {{1, {{false, true, "one.wav", 0}}}, {2, {{false, true, "two.wav", 1}}}});
  Start();
  Act(2);
  EXPECT_EQ(log.Count("PlaySoundChannels"), 1u);
  EXPECT_EQ(sound->firstChannelValue, "0");  // positioned at the block's first value
  EXPECT_TRUE(messages().empty());
}

TEST_F(ActionsTest, TransitionsAreUsedOnlyWhenTheRecordSaysOne) {
  ActionSpec fade = GoToAttic();
  fade.Transition = true;
  fade.TransitionDurationMs = 1500;
  fade.TransitionNumber = 4;
  ActionSpec oldFile = fade;
  oldFile.LastGroup = 7;  // the transition fields are not in the record
  WriteActions(writer, "Hall", {fade, oldFile});
  Start();
  Act(1);
  EXPECT_EQ(log.Count("Step1 4"), 1u);
  EXPECT_EQ(log.Count("Step2 4 1.500000"), 1u);
  Open("Hall");
  log.calls.clear();
  Act(2);
  EXPECT_EQ(game.runtime.CurrentFrameName, "Attic");
  EXPECT_EQ(log.Count("Step1 4"), 0u);
}

TEST_F(ActionsTest, StoppingDuringTheScriptEndsTheActionQuietly) {
  ActionSpec stop = GoToAttic();
  stop.ScriptEnabled = true;
  stop.ScriptText = "Action.StopEverything";
  stop.ShowMessage = true;
  stop.MessageText = "Never shown";
  WriteActions(writer, "Hall", {stop});
  scripts->onExecute = [this](const std::string&) { game.runtime.StopRequested = true; };
  Start();
  EXPECT_EQ(Act(1), Actions::kNothing);
  EXPECT_EQ(game.runtime.CurrentFrameName, "Hall");
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(log.Count("StartTimedEvents"), 0u);
  // The next action starts with the flag cleared.
  scripts->onExecute = nullptr;
  EXPECT_EQ(Act(1), Actions::kFrameOpened);
}

TEST_F(ActionsTest, TheClickPositionRoundsHalvesToEven) {
  Start();
  interaction->actions.SaveClickPos(337.5f, 562.5f);  // 22.5 and 37.5 pixels
  EXPECT_EQ(interaction->actions.LastClickX, 22);
  EXPECT_EQ(interaction->actions.LastClickY, 38);
  interaction->actions.SaveClickPos(7.4f, 7.6f);
  EXPECT_EQ(interaction->actions.LastClickX, 0);
  EXPECT_EQ(interaction->actions.LastClickY, 1);
}

TEST_F(ActionsTest, AHotspotPressActsThenPausesAndARightPressOnlyOpensTheMenus) {
  ActionSpec toggle;
  toggle.ChangeVariable = true;
  toggle.VariableToChange = "Door";
  toggle.Toggle = true;
  WriteActions(writer, "Hall", {toggle});
  Start();
  const auto before = game.platform.clock().NowMs();
  Click(20, 30);
  EXPECT_GT(game.platform.clock().NowMs() - before, Actions::kPauseAfterClickMs);
  EXPECT_EQ(Value("Door"), 1);
  EXPECT_EQ(interaction->actions.LastClickX, 20);
  EXPECT_EQ(interaction->actions.LastClickY, 30);
  EXPECT_EQ(log.IndexOf("Pick 1"), log.IndexOf("StepAudioFade 1") - 1);
  Click(20, 30, platform::kRightButton);
  EXPECT_EQ(Value("Door"), 1);
  EXPECT_EQ(log.Count("ShowMenus"), 1u);
  game.runtime.MenuJustOpened = true;
  Click(20, 30);  // a menu title was just clicked: this press only closes the menus
  EXPECT_EQ(Value("Door"), 1);
  game.runtime.MenuJustOpened = false;
  game.runtime.StopRequested = true;
  Click(20, 30);
  EXPECT_EQ(Value("Door"), 1);
}

}  // namespace
}  // namespace sw::testing
