#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "interaction/play_fixture.h"
#include "platform/label.h"

namespace sw::testing {
namespace {

TextSpec Caption(std::string text, int16_t marker = 0) {
  TextSpec t;
  t.Caption = std::move(text);
  t.MergeMarker = marker;
  return t;
}

class FrameTextsTest : public PlayFixture {
 protected:
  void SetUp() override {
    Frame("Hall");
    Frame("Cellar");
    writer.WriteVariables({});
  }
  platform::LabelElement& Text(int i) {
    return window().form().Get<platform::LabelElement>("Text", i);
  }
};

TEST_F(FrameTextsTest, TextsTakeTheirFileFieldsAndAnEmptyFontNameIsArial) {
  TextSpec t = Caption("Café");  // stored in the game's code page
  t.Left = 12;
  t.Top = 30;
  t.Bold = true;
  t.Underline = true;
  t.FontName = "";
  t.FontSize = 14;
  t.ForeColor = 0x0000FF;
  WriteTexts(writer, "Hall", {t});
  Start();
  platform::LabelElement& label = Text(1);
  EXPECT_EQ(label.caption(), "Café");
  EXPECT_EQ(label.left(), 180);
  EXPECT_EQ(label.top(), 450);
  EXPECT_EQ(label.font().name, "Arial");
  EXPECT_TRUE(label.font().bold);
  EXPECT_FALSE(label.font().italic);
  EXPECT_TRUE(label.font().underline);
  EXPECT_DOUBLE_EQ(label.font().size, 14);
  EXPECT_EQ(label.fore_color(), 0x0000FFu);
  EXPECT_TRUE(label.visible());
  EXPECT_GT(label.width(), 0);  // sized to its caption
  EXPECT_TRUE(messages().empty());
}

TEST_F(FrameTextsTest, EachFrameNumbersItsTextsFromOne) {
  WriteTexts(writer, "Hall", {Caption("a"), Caption("b"), Caption("c")});
  WriteTexts(writer, "Cellar", {Caption("d"), Caption("e")});
  Start();
  EXPECT_EQ(window().form().UBound("Text"), 3);
  Open("Cellar");
  EXPECT_EQ(window().form().UBound("Text"), 2);
  EXPECT_EQ(Text(1).caption(), "d");
  EXPECT_EQ(Text(2).caption(), "e");
  const nlohmann::json dump = game.platform.state().Collect();
  EXPECT_EQ(dump["texts"].size(), 2u);
  EXPECT_EQ(dump["texts"][1]["caption"], "e");
}

TEST_F(FrameTextsTest, MergedTextStartIsTheFirstMarkedTextAfterTheFirstRecord) {
  WriteTexts(writer, "Hall",
             {Caption("1", 1), Caption("2"), Caption("3", 1), Caption("4"), Caption("5", 1)});
  WriteTexts(writer, "Cellar", {Caption("1", 1), Caption("2")});
  Start();
  EXPECT_EQ(interaction->texts.MergedTextStart, 3);
  Open("Cellar");
  EXPECT_EQ(interaction->texts.MergedTextStart, 1);
}

TEST_F(FrameTextsTest, NoFileMeansNoTextsAndTheMergedFileWins) {
  WriteTexts(writer, "Cellar", {Caption("plain")});
  WriteTexts(writer, "Cellar", {Caption("merged"), Caption("too")}, true);
  Start();
  EXPECT_EQ(window().form().UBound("Text"), 0);
  Open("Cellar");
  EXPECT_EQ(Text(1).caption(), "merged");
  EXPECT_EQ(window().form().UBound("Text"), 2);
  EXPECT_TRUE(messages().empty());
}

TEST_F(FrameTextsTest, AFailingValueIsSkippedAndTheTextStillShows) {
  // The size holds text that is no number; the other fields still apply.
  writer.WriteRaw("FramesData/Hall.fm1",
                  "\"T\",0,0,0,0,0,0,0,0,0\r\n\"Hello\",150,150,#TRUE#,#FALSE#,\"Arial\",\"big\","
                  "#FALSE#,#FALSE#,255,0\r\n");
  Start();
  EXPECT_EQ(Text(1).caption(), "Hello");
  EXPECT_TRUE(Text(1).font().bold);
  EXPECT_EQ(Text(1).fore_color(), 255u);
  EXPECT_TRUE(messages().empty());
}

TEST_F(FrameTextsTest, ClicksOnTextsBehaveAsTheBackground) {
  TextSpec t = Caption("Look here");
  t.Left = 50;
  t.Top = 50;
  WriteTexts(writer, "Hall", {t});
  Start();
  game.runtime.UserInterrupt = false;
  Click(55, 55, platform::kRightButton);
  EXPECT_EQ(log.calls, std::vector<std::string>{"MenusOnMouseDown 2"});
  EXPECT_TRUE(game.runtime.UserInterrupt);
  EXPECT_TRUE(game.runtime.StopMovie);
}

}  // namespace
}  // namespace sw::testing
