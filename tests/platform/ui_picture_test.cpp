// Pictures and the compositor: decoding, transparency, stretching, natural size, picture box
// drawing, modal dialogs over the window, and screenshots of the frame.
#include <gtest/gtest.h>

#include "base/vb_error.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/system/path_resolver.h"
#include "platform/timer.h"
#include "ui_support.h"

namespace sw::platform {
namespace {

using testing::Place;
using testing::ShownForm;

constexpr Argb kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu, kWhite = 0xFFFFFFFFu;

class PictureTest : public ::testing::Test {
 protected:
  Platform platform_;
  std::filesystem::path dir_ = testing::TempDir("pictures");

  // 4 x 4 GIF: left half red, right half transparent, bottom-right pixel blue.
  std::filesystem::path Gif() {
    auto path = dir_ / "sprite.GIF";
    const std::uint32_t palette[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    testing::WriteGif(path, 4, 4, palette, 1, [](int x, int y) {
      if (x == 3 && y == 3) return 2;
      return x < 2 ? 0 : 1;
    });
    return path;
  }
  // 2 x 2 BMP: red, green / blue, white.
  std::filesystem::path Bmp() {
    auto path = dir_ / "quad.bmp";
    testing::WriteBmp(path, 2, 2, [](int x, int y) {
      static const std::uint32_t c[2][2] = {{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFFFF}};
      return c[y][x];
    });
    return path;
  }
};

TEST_F(PictureTest, DecodesBmpGifAndPngAndKeepsGifTransparency) {
  Picture bmp = DecodePictureFile(Bmp());
  ASSERT_EQ(bmp.width(), 2);
  EXPECT_EQ(bmp.pixels().Pixel(0, 0), kRed);
  EXPECT_EQ(bmp.pixels().Pixel(1, 1), kWhite);
  EXPECT_TRUE(bmp.pixels().opaque());

  Picture gif = DecodePictureFile(Gif());
  ASSERT_EQ(gif.width(), 4);
  EXPECT_EQ(gif.pixels().Pixel(0, 0), kRed);
  EXPECT_EQ(gif.pixels().Pixel(2, 0) >> 24, 0u) << "the transparent index has no alpha";
  EXPECT_EQ(gif.pixels().Pixel(3, 3), kBlue);

  Pixmap half(3, 1, 0);
  half.SetPixel(0, 0, 0x80FF0000u);
  SavePng(half, dir_ / "half.png");
  Picture png = DecodePictureFile(dir_ / "half.png");
  EXPECT_EQ(png.pixels().Pixel(0, 0), 0x80FF0000u);
  EXPECT_EQ(png.width_twips(), 45);
}

TEST_F(PictureTest, MissingUnreadableAndMetafilePicturesFailWithTheirNumbers) {
  auto number = [](const std::filesystem::path& p) {
    try {
      DecodePictureFile(p);
    } catch (const VbError& e) {
      return e.number();
    }
    return 0;
  };
  EXPECT_EQ(number(dir_ / "none.bmp"), 53);
  testing::WriteBytes(dir_ / "junk.jpg", {'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'g'});
  EXPECT_EQ(number(dir_ / "junk.jpg"), 481);
  testing::WriteBytes(dir_ / "clip.wmf", {0xD7, 0xCD, 0xC6, 0x9A, 0, 0});
  EXPECT_EQ(number(dir_ / "clip.wmf"), 481);
}

TEST_F(PictureTest, CacheSharesOnePictureAndForgetsDeletedFiles) {
  auto path = Bmp();
  Picture a = platform_.pictures().Load(path);
  Picture b = platform_.pictures().Load(dir_ / "." / "quad.bmp");
  EXPECT_EQ(a, b);
  EXPECT_EQ(platform_.pictures().size(), 1u);
  PathResolver resolver;
  std::filesystem::create_directories(dir_ / "Areas");
  std::filesystem::rename(path, dir_ / "Areas" / "Quad.BMP");
  Picture c = platform_.pictures().Load(resolver, (dir_ / "areas").string() + "\\quad.bmp");
  EXPECT_EQ(c.width(), 2) << "game names reach files of another letter case";
  std::filesystem::remove(dir_ / "Areas" / "Quad.BMP");
  EXPECT_THROW(platform_.pictures().Load(path), VbError);
}

TEST_F(PictureTest, ImageIsTransparentWherePictureIsAndStretchesOrTakesItsSize) {
  auto form = ShownForm(platform_, 200, 100);
  form->client().SetBackColor(VbRgb(0, 255, 0));
  auto& natural = form->Add<ImageElement>("Natural");
  Place(natural, 10, 10, 90, 90);
  natural.SetPicture(platform_.pictures().Load(Gif()));
  EXPECT_EQ(natural.rect_px(), (Rect{10, 10, 4, 4}))
      << "without stretch it takes the picture's size";

  auto& stretched = form->Add<ImageElement>("Stretched");
  stretched.SetStretch(true);
  Place(stretched, 100, 0, 40, 40);
  stretched.SetPicture(platform_.pictures().Load(Gif()));
  EXPECT_EQ(stretched.rect_px(), (Rect{100, 0, 40, 40}));

  const Pixmap& s = platform_.desktop().Compose();
  EXPECT_EQ(s.Pixel(10, 10), kRed);
  EXPECT_EQ(s.Pixel(12, 10), kGreen) << "the background shows through";
  EXPECT_EQ(s.Pixel(13, 13), kBlue);
  EXPECT_EQ(s.Pixel(14, 14), kGreen) << "nothing beyond the picture";
  // Stretched ten times: each picture pixel covers 10 x 10.
  EXPECT_EQ(s.Pixel(100, 0), kRed);
  EXPECT_EQ(s.Pixel(119, 39), kRed);
  EXPECT_EQ(s.Pixel(120, 0), kGreen);
  EXPECT_EQ(s.Pixel(130, 30), kBlue);
  EXPECT_EQ(s.Pixel(139, 39), kBlue);
  EXPECT_EQ(s.Pixel(140, 39), kGreen);
}

TEST_F(PictureTest, PictureBoxKeepsWhatWasPaintedUntilItsColourChanges) {
  auto form = ShownForm(platform_, 200, 200);
  auto& box = form->Add<PictureBoxElement>("PictureBox");
  Place(box, 20, 20, 100, 100);
  box.SetBackColor(VbRgb(0, 0, 255));
  Picture quad = DecodePictureFile(Bmp());
  box.PaintPicture(quad, 0, 0, PixelsToTwips(50), PixelsToTwips(50));
  box.PaintPicture(quad, PixelsToTwips(90), PixelsToTwips(90));  // natural size, clipped
  box.FillBox(PixelsToTwips(60), 0, PixelsToTwips(69), PixelsToTwips(9), VbRgb(255, 255, 255));
  auto& sprite = form->Add<ImageElement>("Child", &box);
  Place(sprite, 95, 95, 20, 20);
  sprite.SetStretch(true);
  sprite.SetPicture(quad);

  const Pixmap& s = platform_.desktop().Compose();
  EXPECT_EQ(s.Pixel(20, 20), kRed);
  EXPECT_EQ(s.Pixel(20 + 49, 20), kGreen);
  EXPECT_EQ(s.Pixel(20 + 24, 20 + 25), kBlue);
  EXPECT_EQ(s.Pixel(20 + 50, 20 + 50), kBlue) << "the background colour around the picture";
  EXPECT_EQ(s.Pixel(20 + 65, 20 + 5), kWhite);
  EXPECT_EQ(s.Pixel(20 + 90, 20 + 90), kRed);
  EXPECT_EQ(s.Pixel(20 + 96, 20 + 96), kRed) << "the child lies over the drawing";
  EXPECT_EQ(s.Pixel(121, 121), 0xFF000000u) << "children are clipped to the box";

  box.SetBackColor(VbRgb(0, 0, 255));
  EXPECT_EQ(platform_.desktop().Compose().Pixel(20, 20), kBlue)
      << "a new colour erases the drawing";
  sprite.SetVisible(false);
  box.SetWidth(PixelsToTwips(150));
  box.PaintPicture(quad, PixelsToTwips(140), 0);
  EXPECT_EQ(platform_.desktop().Compose().Pixel(20 + 140, 20), kRed)
      << "the surface grows with the box";
}

TEST_F(PictureTest, ModalDialogIsCentredOverTheWindowAndScreenshotsShowTheFrame) {
  auto form = ShownForm(platform_, 300, 200);
  auto& frame = form->Add<PictureBoxElement>("PictureBox");
  Place(frame, 50, 40, 100, 80);
  frame.SetBackColor(VbRgb(255, 0, 0));
  Pixmap shot = platform_.Screenshot();
  EXPECT_EQ(shot.width(), 300) << "without a frame element, the client area";
  platform_.desktop().SetFrameElement(&frame);
  shot = platform_.Screenshot();
  ASSERT_EQ(shot.width(), 100);
  ASSERT_EQ(shot.height(), 80);
  EXPECT_EQ(shot.Pixel(0, 0), kRed);

  auto dialog = platform_.CreateForm("Dialog");
  dialog->SetSize(PixelsToTwips(100), PixelsToTwips(60));
  dialog->client().SetBackColor(VbRgb(255, 255, 255));
  bool checked = false;
  auto& timer = form->Add<TimerElement>("T");
  timer.SetInterval(10);
  timer.SetEnabled(true);
  timer.on.timer = [&](Element& e) {
    static_cast<TimerElement&>(e).SetEnabled(false);
    EXPECT_EQ(platform_.desktop().FormOrigin(*dialog), (Point{100, 70}));
    const Pixmap& s = platform_.desktop().Compose();
    EXPECT_EQ(s.Pixel(100, 70), kWhite);
    EXPECT_EQ(s.Pixel(199, 129), kWhite);
    EXPECT_EQ(s.Pixel(200, 70), 0xFF000000u);
    EXPECT_EQ(s.Pixel(99, 70), kRed);
    checked = true;
    dialog->EndModal(1);
  };
  dialog->SetBorderStyle(BorderStyle::kNone);
  auto& opener = form->Add<TimerElement>("Opener");
  opener.SetInterval(1);
  opener.SetEnabled(true);
  opener.on.timer = [&](Element& e) {
    static_cast<TimerElement&>(e).SetEnabled(false);
    dialog->ShowModal();
  };
  testing::Advance(platform_, 20);
  EXPECT_TRUE(checked);
}

}  // namespace
}  // namespace sw::platform
