#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <nlohmann/json.hpp>

#include "interaction/play_fixture.h"
#include "video/game_video.h"
#include "video/install.h"
#include "video/video_files.h"

namespace sw::testing {
namespace {

// Lets 10 ms of virtual time pass at each poll, and runs what the test scheduled once its
// time has come (a click, a screenshot).
class TimedInput : public platform::InputSource {
 public:
  std::multimap<std::int64_t, std::function<void(platform::Platform&)>> at;
  bool Poll(platform::Platform& platform) override {
    if (platform.desktop().top_modal() != nullptr) return answers_.Poll(platform);
    platform.virtual_clock()->Advance(10);
    const std::int64_t now = platform.clock().NowMs();
    while (!at.empty() && at.begin()->first <= now) {
      auto action = std::move(at.begin()->second);
      at.erase(at.begin());
      action(platform);
    }
    return true;
  }

 private:
  AnswerDialogsWithEnter answers_;
};

// Records what the video status is when frame opening loads the texts (after the frame was
// drawn) and when it draws the transition.
struct StatusProbe {
  std::vector<std::string> seen;
};
class ProbeTexts final : public TextService {
 public:
  ProbeTexts(GameRuntime& rt, StatusProbe& probe) : rt_(rt), probe_(probe) {}
  void LoadTexts(const std::string&) override {
    probe_.seen.push_back("texts:" + rt_.subsystems().video->Status());
  }

 private:
  GameRuntime& rt_;
  StatusProbe& probe_;
};
class ProbeTransitions final : public TransitionService {
 public:
  ProbeTransitions(GameRuntime& rt, StatusProbe& probe) : rt_(rt), probe_(probe) {}
  void TransitionStep2(int, double) override {
    probe_.seen.push_back("transition:" + rt_.subsystems().video->Status());
  }

 private:
  GameRuntime& rt_;
  StatusProbe& probe_;
};

class GameVideoTest : public PlayFixture {
 protected:
  void SetUp() override {
    video = &video::InstallVideo(game.runtime, nullptr);
    game.platform.events().SetInputSource(&input);
    writer.WriteVariables({"Seen"});
    Frame("Hall", 0x000080);  // dark red (0x00BBGGRR)
    WriteHotspots(writer, "Hall", {Spot(0, 0, 50, 50), Spot(100, 0, 50, 50)});
  }
  static HotspotSpec Spot(int left, int top, int width, int height) {
    HotspotSpec h;
    h.Left = left;
    h.Top = top;
    h.Width = width;
    h.Height = height;
    return h;
  }
  std::filesystem::path Frames() const { return game.project() / "Frames"; }
  std::string GamePath(const std::string& file) { return game.runtime.folders.FramesFolder + file; }
  std::int64_t Now() { return game.platform.clock().NowMs(); }
  nlohmann::json Dump() { return game.platform.state().Collect()["video"]; }
  std::vector<int> Windows() { return window().form().Indices("VideoWindow"); }
  // Clicks hotspot 1 and returns the virtual time its action took.
  std::int64_t ActTime() {
    const std::int64_t start = Now();
    Click(10, 10);
    return Now() - start;
  }

  TimedInput input;
  video::GameVideo* video = nullptr;
};

ActionSpec PlayVideo(const std::string& file) {
  ActionSpec a;
  a.PlayVideo = true;
  a.Video.File = file;
  return a;
}

TEST_F(GameVideoTest, AMissingFileEndsTheWaitAtOnceAndTheVideoSaysNothing) {
  Start();
  video->PlayMovieWithStop(GamePath("missing.avi"), false, false, 0, 0, 0, 0);
  EXPECT_EQ(video->Status(), "");
  EXPECT_TRUE(messages().empty()) << messages().front().text;
  EXPECT_FALSE(game.runtime.StopMovie);

  WriteActions(writer, "Hall", {PlayVideo("missing.avi")});
  const std::int64_t took = ActTime();
  EXPECT_LT(took, 300);  // the click's own pause and the warning, no video time
  // Only the look-up of the file warns; playing it adds no message.
  for (const auto& m : messages())
    EXPECT_EQ(m.text.find("Unable to play video"), std::string::npos);
}

TEST_F(GameVideoTest, AVideoPlaysToItsEndWhileTheActionWaits) {
  WriteTestVideo(Frames() / "intro.avi", {});  // one second
  WriteActions(writer, "Hall", {PlayVideo("intro.avi")});
  Start();
  const std::int64_t took = ActTime();
  EXPECT_GE(took, 950);
  EXPECT_LT(took, 1300);
  EXPECT_EQ(video->Status(), "");  // stopped and closed after the wait
  EXPECT_EQ(Windows(), std::vector<int>{0});
}

TEST_F(GameVideoTest, AtNaturalSizeTheRectangleIsIgnoredAndStretchedItIsUsed) {
  WriteTestVideo(Frames() / "intro.avi", {.width = 64, .height = 48, .frames = 30});
  Start();
  video->PlayMovieWithStop(GamePath("intro.avi"), false, false, 0, 0, 0, 0);
  nlohmann::json d = Dump();
  EXPECT_EQ(d["status"], "playing");
  EXPECT_EQ(d["container"], "PictureBox");
  EXPECT_EQ(d["rectangle"],
            (nlohmann::json{{"left", 0}, {"top", 0}, {"width", 64}, {"height", 48}}));
  video->Stop();

  ActionSpec natural = PlayVideo("intro.avi");
  natural.Video.WithoutPlacement = true;
  natural.Video.Left = 30;
  natural.Video.Top = 20;
  natural.Video.Width = 100;
  natural.Video.Height = 90;
  ActionSpec stretched = natural;
  stretched.Video.WithoutPlacement = false;
  WriteActions(writer, "Hall", {natural, stretched});
  std::vector<nlohmann::json> seen;
  input.at.emplace(Now() + 200, [&](platform::Platform&) { seen.push_back(Dump()); });
  interaction->actions.MakeAction(1, 0);
  input.at.emplace(Now() + 200, [&](platform::Platform&) { seen.push_back(Dump()); });
  interaction->actions.MakeAction(2, 0);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0]["rectangle"],
            (nlohmann::json{{"left", 0}, {"top", 0}, {"width", 64}, {"height", 48}}));
  EXPECT_EQ(seen[1]["rectangle"],
            (nlohmann::json{{"left", 30}, {"top", 20}, {"width", 100}, {"height", 90}}));
  EXPECT_GT(seen[1]["frame"].get<int>(), 0);
}

TEST_F(GameVideoTest, AClickEndsTheWaitAndClosesTheVideo) {
  WriteTestVideo(Frames() / "long.avi", {.frames = 50});  // five seconds
  ActionSpec inArea = PlayVideo("long.avi");
  inArea.Video.InFrameArea = true;
  inArea.Video.Left = 10;
  inArea.Video.Top = 10;
  inArea.Video.Width = 80;
  inArea.Video.Height = 60;
  WriteActions(writer, "Hall", {inArea, ActionSpec{}});
  Start();
  bool playingBeforeClick = false;
  input.at.emplace(Now() + 500, [&](platform::Platform& p) {
    playingBeforeClick = video->Status() == "playing" && Windows().size() == 2;
    const platform::Rect frame = p.desktop().FrameRect();
    platform::InputEvent e;
    e.position = {frame.x + 40, frame.y + 40};  // on the video, over the cut-scene area
    e.button = platform::kLeftButton;
    e.kind = platform::InputEvent::Kind::kMouseDown;
    p.events().Post(e);
    e.kind = platform::InputEvent::Kind::kMouseUp;
    p.events().Post(e);
  });
  const std::int64_t took = ActTime();
  EXPECT_TRUE(playingBeforeClick);
  EXPECT_LT(took, 700);
  EXPECT_EQ(video->Status(), "");
  EXPECT_EQ(Windows(), std::vector<int>{0});
  EXPECT_FALSE(window().CutSceneArea.visible());
}

class VideoOrderTest : public GameVideoTest {
 protected:
  void SetUp() override {
    GameVideoTest::SetUp();
    game.runtime.subsystems().texts = std::make_unique<ProbeTexts>(game.runtime, probe);
    game.runtime.subsystems().transitions = std::make_unique<ProbeTransitions>(game.runtime, probe);
    WriteTestVideo(Frames() / "intro.avi", {});
    FrameFile f;
    f.FrameBackground = "0";
    f.Video.File = "intro.avi";
    f.VideoFirst = true;
    writer.WriteFrame("Cinema", f);
  }
  StatusProbe probe;
};

TEST_F(VideoOrderTest, WithoutATransitionTheVideoStartsBeforeTheFrameIsDrawn) {
  Start();
  probe.seen.clear();
  const std::int64_t start = Now();
  Open("Cinema");
  EXPECT_EQ(probe.seen, std::vector<std::string>{"texts:playing"});
  EXPECT_GE(Now() - start, 950);
}

TEST_F(VideoOrderTest, WithATransitionTheVideoStartsAfterIt) {
  Start();
  probe.seen.clear();
  const std::int64_t start = Now();
  window().OpenFrame("Cinema", FrameTransition{1, 0.5});
  EXPECT_EQ(probe.seen, (std::vector<std::string>{"texts:", "transition:"}));
  EXPECT_GE(Now() - start, 950);  // and it did play, after the transition
}

TEST_F(GameVideoTest, AScreenshotShowsThePictureDueAtThatTime) {
  WriteTestVideo(Frames() / "colours.avi", {.width = 64, .height = 48, .fps = 10, .frames = 8});
  ActionSpec placed = PlayVideo("colours.avi");
  placed.Video.Left = 20;
  placed.Video.Top = 10;
  placed.Video.Width = 80;
  placed.Video.Height = 60;
  WriteActions(writer, "Hall", {placed});
  Start();
  std::map<int, platform::Pixmap> shots;
  const std::int64_t start = Now();
  for (int ms : {50, 350, 750}) {
    input.at.emplace(start + ms,
                     [&shots, ms](platform::Platform& p) { shots[ms] = p.Screenshot(); });
  }
  interaction->actions.MakeAction(1, 0);
  ASSERT_EQ(shots.size(), 3u);
  EXPECT_TRUE(Near(shots[50].Pixel(60, 40), PictureColour(0)))
      << std::hex << shots[50].Pixel(60, 40);
  EXPECT_TRUE(Near(shots[350].Pixel(60, 40), PictureColour(3)))
      << std::hex << shots[350].Pixel(60, 40);
  EXPECT_TRUE(Near(shots[750].Pixel(21, 11), PictureColour(7)))
      << std::hex << shots[750].Pixel(21, 11);
  EXPECT_TRUE(Near(shots[750].Pixel(99, 69), PictureColour(7)));
  // Outside the rectangle the frame shows.
  EXPECT_TRUE(Near(shots[350].Pixel(19, 40), 0xFF800000u, 8))
      << std::hex << shots[350].Pixel(19, 40);
  EXPECT_TRUE(Near(shots[350].Pixel(100, 40), 0xFF800000u, 8));
}

// Files that are not what they claim play what they can or nothing, and never hold the
// game: the wait ends by itself.
class BadVideoTest : public GameVideoTest {
 protected:
  void PlaysOrEnds(const std::string& file) {
    WriteActions(writer, "Hall", {PlayVideo(file)});
    Start();
    const std::int64_t took = ActTime();
    EXPECT_LT(took, 3000) << file;
    EXPECT_EQ(video->Status(), "") << file;
    EXPECT_EQ(Windows(), std::vector<int>{0}) << file;
  }
  // A good Cinepak file with its header bytes changed by `patch`.
  void Patched(const std::string& name, const std::function<void(std::string&)>& patch) {
    WriteTestVideo(Frames() / "good.avi", {});
    std::string bytes = ReadBytes(Frames() / "good.avi");
    patch(bytes);
    WriteBytes(Frames() / name, bytes);
  }
  static void PutLe32(std::string& bytes, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  }
  // Sets the picture size in the main header and the stream's format.
  static void SetSize(std::string& bytes, std::uint32_t w, std::uint32_t h) {
    const std::size_t avih = bytes.find("avih");
    PutLe32(bytes, avih + 8 + 32, w);
    PutLe32(bytes, avih + 8 + 36, h);
    const std::size_t strf = bytes.find("strf");
    PutLe32(bytes, strf + 8 + 4, w);
    PutLe32(bytes, strf + 8 + 8, h);
  }
};

TEST_F(BadVideoTest, ATextFileIsNotPlayed) {
  WriteBytes(Frames() / "text.avi", "This is not a video at all.\n");
  PlaysOrEnds("text.avi");
}

TEST_F(BadVideoTest, AnEmptyFileIsNotPlayed) {
  std::filesystem::create_directories(Frames());
  WriteBytes(Frames() / "empty.avi", "");
  PlaysOrEnds("empty.avi");
}

TEST_F(BadVideoTest, ATruncatedFilePlaysWhatItHas) {
  Patched("cut.avi", [](std::string& b) { b.resize(b.size() / 2); });
  PlaysOrEnds("cut.avi");
}

TEST_F(BadVideoTest, AnUnknownCodecIsNotShown) {
  Patched("odd.avi", [](std::string& b) {
    const std::size_t movi = b.find("movi");
    for (std::size_t at = b.find("cvid"); at < movi; at = b.find("cvid", at + 1)) {
      b.replace(at, 4, "zq9x");
    }
    for (std::size_t at = b.find("CVID"); at < movi; at = b.find("CVID", at + 1)) {
      b.replace(at, 4, "zq9x");
    }
  });
  PlaysOrEnds("odd.avi");
}

TEST_F(BadVideoTest, AZeroPictureSizeIsNotShown) {
  Patched("zero.avi", [](std::string& b) { SetSize(b, 0, 0); });
  PlaysOrEnds("zero.avi");
}

TEST_F(BadVideoTest, AnEnormousPictureSizeIsNotShown) {
  Patched("huge.avi", [](std::string& b) { SetSize(b, 60000, 60000); });
  PlaysOrEnds("huge.avi");
}

TEST_F(BadVideoTest, AVideoWithoutSoundPlaysItsPictures) {
  WriteTestVideo(Frames() / "mute.avi", {.codec = platform::VideoCodec::kMsVideo1, .sound = false});
  WriteActions(writer, "Hall", {PlayVideo("mute.avi")});
  Start();
  const std::int64_t took = ActTime();
  EXPECT_GE(took, 950);
  EXPECT_LT(took, 1300);
}

}  // namespace
}  // namespace sw::testing
