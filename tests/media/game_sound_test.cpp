// The sound service inside a headless game on fake players: the sound steps of frame opening
// and hotspot actions, fades on the game clock, the reset, the warning once per game, and the
// state dump.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "authoring/frame_data_writer.h"
#include "authoring/project_writer.h"
#include "core/game/game_window.h"
#include "interaction/install.h"
#include "media/fake_players.h"
#include "media/game_sound.h"
#include "media/install.h"
#include "platform/platform.h"
#include "test_support/game_input.h"

namespace sw::testing {
namespace {

using media::SoundChannels;

ChannelEntry Entry(int action, bool fade, bool repeat, double volume, const std::string& file) {
  return {Variant(static_cast<int16_t>(action)), Variant(fade), Variant(repeat), Variant(volume),
          Variant(file)};
}

class GameSoundTest : public ::testing::Test {
 protected:
  GameSoundTest() : writer(game.project()) {
    info.SettingsSection = "SoundTest";
    info.Title = "Sound";
    info.StartFrame = "Hall";
    info.FrameWidth = 200;
    info.FrameHeight = 150;
    info.StartAtOnce = true;
    info.RunInWindow = true;
    interaction = InstallInteraction(game.runtime);
    std::array<platform::MediaPlayer*, media::kChannels> pointers{};
    for (size_t i = 0; i < pointers.size(); ++i) pointers[i] = &players[i];
    sound = &media::InstallSound(game.runtime, pointers, errors);
    game.platform.events().SetInputSource(&ticks);
    for (const char* f : {"a.wav", "b.wav", "bell.wav", "drip.wav", "bad.wav"}) {
      writer.WriteRaw(std::string("Areas/") + f, "RIFF");
    }
    writer.WriteRaw("Frames/theme.mid", "MThd");
  }

  void Frame(const std::string& name, FrameFile f = {}) {
    f.FrameBackground = "0";
    writer.WriteFrame(name, f);
  }
  void Start() {
    writer.WriteGeneral(info);
    ASSERT_TRUE(game.Start());
  }
  GameWindow& window() { return *game.runtime.game(); }
  // Lets `ms` milliseconds of game time pass, one event-loop pass per 10 ms.
  void Wait(int ms) { RunFor(game, ms); }
  void Open(const std::string& frame) { window().OpenFrame(frame); }
  FakePlayer& player(int i) { return players[static_cast<size_t>(i - 1)]; }
  const media::SoundChannel& channel(int c) { return sound->channels().channel(c); }
  std::string Areas(const std::string& f) { return game.runtime.folders.AreasFolder + f; }
  size_t Warnings() {
    size_t n = 0;
    for (const auto& m : game.messages()) n += m.title == "AUDIO PROBLEM" ? 1 : 0;
    return n;
  }
  void Click(int x, int y) { ClickAtFrame(game, x, y); }

  ~GameSoundTest() override { game.platform.events().SetInputSource(nullptr); }

  HeadlessGame game;
  DialogsAndTicks ticks;
  ProjectWriter writer;
  ProjectInfo info;
  std::array<FakePlayer, media::kChannels> players;
  std::ostringstream errors;
  std::shared_ptr<Interaction> interaction;
  media::GameSound* sound = nullptr;
};

TEST_F(GameSoundTest, FrameSoundAndMusicPlayOnChannelsSixAndSeven) {
  FrameFile hall;
  hall.SoundFile = "drip.wav";
  hall.MusicFile = "theme.mid";
  Frame("Hall", hall);
  Start();
  EXPECT_EQ(player(6).file, Areas("drip.wav"));
  EXPECT_TRUE(player(6).playing);
  EXPECT_EQ(player(6).playCount, 0);  // LoopSound is on unless the file says otherwise
  EXPECT_EQ(player(6).volume, SoundChannels::ChannelVolumeToPlayer(7));
  EXPECT_EQ(player(7).file, game.runtime.folders.FramesFolder + "theme.mid");
  EXPECT_EQ(player(7).playCount, 1);
  EXPECT_EQ(player(7).volume, -800);
  // Opening the frame again leaves the frame sound playing; the music starts over.
  Open("Hall");
  EXPECT_EQ(player(6).starts, 1);
  EXPECT_EQ(player(7).starts, 2);
}

TEST_F(GameSoundTest, ChannelCrossFadeBetweenTwoFramesRunsOnTheGameClock) {
  FrameFile a;
  a.ValuesPerChannel = 5;
  a.ChannelCount = 1;
  a.Channels = {Entry(2, false, true, 8, "a.wav")};
  Frame("Hall", a);
  FrameFile b;
  b.FadeTime = Variant(int16_t{1000});
  b.ValuesPerChannel = 5;
  b.ChannelCount = 1;
  b.Channels = {Entry(2, true, true, 10, "b.wav")};
  Frame("Cellar", b);
  Start();
  ASSERT_TRUE(player(1).playing);
  ASSERT_EQ(player(1).volume, -800);
  Open("Cellar");
  EXPECT_EQ(channel(1).player, 2);
  EXPECT_EQ(channel(1).outgoing, 1);
  EXPECT_EQ(player(2).volume, SoundChannels::ChannelVolumeToPlayer(0));
  EXPECT_TRUE(window().TimerAudioFade.enabled());
  Wait(600);  // the first tick starts the fade clock, the rest move it
  EXPECT_GT(player(2).volume, SoundChannels::ChannelVolumeToPlayer(2));
  EXPECT_LT(player(2).volume, 0);
  EXPECT_TRUE(player(1).playing);
  Wait(600);
  EXPECT_EQ(player(2).volume, 0);
  EXPECT_FALSE(player(1).playing);
  EXPECT_FALSE(window().TimerAudioFade.enabled());
  EXPECT_EQ(channel(2).player, 1);
}

TEST_F(GameSoundTest, HotspotSoundAndChannelOrdersOfAnAction) {
  Frame("Hall");
  WriteHotspots(writer, "Hall", {[] {
                  HotspotSpec h;
                  h.Width = 200;
                  h.Height = 150;
                  return h;
                }()});
  ActionSpec action;
  action.PlaySound = true;
  action.SoundFile = "bell.wav";
  action.LoopSound = false;
  action.FadeDurationMs = "500";
  action.Channels = {Entry(0, false, false, 0, ""), Entry(2, true, false, 6, "b.wav")};
  WriteActions(writer, "Hall", {action});
  Start();
  Click(50, 50);
  EXPECT_EQ(player(6).file, Areas("bell.wav"));
  EXPECT_EQ(player(6).playCount, 1);
  EXPECT_TRUE(channel(2).fade);
  EXPECT_EQ(player(2).file, Areas("b.wav"));
  Wait(700);
  EXPECT_FALSE(channel(2).fade);
  EXPECT_EQ(player(2).volume, SoundChannels::ChannelVolumeToPlayer(6));
  // A second click while the bell rings does not restart it.
  Click(50, 50);
  EXPECT_EQ(player(6).starts, 1);
}

TEST_F(GameSoundTest, AudioWarningOncePerGame) {
  for (FakePlayer& p : players) p.refuse.insert(game.project().string() + "/Areas/bad.wav");
  FrameFile f;
  f.ValuesPerChannel = 5;
  f.ChannelCount = 1;
  f.Channels = {Entry(2, false, false, 8, "bad.wav")};
  Frame("Hall", f);
  Start();
  ASSERT_EQ(Warnings(), 1u);
  const auto& m = game.messages().back();
  EXPECT_EQ(m.icon, "warning");
  EXPECT_EQ(m.text, SoundChannels::AudioWarningText());
  Open("Hall");
  EXPECT_EQ(Warnings(), 1u);
  window().ResetAll();
  Open("Hall");
  EXPECT_EQ(Warnings(), 2u);
}

TEST_F(GameSoundTest, DamagedFrameSoundWritesOneLineAndTheGameGoesOn) {
  for (FakePlayer& p : players) p.refuse.insert(game.project().string() + "/Areas/bad.wav");
  FrameFile f;
  f.SoundFile = "bad.wav";
  Frame("Hall", f);
  Start();
  // The refusing player was given the path the game folder's file has.
  const std::string out = errors.str();
  EXPECT_NE(out.find("bad.wav"), std::string::npos);
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1);
  EXPECT_EQ(Warnings(), 0u);
  EXPECT_EQ(game.runtime.CurrentFrameName, "Hall");
}

TEST_F(GameSoundTest, ClosingStopsEveryPlayerAndTheDumpShowsPlayersAndChannels) {
  FrameFile f;
  f.SoundFile = "drip.wav";
  f.MusicFile = "theme.mid";
  f.ValuesPerChannel = 5;
  f.ChannelCount = 1;
  f.Channels = {Entry(2, false, true, 9, "a.wav")};
  Frame("Hall", f);
  Start();
  const nlohmann::json dump = game.platform.state().Collect();
  ASSERT_EQ(dump["players"].size(), 7u);
  ASSERT_EQ(dump["channels"].size(), 7u);
  EXPECT_EQ(dump["players"][0]["file"], "Areas/a.wav");
  EXPECT_EQ(dump["players"][0]["playing"], true);
  EXPECT_EQ(dump["players"][0]["volume"], -400);
  EXPECT_EQ(dump["players"][0]["playCount"], 0);
  EXPECT_EQ(dump["players"][6]["index"], 7);
  EXPECT_EQ(dump["channels"][0]["volume"], 9.0);
  EXPECT_EQ(dump["channels"][0]["player"], 1);
  for (const char* key : {"index", "action", "file", "fade", "repeat", "player", "outgoing"}) {
    EXPECT_TRUE(dump["channels"][3].contains(key)) << key;
  }
  window().BeginClosing();
  for (FakePlayer& p : players) EXPECT_FALSE(p.playing);
}

}  // namespace
}  // namespace sw::testing
