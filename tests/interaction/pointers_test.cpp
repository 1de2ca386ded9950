#include <gtest/gtest.h>

#include "interaction/play_fixture.h"

namespace sw::testing {
namespace {

using platform::MousePointer;

class PointersTest : public PlayFixture {
 protected:
  void SetUp() override {
    Frame("Hall");
    writer.WriteVariables({});
    writer.WriteRaw("Icons/hand.bmp", MakeBmp(16, 16, [](int, int) { return 0xFFFFFF; }));
    HotspotSpec own;
    own.Width = own.Height = 40;
    own.PointerFile = "hand.bmp";
    WriteHotspots(writer, "Hall", {own});
  }
  platform::Element& Element(const char* name, int index = -1) {
    return window().form().Get<platform::Element>(name, index);
  }
  platform::PointerShape Screen() { return game.platform.desktop().screen_pointer(); }
};

TEST_F(PointersTest, DefaultInAnyCaseIsTheStandardPointerEverywhere) {
  info.DefaultPointer = "DEFAULT";
  Start();
  for (const char* name : {"PictureBox", "BackImage", "CutSceneArea", "FrameMessageBox"}) {
    EXPECT_EQ(Element(name).mouse_pointer(), MousePointer::kDefault) << name;
  }
  EXPECT_EQ(Element("Area", 0).mouse_pointer(), MousePointer::kDefault);
  interaction->pointers.SetScreenPointerArrow();
  EXPECT_EQ(Screen().kind, MousePointer::kArrow);
  interaction->pointers.SetScreenPointerDefault();
  EXPECT_EQ(Screen().kind, MousePointer::kDefault);
  EXPECT_TRUE(messages().empty());
}

TEST_F(PointersTest, TheProjectPointerGoesToTheTemplatesAndToTheScreenDuringVideos) {
  info.DefaultPointer = "Hand.BMP";
  Start();
  for (const char* name : {"PictureBox", "LabelMessageBox", "Inventory1"}) {
    EXPECT_EQ(Element(name).mouse_pointer(), MousePointer::kCustom) << name;
    EXPECT_EQ(Element(name).mouse_icon().width(), 16) << name;
  }
  EXPECT_EQ(Element("Text", 0).mouse_pointer(), MousePointer::kCustom);
  EXPECT_EQ(Screen().kind, MousePointer::kDefault);
  interaction->pointers.SetScreenPointerArrow();
  EXPECT_EQ(Screen().kind, MousePointer::kCustom);
  EXPECT_EQ(Screen().icon.width(), 16);
  // After the video each control shows its own pointer again, the hotspot's included.
  interaction->pointers.SetScreenPointerDefault();
  EXPECT_EQ(Screen().kind, MousePointer::kDefault);
  EXPECT_EQ(interaction->hotspots.Area(1)->mouse_pointer(), MousePointer::kCustom);
}

TEST_F(PointersTest, AMissingPointerFileKeepsThePreviousPointersAndOnlyWarns) {
  Start();
  Element("PictureBox").SetMousePointer(MousePointer::kCross);
  game.runtime.info.DefaultPointer = "lost.cur";
  const size_t before = messages().size();
  interaction->pointers.ResetDefaultPointer();
  EXPECT_EQ(Element("PictureBox").mouse_pointer(), MousePointer::kCross);
  ASSERT_GT(messages().size(), before);
  for (size_t i = before; i < messages().size(); ++i) {
    EXPECT_EQ(messages()[i].icon, "warning");
    EXPECT_NE(messages()[i].text.find("lost.cur"), std::string::npos);
  }
}

}  // namespace
}  // namespace sw::testing
