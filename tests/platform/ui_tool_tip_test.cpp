// Tool tips: a control's ToolTipText shows under the pointer after it rests half a second, in
// any script, and goes after five seconds, on a click, over another control or when hidden.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/image.h"
#include "ui_support.h"

namespace sw::platform {
namespace {

using testing::MouseEvent;
using testing::Place;
using testing::ShownForm;

constexpr Argb kTipBackground = 0xFFFFFFE1u;

class ToolTipTest : public ::testing::Test {
 protected:
  Platform platform_;
  std::shared_ptr<Form> form_ = ShownForm(platform_);
  ImageElement& item_ = form_->Add<ImageElement>("Item");
  ImageElement& plain_ = form_->Add<ImageElement>("Plain");

  void SetUp() override {
    Place(item_, 10, 10, 40, 40);
    Place(plain_, 100, 10, 40, 40);
    item_.SetToolTipText("鍵 Ключ");
  }
  void MoveTo(int x, int y) {
    platform_.events().Post(MouseEvent(InputEvent::Kind::kMouseMove, x, y, 0));
    platform_.DoEvents();
  }
  void Wait(int ms) {
    platform_.virtual_clock()->Advance(ms);
    platform_.DoEvents();
  }
  // Pixels of the tip's colour on the composed surface; `text` counts the other pixels inside
  // their bounds (the letters).
  int TipPixels(int* text = nullptr, Rect* bounds = nullptr) {
    const Pixmap& screen = platform_.desktop().Compose();
    int tip = 0, left = screen.width(), top = screen.height(), right = -1, bottom = -1;
    for (int y = 0; y < screen.height(); ++y)
      for (int x = 0; x < screen.width(); ++x) {
        if (screen.Pixel(x, y) != kTipBackground) continue;
        ++tip;
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
    int letters = 0;
    for (int y = top; y <= bottom; ++y)
      for (int x = left; x <= right; ++x) letters += screen.Pixel(x, y) != kTipBackground;
    if (text != nullptr) *text = letters;
    if (bounds != nullptr) *bounds = {left, top, right - left + 1, bottom - top + 1};
    return tip;
  }
};

TEST_F(ToolTipTest, ShowsAfterHalfASecondAtRestWithTheTextDrawn) {
  MoveTo(20, 20);
  Wait(300);
  EXPECT_EQ(platform_.desktop().ToolTipText(), "");
  MoveTo(22, 21);  // moving restarts the wait
  Wait(400);
  EXPECT_EQ(platform_.desktop().ToolTipText(), "");
  EXPECT_TRUE(platform_.desktop().NeedsRepaint() || TipPixels() == 0);
  Wait(150);
  EXPECT_EQ(platform_.desktop().ToolTipText(), "鍵 Ключ");
  EXPECT_TRUE(platform_.desktop().NeedsRepaint());
  int letters = 0;
  Rect box;
  EXPECT_GT(TipPixels(&letters, &box), 200);
  EXPECT_GT(letters, 40) << "the kanji and Cyrillic letters are drawn";
  EXPECT_EQ(box.x, 23) << "the box stands under the pointer";
  EXPECT_EQ(box.y, 21 + 20 + 1);
  EXPECT_FALSE(platform_.desktop().NeedsRepaint());
  EXPECT_GT(platform_.Screenshot().width(), 0);
  Wait(5000);
  EXPECT_EQ(platform_.desktop().ToolTipText(), "");
  EXPECT_EQ(TipPixels(), 0);
}

TEST_F(ToolTipTest, ClickOtherControlsAndDialogsHideIt) {
  MoveTo(20, 20);
  Wait(600);
  ASSERT_NE(platform_.desktop().ToolTipText(), "");
  platform_.events().Post(MouseEvent(InputEvent::Kind::kMouseDown, 20, 20));
  platform_.DoEvents();
  EXPECT_EQ(platform_.desktop().ToolTipText(), "");
  Wait(600);
  EXPECT_EQ(platform_.desktop().ToolTipText(), "") << "not again until the pointer leaves";

  MoveTo(110, 20);  // a control without a tip
  Wait(600);
  EXPECT_EQ(platform_.desktop().ToolTipText(), "");
  MoveTo(20, 20);
  Wait(600);
  EXPECT_NE(platform_.desktop().ToolTipText(), "");

  item_.SetVisible(false);
  EXPECT_EQ(platform_.desktop().ToolTipText(), "");
}

TEST_F(ToolTipTest, StaysOnTheSurfaceNearItsEdges) {
  Place(item_, 560, 420, 80, 60);
  MoveTo(638, 478);
  Wait(600);
  Rect box;
  ASSERT_GT(TipPixels(nullptr, &box), 0);
  EXPECT_EQ(box.right(), 639) << "moved left";
  EXPECT_EQ(box.bottom(), 477) << "and above the pointer";
}

}  // namespace
}  // namespace sw::platform
