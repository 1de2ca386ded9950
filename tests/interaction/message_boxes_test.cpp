#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "interaction/play_fixture.h"

namespace sw::testing {
namespace {

class MessageBoxesTest : public PlayFixture {
 protected:
  void SetUp() override {
    Frame("Hall");
    writer.WriteVariables({});
    Start();
  }
  bool BannerShown() { return window().FrameMessageBox.visible(); }
};

TEST_F(MessageBoxesTest, ABannerOfAHundredCharactersStaysEightSeconds) {
  const std::string text(100, 'x');
  interaction->messages.DisplayTextMessage(text, true);
  EXPECT_TRUE(BannerShown());
  EXPECT_EQ(window().TimerMessageBox.interval(), 8000);
  Wait(7990);
  EXPECT_TRUE(BannerShown());
  Wait(20);
  EXPECT_FALSE(BannerShown());
  EXPECT_FALSE(window().TimerMessageBox.enabled());
  EXPECT_EQ(window().TimerMessageBox.interval(), 0);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].kind, "banner");
  EXPECT_EQ(messages()[0].text, text);
}

TEST_F(MessageBoxesTest, AnEmptyBannerStaysOneSecondAndANewMessageRestartsTheCountdown) {
  interaction->messages.DisplayTextMessage("", true);
  EXPECT_EQ(window().TimerMessageBox.interval(), 1000);
  Wait(900);
  interaction->messages.DisplayTextMessage("Hi", true);  // 1140 ms from now
  Wait(1100);
  EXPECT_TRUE(BannerShown());
  EXPECT_EQ(window().LabelMessageBox.caption(), "Hi");
  Wait(50);
  EXPECT_FALSE(BannerShown());
}

TEST_F(MessageBoxesTest, TheBannerLiesAcrossTheBottomOfTheFrameWithItsTextCentred) {
  interaction->messages.DisplayTextMessage("Centred", true);
  const auto& frame = window().FrameMessageBox;
  const auto& label = window().LabelMessageBox;
  EXPECT_EQ(frame.left(), 0);
  EXPECT_EQ(frame.width(), window().PictureBox.width());
  EXPECT_EQ(frame.height(), label.height() + 525);
  EXPECT_EQ(frame.top() + frame.height(), window().PictureBox.height());
  EXPECT_NEAR(label.left() + label.width() / 2, frame.width() / 2, 15);
  const nlohmann::json dump = game.platform.state().Collect();
  EXPECT_EQ(dump["banner"], nlohmann::json::parse(R"({"visible":true,"text":"Centred"})"));
}

TEST_F(MessageBoxesTest, AClickOnTheBannerHidesItAndTheTimerDoesNotFireLater) {
  interaction->messages.DisplayTextMessage("Click me", true);
  const platform::Rect r = window().FrameMessageBox.surface_rect_px();
  const platform::Rect frame = game.platform.desktop().FrameRect();
  Click(r.x - frame.x + 2, r.y - frame.y + 2);
  EXPECT_FALSE(BannerShown());
  EXPECT_FALSE(window().TimerMessageBox.enabled());
  interaction->messages.DisplayTextMessage("Again", true);
  window().LabelMessageBox.on.click(window().LabelMessageBox);
  EXPECT_FALSE(BannerShown());
}

TEST_F(MessageBoxesTest, DialogMessagesCarryTheGameTitleAndTheInformationIcon) {
  interaction->messages.DisplayTextMessage("A dusty room.", false);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].title, "Fixture Game");
  EXPECT_EQ(messages()[0].text, "A dusty room.");
  EXPECT_EQ(messages()[0].icon, "information");
  EXPECT_FALSE(BannerShown());
}

TEST_F(MessageBoxesTest, ATextTooLongForTheTimerIsReported) {
  interaction->messages.DisplayTextMessage(std::string(921, 'x'), true);  // 65470 ms: fits
  EXPECT_EQ(window().TimerMessageBox.interval(), 65470);
  interaction->messages.DisplayTextMessage(std::string(922, 'x'), true);
  ASSERT_EQ(messages().size(), 3u);
  EXPECT_EQ(messages()[2].text, StandardError(" Unable to display text message."));
}

}  // namespace
}  // namespace sw::testing
