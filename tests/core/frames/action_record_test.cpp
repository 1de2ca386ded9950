#include "core/frames/action_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/vb_error.h"
#include "core/valuefile/value_reader.h"
#include "core/valuefile/value_writer.h"

namespace sw {
namespace {

// Records every reading-time effect in the order it happens.
struct RecordingEffects final : ActionReadEffects {
  std::vector<std::string> calls;
  void ChangeVariable(const std::string& name, int16_t value) override {
    calls.push_back("Change " + name + " " + std::to_string(value));
  }
  void Disappear() override { calls.push_back("Disappear"); }
  void StopHotspotSound() override { calls.push_back("StopHotspotSound"); }
  void StopAnyWavOrMP3() override { calls.push_back("StopAny"); }
  void SetFadeTime(double seconds) override { calls.push_back("Fade " + std::to_string(seconds)); }
  void SetChannelOrder(int k, const ChannelOrder& o) override {
    calls.push_back("Channel " + std::to_string(k) + " " + std::to_string(o.action) + " " + o.file);
  }
  void AddItem(const std::string& name) override { calls.push_back("AddItem " + name); }
};

ActionRecord Full() {
  ActionRecord r;
  r.ChangeVariableEnabled = 1;
  r.VariableToChange = "Door";
  r.SetVariableToOne = true;
  r.ShowMessage = true;
  r.MessageText = "Hello";
  r.HotspotDisappears = true;
  r.GoToFrameEnabled = 1;
  r.TargetFrame = "Attic";
  r.InterruptSound = 1;
  r.PlayVideo = 1;
  r.Video.File = "v.avi";
  r.Video.Width = 320;
  r.PlaySound = true;
  r.SoundFile = "s.wav";
  r.GoBack = false;
  r.MessageOption = true;
  r.VariableListsEnabled = 1;
  r.ListSetToZero = {"A", "B"};
  r.ListToggle = {"C"};
  r.LoopSound = false;
  r.TransitionEnabled = int16_t{1};
  r.TransitionDuration = 1250.5;
  r.ScriptEnabled = true;
  r.ScriptText = "x = |y|";
  r.TransitionNumber = 4;
  r.FadeDuration = "1500";
  r.ValuesPerChannel = 5;
  r.Channels = {
      {Variant(int16_t{2}), Variant(true), Variant(false), Variant(int16_t{8}), Variant("a.wav")}};
  r.AddItemEnabled = true;
  r.ItemName = "Lamp";
  r.LastGroup = 12;
  return r;
}

std::string Bytes(const ActionRecord& r) {
  ValueWriter w;
  WriteActionFields(w, r);
  w.String(ValueReader::kSeparator).EndLine();
  return w.bytes();
}

ActionRecord ReadBack(const std::string& bytes, RecordingEffects& effects) {
  ValueReader reader(bytes);
  return ReadActionFields(reader, effects);
}

TEST(ActionRecord, EveryGroupRoundTripsWithItsEffectsInFileOrder) {
  RecordingEffects effects;
  const std::string bytes = Bytes(Full());
  ActionRecord r = ReadBack(bytes, effects);
  EXPECT_EQ(r.LastGroup, 12);
  EXPECT_EQ(r.TargetFrame, "Attic");
  EXPECT_EQ(r.Video.Width, 320);
  EXPECT_EQ(r.SoundFile.ToStringUtf8(), "s.wav");
  EXPECT_EQ(r.ListSetToZero, (std::vector<std::string>{"A", "B"}));
  EXPECT_TRUE(r.ListSetToOne.empty());
  EXPECT_EQ(r.ListToggle, (std::vector<std::string>{"C"}));
  EXPECT_FALSE(r.LoopSound);
  EXPECT_DOUBLE_EQ(r.TransitionDuration, 1250.5);
  EXPECT_EQ(r.ScriptText.ToStringUtf8(), "x = |y|");
  EXPECT_EQ(r.TransitionNumber, 4);
  ASSERT_EQ(r.Channels.size(), 1u);
  EXPECT_EQ(r.Channels[0][4].ToStringUtf8(), "a.wav");
  EXPECT_EQ(r.ItemName, "Lamp");
  EXPECT_EQ(effects.calls,
            (std::vector<std::string>{"Change Door 1", "Disappear", "StopHotspotSound",
                                      "Change A 0", "Change B 0", "Change C -1", "Fade 1.500000",
                                      "Channel 1 2 a.wav", "AddItem Lamp"}));
  // What was read writes the same file again.
  EXPECT_EQ(Bytes(r), bytes);
}

TEST(ActionRecord, RecordsOfOlderEditorsEndAfterTheirLastGroup) {
  for (int last = 1; last <= 12; ++last) {
    SCOPED_TRACE(last);
    ActionRecord full = Full();
    full.LastGroup = last;
    const std::string bytes = Bytes(full);
    RecordingEffects effects;
    const ActionRecord r = ReadBack(bytes, effects);
    EXPECT_EQ(r.LastGroup, last);
    EXPECT_EQ(r.LoopSound, last < 7);  // a record without group 7 loops its sound
    EXPECT_EQ(r.ItemName, last >= 12 ? "Lamp" : "");
    EXPECT_EQ(Bytes(r), bytes);
  }
}

TEST(ActionRecord, EndingTheGameStopsReadingButTheFileKeepsTheRest) {
  ActionRecord full = Full();
  full.EndGame = true;
  const std::string bytes = Bytes(full);
  EXPECT_NE(bytes.find("\"Attic\""), std::string::npos);
  RecordingEffects effects;
  const ActionRecord r = ReadBack(bytes, effects);
  EXPECT_TRUE(r.GameEnds);
  EXPECT_EQ(r.TargetFrame, "");
  EXPECT_EQ(effects.calls, (std::vector<std::string>{"Change Door 1", "Disappear"}));
}

TEST(ActionRecord, AnEighthChannelFailsAfterTheEffectsBeforeIt) {
  ActionRecord full = Full();
  full.ValuesPerChannel = 1;
  full.Channels.assign(8, ChannelEntry{Variant(int16_t{3})});
  const std::string bytes = Bytes(full);
  RecordingEffects effects;
  try {
    ReadBack(bytes, effects);
    FAIL() << "an eighth channel entry must fail";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), vberr::kSubscriptOutOfRange);
  }
  EXPECT_EQ(effects.calls.back(), "Channel 7 3 ");
  EXPECT_EQ(
      effects.calls.end() - std::find(effects.calls.begin(), effects.calls.end(), "Channel 1 3 "),
      7);
}

TEST(ActionRecord, MoreThanFiveValuesPerChannelEndsTheRecord) {
  ActionRecord full = Full();
  full.ValuesPerChannel = 6;
  const std::string bytes = Bytes(full);
  EXPECT_EQ(bytes.find("\"Lamp\""), std::string::npos) << "nothing after it is written";
  RecordingEffects effects;
  const ActionRecord r = ReadBack(bytes, effects);
  EXPECT_EQ(r.ValuesPerChannel, 6);
  EXPECT_TRUE(r.Channels.empty());
  EXPECT_FALSE(r.AddItemEnabled);
  EXPECT_EQ(effects.calls.back(), "Fade 1.500000");
}

}  // namespace
}  // namespace sw
