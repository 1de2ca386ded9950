// The channel logic on fake players: orders, fades and cross-fades, MIDI exclusion, the
// stop-all rule, the old sound blocks and the audio-problem warning.
#include <gtest/gtest.h>

#include <cmath>

#include "core/valuefile/value_reader.h"
#include "media/fake_players.h"

namespace sw::testing {
namespace {

using media::SoundChannels;

int Level(double v) {
  return SoundChannels::ChannelVolumeToPlayer(v);
}

TEST(SoundChannelsTest, VolumeScaleIsFortyDecibelsOverTenSteps) {
  EXPECT_EQ(Level(10), 0);
  EXPECT_EQ(Level(8), -800);
  EXPECT_EQ(Level(7), -1200);
  EXPECT_EQ(Level(0), -4000);
  EXPECT_EQ(Level(7.5), -1000);
  // Far out of range saturates instead of overflowing.
  EXPECT_EQ(Level(1e300), Level(1000));
  EXPECT_EQ(Level(-1e300), Level(-1000));
}

TEST(SoundChannelsTest, AfterConstructionChannelIIsServedByPlayerI) {
  FakeSound s;
  for (int c = 1; c <= 7; ++c) EXPECT_EQ(s.channels.channel(c).player, c);
}

TEST(SoundChannelsTest, UnfadedPlayOrderStartsAtTheChannelVolumeAndClearsTheOrder) {
  FakeSound s;
  s.channels.SetActionOrder(3, Order(2, "rain.wav", 8, false, true));
  s.channels.ApplySoundChannels();
  FakePlayer& p = s.player(3);
  EXPECT_TRUE(p.playing);
  EXPECT_EQ(p.file, "Areas\\rain.wav");
  EXPECT_EQ(p.volume, -800);
  EXPECT_EQ(p.playCount, 0);  // repeat for ever
  const auto& ch = s.channels.channel(3);
  EXPECT_EQ(ch.action, 0);
  EXPECT_EQ(ch.file, "");
  EXPECT_EQ(ch.volume, 8);
}

TEST(SoundChannelsTest, StopAndVolumeOrdersWithoutFade) {
  FakeSound s;
  s.Playing(2, "Areas\\a.wav", -800);
  s.Playing(4, "Areas\\b.wav", -800);
  s.channels.SetActionOrder(2, Order(3, "", 0));
  s.channels.SetActionOrder(4, Order(4, "", 5));
  s.channels.ApplySoundChannels();
  EXPECT_FALSE(s.player(2).playing);
  EXPECT_TRUE(s.player(4).playing);
  EXPECT_EQ(s.player(4).volume, -2000);
}

TEST(SoundChannelsTest, MissingFileIsSkippedAndForgotten) {
  FakeSound s;
  s.host.missing.insert("Areas\\gone.wav");
  s.channels.SetActionOrder(1, Order(2, "gone.wav", 10));
  s.channels.SetActionOrder(2, Order(2, "gone.wav", 10, true));
  s.channels.ApplySoundChannels();
  EXPECT_EQ(s.player(1).starts + s.player(2).starts, 0);
  EXPECT_EQ(s.channels.channel(1).file, "");
  EXPECT_EQ(s.channels.channel(2).file, "");
  EXPECT_TRUE(s.host.warnings.empty());
}

TEST(SoundChannelsTest, FadedOrderOnAnIdlePlayerStartsSilentAndRampsUp) {
  FakeSound s;
  s.Playing(5, "Areas\\other.wav", -400);
  s.channels.SetFadeTime(2);
  s.channels.SetActionOrder(1, Order(2, "sea.wav", 10, true));
  s.channels.ApplySoundChannels();
  FakePlayer& p = s.player(1);
  EXPECT_TRUE(p.playing);
  EXPECT_EQ(p.volume, Level(0));
  EXPECT_EQ(s.channels.channel(1).outgoing, 0);
  s.channels.StepAudioFade(0.5);
  EXPECT_EQ(p.volume, Level(5));
  s.channels.StepAudioFade(1);
  EXPECT_EQ(p.volume, Level(10));
  EXPECT_FALSE(s.channels.channel(1).fade);
  // The sound of another channel is not touched.
  EXPECT_TRUE(s.player(5).playing);
  EXPECT_EQ(s.player(5).volumes.size(), 0u);
}

TEST(SoundChannelsTest, CrossFadeTakesTheLowestFreePlayerAndSwapsItWithTheOwner) {
  FakeSound s;
  s.channels.SetActionOrder(3, Order(2, "old.wav", 8));
  s.channels.ApplySoundChannels();
  s.Playing(1, "Areas\\busy.wav");  // player 1 busy: player 2 is the lowest free one
  s.channels.SetFadeTime(1);
  s.channels.SetActionOrder(3, Order(2, "new.wav", 6, true));
  s.channels.ApplySoundChannels();

  const auto& ch3 = s.channels.channel(3);
  EXPECT_EQ(ch3.player, 2);
  EXPECT_EQ(ch3.outgoing, 3);
  EXPECT_EQ(s.channels.channel(2).player, 3);  // channel 2 now owns the old player
  EXPECT_EQ(s.player(2).file, "Areas\\new.wav");
  EXPECT_EQ(s.player(2).volume, Level(0));
  EXPECT_TRUE(s.player(3).playing);  // the old sound plays on during the fade

  s.channels.StepAudioFade(0.25);
  EXPECT_EQ(s.player(2).volume, Level(0.25 * 6));
  EXPECT_EQ(s.player(3).volume, Level(0.75 * 8));
  s.channels.StepAudioFade(1);
  EXPECT_FALSE(s.player(3).playing);
  EXPECT_TRUE(s.player(2).playing);
  EXPECT_EQ(s.player(2).volume, Level(6));
  EXPECT_EQ(s.channels.channel(3).outgoing, 0);
  // Every channel still has a player of its own.
  std::set<int> used;
  for (int c = 1; c <= 7; ++c) used.insert(s.channels.channel(c).player);
  EXPECT_EQ(used.size(), 7u);
}

TEST(SoundChannelsTest, NoFreePlayerMeansTheChannelRestartsItsOwnPlayer) {
  FakeSound s;
  for (int i = 1; i <= 7; ++i) s.Playing(i, "Areas\\busy" + std::to_string(i) + ".wav");
  s.channels.SetActionOrder(4, Order(2, "next.wav", 9, true));
  s.channels.ApplySoundChannels();
  const auto& ch = s.channels.channel(4);
  EXPECT_EQ(ch.player, 4);
  EXPECT_EQ(ch.outgoing, 0);
  EXPECT_EQ(s.player(4).file, "Areas\\next.wav");
  EXPECT_EQ(s.player(4).volume, Level(0));
  for (int c = 1; c <= 7; ++c) EXPECT_EQ(s.channels.channel(c).player, c);
}

TEST(SoundChannelsTest, FadedStopRampsDownFromThePreviousVolume) {
  FakeSound s;
  s.channels.SetActionOrder(2, Order(2, "hum.wav", 6));
  s.channels.ApplySoundChannels();
  s.channels.SetActionOrder(2, Order(3, "", 0, true));
  EXPECT_EQ(s.channels.channel(2).previousVolume, 6);
  s.channels.ApplySoundChannels();
  EXPECT_TRUE(s.player(2).playing);
  s.channels.StepAudioFade(0.5);
  EXPECT_EQ(s.player(2).volume, Level(3));
  s.channels.StepAudioFade(0.75);
  EXPECT_EQ(s.player(2).volume, Level(1.5));
  s.channels.StepAudioFade(1);
  EXPECT_FALSE(s.player(2).playing);
}

TEST(SoundChannelsTest, FadedVolumeChangeMovesBetweenTheTwoLevels) {
  FakeSound s;
  s.channels.SetActionOrder(1, Order(2, "hum.wav", 2));
  s.channels.ApplySoundChannels();
  s.channels.SetActionOrder(1, Order(4, "", 10, true));
  s.channels.ApplySoundChannels();
  s.channels.StepAudioFade(0.5);
  EXPECT_EQ(s.player(1).volume, Level(6));
  s.channels.StepAudioFade(1);
  EXPECT_EQ(s.player(1).volume, Level(10));
}

TEST(SoundChannelsTest, FadeTimerFirstTickStartsTheClockAndZeroFadeEndsOnTheSecond) {
  FakeSound s;
  s.channels.SetFadeTime(0);
  s.channels.SetActionOrder(1, Order(2, "a.wav", 10, true));
  s.channels.ApplySoundChannels();
  s.channels.TimerAudioFade();
  EXPECT_TRUE(s.channels.channel(1).fade);
  EXPECT_TRUE(s.host.fadeTimerOn);
  s.host.now += 0.1;
  s.channels.TimerAudioFade();
  EXPECT_FALSE(s.channels.channel(1).fade);
  EXPECT_EQ(s.player(1).volume, Level(10));
  EXPECT_FALSE(s.host.fadeTimerOn);
}

TEST(SoundChannelsTest, FadeTimerFollowsTheClockAndEndsAtTheFadeTime) {
  FakeSound s;
  s.channels.SetFadeTime(2);
  s.channels.SetActionOrder(1, Order(2, "a.wav", 10, true));
  s.channels.ApplySoundChannels();
  s.channels.TimerAudioFade();  // starts the clock
  s.host.now += 0.5;
  s.channels.TimerAudioFade();
  EXPECT_EQ(s.player(1).volume, Level(2.5));
  EXPECT_TRUE(s.host.fadeTimerOn);
  s.host.now += 1.5;
  s.channels.TimerAudioFade();
  EXPECT_EQ(s.player(1).volume, Level(10));
  EXPECT_FALSE(s.host.fadeTimerOn);
}

TEST(SoundChannelsTest, FadeTimerEndsTheFadeWhenMidnightPasses) {
  FakeSound s;
  s.channels.SetFadeTime(10);
  s.channels.SetActionOrder(1, Order(2, "a.wav", 10, true));
  s.channels.ApplySoundChannels();
  s.host.now = 86399.9;
  s.channels.TimerAudioFade();
  s.host.now = 0.05;
  s.channels.TimerAudioFade();
  EXPECT_FALSE(s.channels.channel(1).fade);
}

TEST(SoundChannelsTest, FadeTimesOutOfRangeAreClamped) {
  FakeSound s;
  s.channels.SetFadeTime(-5);
  EXPECT_EQ(s.channels.fade_time(), 0);
  s.channels.SetFadeTime(1e12);
  EXPECT_EQ(s.channels.fade_time(), 3600);
  s.channels.SetFadeTime(std::nan(""));
  EXPECT_EQ(s.channels.fade_time(), 0);
}

TEST(SoundChannelsTest, SecondMidiStopsTheFirstWhileWavesPlayOn) {
  FakeSound s;
  s.channels.SetActionOrder(1, Order(2, "theme.mid", 8));
  s.channels.SetActionOrder(2, Order(2, "waves.wav", 8, false, true));
  s.channels.ApplySoundChannels();
  ASSERT_TRUE(s.player(1).playing);
  s.channels.SetActionOrder(3, Order(2, "battle.MID", 8));
  s.channels.ApplySoundChannels();
  EXPECT_FALSE(s.player(1).playing);
  EXPECT_TRUE(s.player(2).playing);
  EXPECT_TRUE(s.player(3).playing);
}

TEST(SoundChannelsTest, StopAnyWavOrMp3IgnoresCaseAndLeavesMidiAlone) {
  FakeSound s;
  s.Playing(1, "Areas\\DOOR.WAV");
  s.Playing(2, "Areas\\song.Mp3");
  s.Playing(3, "Areas\\voice.wma");
  s.Playing(4, "Frames\\theme.mid");
  s.Playing(5, "Areas\\x.ogg");
  s.channels.StopAnyWavOrMP3();
  EXPECT_FALSE(s.player(1).playing);
  EXPECT_FALSE(s.player(2).playing);
  EXPECT_FALSE(s.player(3).playing);
  EXPECT_TRUE(s.player(4).playing);
  EXPECT_TRUE(s.player(5).playing);
}

TEST(SoundChannelsTest, FrameOrdersYieldToPendingActionOrders) {
  FakeSound s;
  s.channels.SetActionOrder(1, Order(2, "action.wav", 5));
  EXPECT_FALSE(s.channels.OfferFrameOrder(1, Order(2, "frame.wav", 9)));
  EXPECT_EQ(s.channels.channel(1).file, "action.wav");
  // A stop order pending from the action keeps out the frame's orders, not its file.
  s.channels.SetActionOrder(2, Order(3, "", 0));
  EXPECT_FALSE(s.channels.OfferFrameOrder(2, Order(4, "", 9)));
  EXPECT_TRUE(s.channels.OfferFrameOrder(2, Order(0, "frame.wav", 9)));
  EXPECT_EQ(s.channels.channel(2).action, 0);
  // An idle channel takes the frame's order, marked not to restart a playing file.
  EXPECT_TRUE(s.channels.OfferFrameOrder(3, Order(2, "frame.wav", 9)));
  EXPECT_TRUE(s.channels.channel(3).skipIfPlaying);
  EXPECT_FALSE(s.channels.OfferFrameOrder(4, Order(1, "", 9)));
  EXPECT_FALSE(s.channels.OfferFrameOrder(8, Order(2, "x.wav", 9)));
}

TEST(SoundChannelsTest, FrameOrderDoesNotRestartAFileAlreadyPlaying) {
  FakeSound s;
  s.Playing(6, "Areas\\ambience.wav");
  s.channels.OfferFrameOrder(1, Order(2, "ambience.wav", 8));
  s.channels.ApplySoundChannels();
  EXPECT_EQ(s.player(1).starts, 0);
  s.channels.SetActionOrder(1, Order(2, "ambience.wav", 8));
  s.channels.ApplySoundChannels();
  EXPECT_EQ(s.player(1).starts, 1);
}

TEST(SoundChannelsTest, AudioWarningOnceUntilTheGameIsReset) {
  FakeSound s;
  s.player(2).refuse.insert("Areas\\bad.wav");
  s.channels.SetActionOrder(2, Order(2, "bad.wav", 8));
  s.channels.SetActionOrder(3, Order(2, "good.wav", 8));
  s.channels.ApplySoundChannels();
  ASSERT_EQ(s.host.warnings.size(), 1u);
  EXPECT_EQ(s.host.warnings[0], "AUDIO PROBLEM: " + SoundChannels::AudioWarningText());
  // The error ended the loop: channel 3 still waits.
  EXPECT_FALSE(s.player(3).playing);
  EXPECT_EQ(s.channels.channel(3).file, "good.wav");
  s.channels.ApplySoundChannels();
  EXPECT_EQ(s.host.warnings.size(), 1u);
  s.host.warningShown = false;  // what the reset of the game does
  s.channels.SetActionOrder(2, Order(2, "bad.wav", 8));
  s.channels.ApplySoundChannels();
  EXPECT_EQ(s.host.warnings.size(), 2u);
}

TEST(SoundChannelsTest, AudioErrorWhileStoppingShowsNothingAndKeepsTheFadeClock) {
  FakeSound s;
  s.channels.SetActionOrder(1, Order(2, "a.wav", 8, true));
  s.channels.ApplySoundChannels();
  s.channels.TimerAudioFade();
  const double started = s.channels.fade_start();
  ASSERT_NE(started, 0);
  s.host.stopRequested = true;
  for (FakePlayer& p : s.players) p.refuse.insert("Areas\\bad.wav");
  s.channels.SetActionOrder(2, Order(2, "bad.wav", 8));
  s.channels.ApplySoundChannels();
  EXPECT_TRUE(s.host.warnings.empty());
  EXPECT_FALSE(s.host.warningShown);
  EXPECT_EQ(s.channels.fade_start(), started);
}

TEST(SoundChannelsTest, ResetStopsEveryPlayerAndRestoresTheMappingButKeepsOrders) {
  FakeSound s;
  s.Playing(1, "Areas\\busy.wav");
  s.channels.SetActionOrder(3, Order(2, "old.wav", 8));
  s.channels.ApplySoundChannels();
  s.channels.SetActionOrder(3, Order(2, "new.wav", 8, true));
  s.channels.ApplySoundChannels();
  ASSERT_NE(s.channels.channel(3).player, 3);
  s.channels.SetActionOrder(5, Order(2, "later.wav", 8));
  s.channels.ResetSoundChannels();
  for (int c = 1; c <= 7; ++c) {
    EXPECT_EQ(s.channels.channel(c).player, c);
    EXPECT_FALSE(s.player(c).playing);
  }
  EXPECT_EQ(s.channels.channel(5).file, "later.wav");
}

TEST(SoundChannelsTest, FindFreePlayerAndIsFilePlaying) {
  FakeSound s;
  EXPECT_EQ(s.channels.FindFreePlayer(), 1);
  for (int i = 1; i <= 6; ++i) s.Playing(i, "Areas\\f" + std::to_string(i) + ".wav");
  EXPECT_EQ(s.channels.FindFreePlayer(), 7);
  s.Playing(7, "Areas\\f7.wav");
  EXPECT_EQ(s.channels.FindFreePlayer(), -1);
  EXPECT_TRUE(s.channels.IsFilePlaying("Areas\\f3.wav"));
  EXPECT_FALSE(s.channels.IsFilePlaying("Areas\\F3.wav"));  // exact comparison
  s.player(3).playing = false;
  EXPECT_FALSE(s.channels.IsFilePlaying("Areas\\f3.wav"));
}

// An old sound block: one value, 21 values, then five values per old channel.
std::string OldBlock(const std::vector<std::string>& channels) {
  std::string text = "0\r\n";
  for (int i = 0; i < 20; ++i) text += "0,";
  text += "0\r\n";
  for (const auto& c : channels) text += c + "\r\n";
  return text;
}

TEST(SoundChannelsTest, OldBlockOfTwoChannelsReadsExactlyThoseTwo) {
  FakeSound s;
  s.Playing(1, "Areas\\before.wav");
  ValueReader reader(OldBlock({"0,#TRUE#,#FALSE#,\"\",0", "0,#FALSE#,#TRUE#,\"bell.wav\",1",
                               "\"----- SEPARATOR -----\"", "0,#FALSE#,#TRUE#,\"no.wav\",0"}));
  s.channels.PlaySoundChannels(reader);
  EXPECT_FALSE(s.player(1).playing);
  EXPECT_TRUE(s.player(2).playing);
  EXPECT_EQ(s.player(2).file, "Areas\\bell.wav");
  EXPECT_EQ(s.player(2).volume, Level(8));
  EXPECT_EQ(s.player(2).playCount, 0);
  EXPECT_EQ(s.player(3).starts, 0);
  EXPECT_EQ(reader.ReadString(), "----- SEPARATOR -----");
  EXPECT_TRUE(s.host.errors.empty());
}

TEST(SoundChannelsTest, OldBlockEndsAtTheEndOfTheFileAndReportsABrokenOne) {
  FakeSound s;
  ValueReader whole(OldBlock({"0,#FALSE#,#TRUE#,\"a.wav\",0"}));
  s.channels.PlaySoundChannels(whole);
  EXPECT_TRUE(s.player(1).playing);
  EXPECT_EQ(s.player(1).playCount, 1);
  EXPECT_TRUE(s.host.errors.empty());

  ValueReader broken(OldBlock({"0,#FALSE#"}));
  s.channels.PlaySoundChannels(broken);
  ASSERT_EQ(s.host.errors.size(), 1u);
  EXPECT_EQ(s.host.errors[0], " Unable to load old sound system information.");
}

TEST(SoundChannelsTest, OldBlockPlaysOnTheChannelsCurrentPlayers) {
  FakeSound s;
  s.Playing(1, "Areas\\busy.wav");
  s.channels.SetActionOrder(2, Order(2, "old.wav", 8));
  s.channels.ApplySoundChannels();
  s.channels.SetActionOrder(2, Order(2, "new.wav", 8, true));
  s.channels.ApplySoundChannels();
  ASSERT_EQ(s.channels.channel(2).player, 3);
  ValueReader reader(OldBlock({"0,#FALSE#,#FALSE#,\"\",0", "0,#FALSE#,#TRUE#,\"x.wav\",0"}));
  s.channels.PlaySoundChannels(reader);
  EXPECT_EQ(s.player(3).file, "Areas\\x.wav");
}

}  // namespace
}  // namespace sw::testing
