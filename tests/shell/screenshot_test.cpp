#include <gtest/gtest.h>

#include "shell/logo_pictures.h"
#include "shell_fixture.h"

namespace sw::shell {
namespace {

using testing::ShellGame;

// 0xRRGGBB of a pixel.
uint32_t Rgb(const platform::Pixmap& shot, int x, int y) {
  return shot.Pixel(x, y) & 0xFFFFFFu;
}
uint32_t Rgb(platform::VbColor c) {
  return platform::VbToArgb(c) & 0xFFFFFFu;
}

// How many pixels of a rectangle have the colour.
int CountColour(const platform::Pixmap& shot, platform::Rect r, uint32_t rgb) {
  int n = 0;
  r = r.Intersect(shot.bounds());
  for (int y = r.y; y < r.bottom(); ++y)
    for (int x = r.x; x < r.right(); ++x) n += Rgb(shot, x, y) == rgb;
  return n;
}

// How many pixels of a rectangle are nearly black (text drawn smoothly on a light ground).
int CountDark(const platform::Pixmap& shot, platform::Rect r) {
  int n = 0;
  r = r.Intersect(shot.bounds());
  for (int y = r.y; y < r.bottom(); ++y)
    for (int x = r.x; x < r.right(); ++x) {
      const uint32_t p = Rgb(shot, x, y);
      n += ((p >> 16) & 0xFF) < 0x60 && ((p >> 8) & 0xFF) < 0x60 && (p & 0xFF) < 0x60;
    }
  return n;
}

TEST(WelcomeScreenshot, DefaultLook) {
  ShellGame game;
  ASSERT_TRUE(game.Start());
  WelcomeWindow& w = game.welcome();
  const platform::Pixmap shot = game.platform.Screenshot();
  ASSERT_EQ(shot.width(), 320);
  ASSERT_EQ(shot.height(), 210);
  const uint32_t background = Rgb(w.form().client().back_color());
  EXPECT_EQ(Rgb(shot, 2, 205), background);
  EXPECT_EQ(Rgb(shot, 160, 150), background);
  // The title is written in the title colour inside its own area.
  const platform::Rect title = w.txtAdventureName.surface_rect_px();
  EXPECT_GT(CountColour(shot, title, Rgb(w.txtAdventureName.fore_color())), 20);
  EXPECT_EQ(CountColour(shot, {0, title.bottom(), 320, 210 - title.bottom()},
                        Rgb(w.txtAdventureName.fore_color())),
            0);
  // Each text button shows its caption.
  for (int i = 0; i < 3; ++i) {
    EXPECT_GT(
        CountColour(shot, w.lblButton[i]->surface_rect_px(), Rgb(w.lblButton[i]->fore_color())), 10)
        << i;
  }
  // The logo ribbon hangs into the top-right corner, cut by the top edge.
  const LogoColours logo = LogoColoursOf(0);
  EXPECT_EQ(Rgb(shot, 306, 0), logo.ribbon & 0xFFFFFFu);
  EXPECT_EQ(Rgb(shot, 312, 26), logo.emblem & 0xFFFFFFu);
  EXPECT_EQ(Rgb(shot, 300, 0), background);
}

TEST(WelcomeScreenshot, SchemeWithPicturesTileAndHiddenTitle) {
  ShellGame game;
  game.info.SchemeName = "Stone";
  ProjectWriter w = game.writer();
  w.WriteRaw("Schemes/Stone/Start.bmp", MakeBmp(80, 24, [](int, int) { return 0x3060F0u; }));
  // A 16 x 16 tile, left half and right half in different colours.
  w.WriteRaw("Schemes/Stone/tile.bmp",
             MakeBmp(16, 16, [](int x, int) { return x < 8 ? 0x404040u : 0x808080u; }));
  w.WriteRaw("Schemes/Stone/Scheme.txt",
             "\"v\",\"w\",\"x\",4,\"start.BMP\",\"[none]\",\"[none]\",\"tile.bmp\",4,"
             "255,65535,16777215,0,\"a\",\"b\",\"c\",1\r\n");
  ASSERT_TRUE(game.Start());
  const platform::Pixmap shot = game.platform.Screenshot();
  ASSERT_EQ(shot.height(), 210);
  // The tiles cover the window from its corner, whole tiles up to the edges.
  EXPECT_EQ(Rgb(shot, 0, 0), 0x404040u);
  EXPECT_EQ(Rgb(shot, 8, 0), 0x808080u);
  EXPECT_EQ(Rgb(shot, 16, 16), 0x404040u);
  EXPECT_EQ(Rgb(shot, 319, 209), 0x808080u);
  // The start button is the picture, centred, and has no text label.
  const platform::Rect start = game.welcome().Img[0]->surface_rect_px();
  EXPECT_EQ(start.x, (320 - 80) / 2);
  EXPECT_EQ(Rgb(shot, start.x + 40, start.y + 12), 0x3060F0u);
  EXPECT_FALSE(game.welcome().lblButton[0]->visible());
  // The other buttons are text in the scheme's button colour (black).
  EXPECT_GT(CountColour(shot, game.welcome().lblButton[2]->surface_rect_px(), 0x000000u), 10);
  // The hidden title leaves only tiles at its place.
  const platform::Rect title = game.welcome().txtAdventureName.surface_rect_px();
  EXPECT_EQ(CountColour(shot, title, 0xFFFF00u), 0);
}

TEST(GameScreenshot, MenuBarOpenOverTheFrame) {
  ShellGame game;
  game.desktopWidth = 320;
  game.desktopHeight = 200;
  ASSERT_TRUE(game.Start());
  game.welcome().ClickButton(kStartButton);
  ASSERT_NE(game.game(), nullptr);
  platform::Desktop& desktop = game.platform.desktop();
  platform::Pixmap before = desktop.Compose();
  EXPECT_EQ(Rgb(before, 5, 5), testing::kFrameRed);

  game.Key(platform::keys::kEscape);
  platform::Form& form = game.game()->form();
  auto titles = form.menu_tracker().TitleRows();
  ASSERT_EQ(titles.size(), 5u);  // Exit, Save, Load, Options, Cancel
  const platform::Rect options = titles[3].rect;
  game.ClickAt({options.x + options.w / 2, options.y + options.h / 2});
  ASSERT_TRUE(form.menu_tracker().is_open());
  const platform::Pixmap shot = desktop.Compose();
  const platform::Rect drop = form.menu_tracker().LevelRect(0);

  // The bar runs across the top in the menu colour, with black captions.
  EXPECT_EQ(Rgb(shot, 318, 2), 0xD4D0C8u);
  EXPECT_GT(CountDark(shot, titles[0].rect), 5);
  // The open title is highlighted, its drop-down lies over the frame.
  EXPECT_EQ(Rgb(shot, options.x + 2, options.y + 2), 0x000080u);
  EXPECT_EQ(drop.y, 20);
  EXPECT_EQ(Rgb(shot, drop.x + 10, drop.y + 5), 0xD4D0C8u);
  EXPECT_EQ(Rgb(shot, drop.x + 10, drop.bottom() - 5), 0xD4D0C8u);
  EXPECT_GT(CountDark(shot, drop), 40);
  EXPECT_EQ(Rgb(shot, drop.x + 10, drop.bottom() + 5), testing::kFrameRed);
  // Elsewhere the frame shows, pushed below the bar.
  EXPECT_EQ(Rgb(shot, 310, 100), testing::kFrameRed);
  EXPECT_EQ(game.game()->PictureBox.surface_rect_px().y, 20);
}

}  // namespace
}  // namespace sw::shell
