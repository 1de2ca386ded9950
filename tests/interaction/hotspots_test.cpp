#include <gtest/gtest.h>

#include <fstream>

#include <nlohmann/json.hpp>

#include "interaction/play_fixture.h"
#include "platform/geometry.h"
#include "platform/image.h"

namespace sw::testing {
namespace {

constexpr uint32_t kGreen = 0x20C040;

HotspotSpec Box(double left, double top, double width, double height) {
  HotspotSpec h;
  h.Left = left;
  h.Top = top;
  h.Width = width;
  h.Height = height;
  return h;
}

// Animations as the effects subsystem would offer them, with a picture box per animation.
class RecordingAnimations final : public AnimationService {
 public:
  explicit RecordingAnimations(CallLog& log) : log_(log) {}
  platform::ImageElement box;
  int AniGifNewWithIndex(int hotspot, const std::string& path, int left, int top,
                         int16_t speed) override {
    log_.Add("New " + std::to_string(hotspot) + " " + path.substr(path.find_last_of('/') + 1) +
             " " + std::to_string(left) + "," + std::to_string(top) + " " + std::to_string(speed));
    return hotspot + 10;
  }
  platform::Element* AniGifBox(int k) override { return k == 11 ? &box : nullptr; }
  void SetAnimationVisible(int k, bool visible) override {
    log_.Add("Visible " + std::to_string(k) + (visible ? " yes" : " no"));
  }
  void UnloadAnimations() override { log_.Add("Unload"); }

 private:
  CallLog& log_;
};

class HotspotsTest : public PlayFixture {
 protected:
  void SetUp() override {
    Frame("Hall");
    Frame("Cellar");
    writer.WriteVariables({"One", "Zero", "Two"});
    writer.WriteRaw("Areas/Door.bmp", MakeBmp(10, 8, [](int, int) { return kGreen; }));
  }
  platform::ImageElement* Area(int i) { return interaction->hotspots.Area(i); }
  void SetVariables() {
    variables().ChangeVariableValue("One", 1);
    variables().ChangeVariableValue("Two", 2);
  }
};

TEST_F(HotspotsTest, RectanglesShrinkByTwoPixelsAndNeverBelowOneTwip) {
  WriteHotspots(writer, "Hall", {Box(10, 20, 100, 50), Box(0, 0, 4, 3), Box(0, 0, 4.0667, 5)});
  Start();
  platform::ImageElement* wide = Area(1);
  ASSERT_NE(wide, nullptr);
  EXPECT_EQ(wide->left(), 150 + 30);
  EXPECT_EQ(wide->top(), 300 + 30);
  EXPECT_EQ(wide->width(), 1500 - 60);
  EXPECT_EQ(wide->height(), 750 - 60);
  EXPECT_EQ(Area(2)->width(), 1);   // 60 twips wide
  EXPECT_EQ(Area(2)->height(), 1);  // 45 twips high
  EXPECT_EQ(Area(3)->width(), 1);   // 61 twips: exactly one left
  EXPECT_EQ(Area(3)->height(), 15);
  EXPECT_TRUE(wide->visible());
  EXPECT_TRUE(messages().empty());
}

// Stored Singles far outside the integer range are clamped to the largest element
// geometry, never cast into wrapped (undefined) integers.
TEST_F(HotspotsTest, HugeStoredLengthsAreClamped) {
  WriteHotspots(writer, "Hall", {Box(1e30, -1e30, 3e38, 1e20), Box(-3e38, 2e9, 10, 10)});
  Start();
  ASSERT_NE(Area(2), nullptr);
  EXPECT_EQ(Area(1)->left(), platform::kMaxElementTwips);
  EXPECT_EQ(Area(1)->top(), -platform::kMaxElementTwips);
  EXPECT_EQ(Area(1)->width(), platform::kMaxElementTwips);
  EXPECT_EQ(Area(1)->height(), platform::kMaxElementTwips);
  EXPECT_EQ(Area(2)->left(), -platform::kMaxElementTwips);
  EXPECT_EQ(Area(2)->top(), platform::kMaxElementTwips);
  EXPECT_EQ(Area(2)->width(), 150 - 60);
}

TEST_F(HotspotsTest, AFrameWithoutHotspotFilesHasNoneAndTheMergedFileWins) {
  WriteHotspots(writer, "Cellar", {Box(0, 0, 20, 20)});
  WriteHotspots(writer, "Cellar", {Box(0, 0, 20, 20), Box(30, 30, 20, 20)}, true);
  Start();
  EXPECT_EQ(window().form().UBound("Area"), 0);
  Open("Cellar");
  EXPECT_EQ(window().form().UBound("Area"), 2);
  Open("Hall");  // the previous frame's hotspots go
  EXPECT_EQ(window().form().UBound("Area"), 0);
  EXPECT_TRUE(messages().empty());
}

TEST_F(HotspotsTest, MergedHotspotStartIsTheFirstMarkedHotspotAfterTheFirst) {
  auto marked = [](std::initializer_list<int16_t> markers) {
    std::vector<HotspotSpec> list;
    for (int16_t m : markers) {
      HotspotSpec h = Box(0, 0, 10, 10);
      h.MergeMarker = m;
      list.push_back(h);
    }
    return list;
  };
  WriteHotspots(writer, "Hall", marked({1, 0, 1}));
  WriteHotspots(writer, "Cellar", marked({1, 0, 0}));
  Start();
  EXPECT_EQ(interaction->hotspots.MergedHotspotStart, 3);
  Open("Cellar");
  EXPECT_EQ(interaction->hotspots.MergedHotspotStart, 1);
}

TEST_F(HotspotsTest, ConditionsHideByValueButNotForMissingVariables) {
  auto when = [](std::vector<std::string> a, std::vector<std::string> b, bool on = true) {
    HotspotSpec h = Box(0, 0, 10, 10);
    h.Conditions = on;
    h.MustBeOne = std::move(a);
    h.MustBeZero = std::move(b);
    return h;
  };
  WriteHotspots(writer, "Cellar",
                {
                    when({"One", "Ghost"}, {"Zero", "Ghost"}),  // 1: shown
                    when({"Two"}, {}),                          // 2: 2 in list A hides
                    when({}, {"Two"}),                          // 3: 2 in list B hides
                    when({"Zero"}, {"One"}, false),             // 4: conditions off
                    when({"Zero"}, {}),                         // 5: hidden
                    when({}, {"One"}),                          // 6: hidden
                });
  Start();
  SetVariables();
  Open("Cellar");
  const std::vector<bool> expected = {true, false, false, true, false, false};
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(Area(i)->visible(), expected[i - 1]) << "hotspot " << i;
  // Visibility follows the variables whenever it is recomputed.
  variables().ChangeVariableValue("Zero", 1);
  interaction->hotspots.ShowOrNotShowAreas();
  EXPECT_TRUE(Area(5)->visible());
  EXPECT_FALSE(Area(1)->visible());
}

TEST_F(HotspotsTest, DisappearedHotspotsStayHiddenOnlyInTheirOwnFrame) {
  HotspotSpec withSpeed = Box(0, 0, 10, 10);
  withSpeed.Speed = 3;  // the optional value before the separator
  WriteHotspots(writer, "Hall", {withSpeed, Box(20, 0, 10, 10)});
  WriteHotspots(writer, "Cellar", {Box(0, 0, 10, 10), Box(20, 0, 10, 10)});
  Start();
  variables().AddDisappeared("Cellar", 2);
  variables().AddDisappeared("hall", 1);  // names compare exactly
  interaction->hotspots.ShowOrNotShowAreas();
  EXPECT_TRUE(Area(1)->visible());
  EXPECT_TRUE(Area(2)->visible());
  Open("Cellar");
  EXPECT_TRUE(Area(1)->visible());
  EXPECT_FALSE(Area(2)->visible());
  Open("Hall");
  Open("Cellar");  // still gone when the frame comes back
  EXPECT_FALSE(Area(2)->visible());
}

TEST_F(HotspotsTest, PicturesArePlacedStretchedOrAtTheirOwnSize) {
  HotspotSpec natural = Box(10, 10, 60, 60);
  natural.HasPicture = true;
  natural.PictureFile = "door.BMP";  // another letter case than on disk
  HotspotSpec stretched = natural;
  stretched.Left = 100;
  stretched.Stretch = true;
  WriteHotspots(writer, "Hall", {natural, stretched});
  Start();
  EXPECT_EQ(Area(1)->width(), 150);  // the picture's own 10 x 8 pixels
  EXPECT_EQ(Area(1)->height(), 120);
  EXPECT_EQ(Area(2)->width(), 900 - 60);
  const platform::Pixmap shot = game.platform.Screenshot();
  EXPECT_EQ(shot.Pixel(13, 13) & 0xFFFFFFu, kGreen);
  EXPECT_EQ(shot.Pixel(155, 60) & 0xFFFFFFu, kGreen);
  EXPECT_NE(shot.Pixel(13, 40) & 0xFFFFFFu, kGreen);  // below the natural-size picture
}

TEST_F(HotspotsTest, AMissingPictureWarnsOnceAndTheHotspotStillWorks) {
  HotspotSpec lost = Box(0, 0, 30, 30);
  lost.HasPicture = true;
  lost.PictureFile = "gone.gif";
  WriteHotspots(writer, "Hall", {lost});
  Start();
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].icon, "warning");
  ASSERT_NE(Area(1), nullptr);
  EXPECT_TRUE(Area(1)->picture().empty());
  EXPECT_TRUE(Area(1)->visible());
}

TEST_F(HotspotsTest, ABrokenRecordIsReportedWithItsNumberAndLoadingGoesOn) {
  WriteHotspots(writer, "Hall", {Box(0, 0, 20, 20)});
  // Record 2 holds text where its left edge belongs.
  std::string bad =
      "\"H2\",0,0,0,0,0,0,0,0,0\r\n\"wide\",0,300,300,0,#FALSE#,\"\",0,\"\",0,0,0\r\n"
      "\"----- SEPARATOR -----\"\r\n";
  std::string good =
      "\"H3\",0,0,0,0,0,0,0,0,0\r\n600,0,300,300,0,#FALSE#,\"\",0,\"\",0,0,0\r\n"
      "\"----- SEPARATOR -----\"\r\n";
  const std::filesystem::path file = game.project() / "FramesData" / "Hall.fm2";
  std::string first;
  {
    std::ifstream in(file, std::ios::binary);
    first.assign(std::istreambuf_iterator<char>(in), {});
  }
  writer.WriteRaw("FramesData/Hall.fm2", first + bad + good);
  Start();
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_EQ(messages()[0].text, StandardError(" Unable to load hotspot #2. Type mismatch"));
  EXPECT_EQ(window().form().UBound("Area"), 3);
  EXPECT_EQ(Area(3)->left(), 630);
  EXPECT_EQ(Area(2), nullptr);
  // Hotspot 2 has no element, so deciding visibility stops there: hotspot 3 stays hidden.
  EXPECT_EQ(messages()[1].text,
            StandardError(" Unable to set hotspots visibility. Control array element '2' "
                          "doesn't exist"));
  EXPECT_TRUE(Area(1)->visible());
  EXPECT_FALSE(Area(3)->visible());
}

TEST_F(HotspotsTest, HotspotPointersAreTheirOwnOrTheProjectDefault) {
  writer.WriteRaw("Icons/hand.bmp", MakeBmp(16, 16, [](int, int) { return 0xFFFFFF; }));
  HotspotSpec own = Box(0, 0, 20, 20);
  own.PointerFile = "Hand.bmp";
  HotspotSpec usual = Box(30, 0, 20, 20);
  usual.PointerFile = "Default";
  WriteHotspots(writer, "Hall", {own, usual});
  Start();
  EXPECT_EQ(Area(1)->mouse_pointer(), platform::MousePointer::kCustom);
  EXPECT_EQ(Area(1)->mouse_icon().width(), 16);
  EXPECT_EQ(Area(2)->mouse_pointer(), platform::MousePointer::kDefault);
  EXPECT_TRUE(Area(2)->mouse_icon().empty());
}

TEST_F(HotspotsTest, AnimatedHotspotsKeepTheirAnimationIndexAndFollowVisibility) {
  auto animations = std::make_unique<RecordingAnimations>(log);
  RecordingAnimations& anim = *animations;
  game.runtime.subsystems().animations = std::move(animations);
  writer.WriteRaw("Areas/flag.gif", "GIF89a");
  writer.WriteRaw("Icons/hand.bmp", MakeBmp(16, 16, [](int, int) { return 0xFFFFFF; }));
  HotspotSpec flag = Box(10, 20, 40, 40);
  flag.Animated = true;
  flag.HasPicture = true;
  flag.PictureFile = "flag.gif";
  flag.PointerFile = "hand.bmp";
  flag.Speed = 2.5;  // rounds half to even
  flag.Conditions = true;
  flag.MustBeOne = {"One"};
  WriteHotspots(writer, "Cellar", {flag});
  Start();
  Open("Cellar");
  EXPECT_EQ(log.Count("New 1 flag.gif 180,330 2"), 1u);
  EXPECT_EQ(interaction->hotspots.AnimationIndex(1), 11);
  platform::ImageElement* placeholder = Area(1);
  EXPECT_FALSE(placeholder->visible());
  EXPECT_EQ(placeholder->left(), 0);
  EXPECT_EQ(placeholder->width(), 15);
  EXPECT_EQ(anim.box.mouse_pointer(), platform::MousePointer::kCustom);
  EXPECT_EQ(log.Count("Visible 11 no"), 1u);
  variables().ChangeVariableValue("One", 1);
  interaction->hotspots.ShowOrNotShowAreas();
  EXPECT_EQ(log.Count("Visible 11 yes"), 1u);
  Open("Hall");
  EXPECT_GE(log.Count("Unload"), 1u);
  EXPECT_EQ(interaction->hotspots.AnimationIndex(1), 0);
}

TEST_F(HotspotsTest, TheDumpGivesHotspotsInFramePixels) {
  WriteHotspots(writer, "Hall", {Box(10, 20, 100, 50)});
  Start();
  const nlohmann::json dump = game.platform.state().Collect();
  EXPECT_EQ(dump["hotspots"],
            nlohmann::json::parse(
                R"([{"index":1,"visible":true,"left":12,"top":22,"width":96,"height":46}])"));
}

}  // namespace
}  // namespace sw::testing
