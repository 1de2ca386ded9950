#include "video/mmedia.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/picture_box.h"

namespace sw::video {
namespace {

// Writes every call down in the command syntax of the original interface, and answers the
// mode query with a reply the test chooses.
class RecordingBackend : public MediaBackend {
 public:
  std::vector<std::string> sent;
  std::set<std::string> files;  // the files that exist
  std::set<std::string> open;   // aliases open now
  std::string reply;
  double seconds = 14 * 3600 + 7 * 60 + 30;  // 14:07:30

  void Open(const std::string& alias, const std::string& file, const std::string& type,
            platform::Element* parent) override {
    sent.push_back("Open \"" + file + "\" ALIAS " + alias + " TYPE " + type + " wait" +
                   (parent != nullptr ? " parent " + parent->name() + " style child" : ""));
    open.insert(alias);
  }
  void PutWindow(const std::string& alias, int left, int top, int width, int height) override {
    sent.push_back("put " + alias + " window at " + std::to_string(left) + " " +
                   std::to_string(top) + " " + std::to_string(width) + " " +
                   std::to_string(height));
  }
  void Play(const std::string& alias, bool wait, bool window) override {
    sent.push_back(window ? "play " + alias + " window" : "Play " + alias + (wait ? " wait" : ""));
  }
  void Pause(const std::string& alias) override { sent.push_back("Pause " + alias); }
  void Stop(const std::string& alias) override { sent.push_back("Stop " + alias); }
  void Close(const std::string& alias) override {
    sent.push_back("Close " + alias);
    open.erase(alias);
  }
  void Seek(const std::string& alias, double position) override {
    sent.push_back("Seek " + alias + " to " + std::to_string(static_cast<int>(position)));
  }
  double Length(const std::string& alias) override {
    sent.push_back("Status " + alias + " length");
    return 1234;
  }
  double Position(const std::string& alias) override {
    sent.push_back("Status " + alias + " position");
    return 56;
  }
  std::string Mode(const std::string& alias) override {
    sent.push_back("Status " + alias + " mode");
    return reply;
  }
  bool InUse(const std::string& alias) override { return open.count(alias) != 0; }
  bool FileExists(const std::string& file) override { return files.count(file) != 0; }
  double SecondsSinceMidnight() override { return seconds; }
  void DoEvents() override { sent.push_back("(events)"); }
};

class MmediaTest : public ::testing::Test {
 protected:
  RecordingBackend backend;
  Mmedia media{backend};
  platform::PictureBoxElement box;
};

TEST_F(MmediaTest, AFreshObjectSendsOnlyTheCommandsThatNeedNoAlias) {
  media.mmClose();
  media.mmPause();
  media.mmPlay();
  media.mmStop();
  EXPECT_EQ(media.Length(), 0);
  EXPECT_EQ(media.Position(), 0);
  EXPECT_TRUE(backend.sent.empty());
  // The mode query goes out with the empty alias between two blanks; so does a seek.
  EXPECT_EQ(media.Status(), "");
  media.mmSeek(5);
  EXPECT_EQ(backend.sent, (std::vector<std::string>{"Status  mode", "Seek  to 5"}));
}

TEST_F(MmediaTest, TheModeReplyIsPassedOn) {
  backend.reply = "stopped";
  EXPECT_EQ(media.Status(), "stopped");
}

TEST_F(MmediaTest, AudioAliasesAreTheLastThreeLettersAndTheMinuteAndASecondOpenClosesTheFirst) {
  media.mmOpen("C:\\music\\tune.mid");
  EXPECT_EQ(media.alias(), "mid7");
  EXPECT_EQ(media.FileName(), "C:\\music\\tune.mid");
  backend.seconds += 60;
  media.mmOpenWave("bell.wav");
  EXPECT_EQ(backend.sent, (std::vector<std::string>{
                              "Open \"C:\\music\\tune.mid\" ALIAS mid7 TYPE Sequencer wait",
                              "Close mid7", "Open \"bell.wav\" ALIAS wav8 TYPE Waveaudio wait"}));
  media.SetWait(true);
  media.mmPlay();
  media.SetPosition(250);
  EXPECT_EQ(media.Length(), 1234);
  EXPECT_EQ(media.Position(), 56);
  media.mmPause();
  media.mmStop();
  EXPECT_EQ(std::vector<std::string>(backend.sent.begin() + 3, backend.sent.end()),
            (std::vector<std::string>{"Play wav8 wait", "Seek wav8 to 250", "Status wav8 length",
                                      "Status wav8 position", "Pause wav8", "Stop wav8"}));
}

TEST_F(MmediaTest, CloseForgetsAliasAndFileNameTogether) {
  media.SetFileName("a.wav");
  media.mmClose();
  EXPECT_EQ(media.alias(), "");
  EXPECT_EQ(media.FileName(), "");
  EXPECT_EQ(backend.sent.back(), "Close wav7");
}

TEST_F(MmediaTest, AMovieWhoseFileIsMissingSendsNothingAndKeepsTheAlias) {
  media.mmOpenWave("a.wav");
  backend.sent.clear();
  media.PlayMovie("gone.avi", &box, true, 1, 2, 3, 4);
  EXPECT_TRUE(backend.sent.empty());
  EXPECT_EQ(media.alias(), "wav7");
}

TEST_F(MmediaTest, AMovieAtNaturalSizeSendsOpenAndPlayOnlyAndAStretchedOneIsPlaced) {
  backend.files = {"intro.avi"};
  media.PlayMovie("intro.avi", &box, false, 10, 20, 30, 40);
  ASSERT_EQ(backend.sent.size(), 2u);
  const std::string alias = media.alias();
  const int number = std::stoi(alias);
  EXPECT_GE(number, 1);
  EXPECT_LE(number, 50);
  EXPECT_EQ(backend.sent[0], "Open \"intro.avi\" ALIAS " + alias + " TYPE AviVideo wait parent " +
                                 box.name() + " style child");
  EXPECT_EQ(backend.sent[1], "play " + alias + " window");

  backend.sent.clear();
  backend.seconds += 1;
  media.PlayMovie("intro.avi", &box, true, 10, 20, 30, 40);
  ASSERT_EQ(backend.sent.size(), 3u);
  EXPECT_EQ(backend.sent[1], "put " + media.alias() + " window at 10 20 30 40");
}

TEST_F(MmediaTest, ASecondMovieOpensUnderAnotherAliasWithoutClosingTheFirst) {
  backend.files = {"a.avi", "b.avi"};
  media.PlayMovie("a.avi", &box, false, 0, 0, 0, 0);
  const std::string first = media.alias();
  // The same time of day draws the same number first: it is drawn again.
  media.PlayMovie("b.avi", &box, false, 0, 0, 0, 0);
  EXPECT_NE(media.alias(), first);
  EXPECT_TRUE(backend.open.count(first));
  for (const std::string& s : backend.sent) EXPECT_EQ(s.rfind("Close", 0), std::string::npos);
}

TEST_F(MmediaTest, StopMovieStopsClosesAndYieldsButKeepsTheAlias) {
  backend.files = {"a.avi"};
  media.PlayMovie("a.avi", &box, false, 0, 0, 0, 0);
  const std::string alias = media.alias();
  backend.sent.clear();
  media.StopMovie();
  EXPECT_EQ(backend.sent,
            (std::vector<std::string>{"Stop " + alias, "Close " + alias, "(events)"}));
  EXPECT_EQ(media.alias(), alias);
  media.Status();
  EXPECT_EQ(backend.sent.back(), "Status " + alias + " mode");
}

TEST_F(MmediaTest, AFailingBackEndLeavesPlayMovieSilent) {
  class Throwing : public RecordingBackend {
   public:
    void Play(const std::string&, bool, bool) override { throw std::runtime_error("busy"); }
  } throwing;
  throwing.files = {"a.avi"};
  Mmedia m(throwing);
  EXPECT_NO_THROW(m.PlayMovie("a.avi", &box, false, 0, 0, 0, 0));
  EXPECT_FALSE(m.alias().empty());
}

}  // namespace
}  // namespace sw::video
