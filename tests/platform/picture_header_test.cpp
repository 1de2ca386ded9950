// Picture sizes read from the header before decoding: a few bytes that claim a giant picture
// are refused at once instead of allocating gigabytes.
#include "platform/picture_header.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "base/vb_error.h"
#include "platform/picture.h"
#include "ui_support.h"

namespace sw::platform {
namespace {

std::string Le16(uint32_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)};
}
std::string Le32(uint32_t v) {
  return Le16(v & 0xFFFF) + Le16(v >> 16);
}

// A BMP header with a 40-byte info header claiming the size, followed by `pixels` bytes.
std::string BmpHeader(int32_t width, int32_t height, size_t pixels = 1000) {
  std::string b = "BM" + Le32(54 + pixels) + Le32(0) + Le32(54);
  b += Le32(40) + Le32(static_cast<uint32_t>(width)) + Le32(static_cast<uint32_t>(height));
  b += Le16(1) + Le16(24) + Le32(0) + Le32(0) + Le32(2835) + Le32(2835) + Le32(0) + Le32(0);
  return b + std::string(pixels, '\0');
}

// A GIF with a small logical screen and one image of the given size (a 2-entry palette).
std::string GifHeader(uint32_t screen_w, uint32_t screen_h, uint32_t image_w, uint32_t image_h) {
  std::string g = "GIF89a" + Le16(screen_w) + Le16(screen_h) + "\x80" + std::string(2, '\0');
  g += std::string(6, '\0');  // palette
  g += "\x2C" + Le16(0) + Le16(0) + Le16(image_w) + Le16(image_h) + std::string(1, '\0');
  g += std::string("\x02\x02\x44\x01", 4) + std::string(1, '\0') + "\x3B";
  return g;
}

TEST(PictureHeader, ReadsTheSizeEveryFormatClaims) {
  auto bmp = ReadPictureHeader(BmpHeader(640, -480));
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->format, PictureFormat::kBmp);
  EXPECT_EQ(bmp->width, 640);
  EXPECT_EQ(bmp->height, 480);
  auto gif = ReadPictureHeader(GifHeader(10, 10, 30, 20));
  ASSERT_TRUE(gif);
  EXPECT_EQ(gif->width, 30) << "an image larger than the screen counts";
  EXPECT_EQ(gif->height, 20);
  EXPECT_EQ(gif->images, 1);
  const std::string png = std::string("\x89PNG\r\n\x1a\n", 8) + Le32(0) + "IHDR" +
                          std::string("\0\0\x01\0\0\0\0\x02", 8);
  auto p = ReadPictureHeader(png);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->width, 256);
  EXPECT_EQ(p->height, 2);
  // A JPEG: an APP0 segment, then the frame (height 16, width 32).
  const std::string jpeg = std::string(
      "\xFF\xD8\xFF\xE0\x00\x04\x00\x00\xFF\xC0\x00\x11\x08"
      "\x00\x10\x00\x20\x03",
      18);
  auto j = ReadPictureHeader(jpeg);
  ASSERT_TRUE(j);
  EXPECT_EQ(j->width, 32);
  EXPECT_EQ(j->height, 16);
  // An icon whose directory says 16 x 16 but whose bitmap claims far more.
  std::string ico = std::string("\0\0\1\0", 4) + Le16(1);
  ico += std::string("\x10\x10\0\0", 4) + Le16(1) + Le16(32) + Le32(40) + Le32(22);
  ico += Le32(40) + Le32(60000) + Le32(120000);
  auto i = ReadPictureHeader(ico);
  ASSERT_TRUE(i);
  EXPECT_EQ(i->width, 60000);
  EXPECT_FALSE(IsDecodable(*i));
  // Cut short or unknown.
  EXPECT_FALSE(ReadPictureHeader("BM12"));
  EXPECT_FALSE(ReadPictureHeader("GIF89a\x01"));
  EXPECT_FALSE(ReadPictureHeader("not a picture"));
  EXPECT_FALSE(ReadPictureHeader(std::string("\xFF\xD8\xFF\xDA", 4)));
}

TEST(PictureHeader, SizesAreBoundedEachAndTogether) {
  PictureHeader h;
  h.width = 640;
  h.height = 480;
  EXPECT_TRUE(IsDecodable(h));
  h.width = 0;
  EXPECT_FALSE(IsDecodable(h));
  h.width = kMaxPictureSide + 1;
  h.height = 1;
  EXPECT_FALSE(IsDecodable(h));
  h.width = h.height = 8000;  // each side fine, too many pixels in all
  EXPECT_FALSE(IsDecodable(h));
  h.width = h.height = 1000;
  h.images = 135;  // an animation of many large frames
  EXPECT_FALSE(IsDecodable(h));
  h.images = 100;
  EXPECT_TRUE(IsDecodable(h));
}

TEST(PictureHeader, GiantPicturesAndDevicesAreRefusedBeforeDecoding) {
  const std::filesystem::path dir = testing::TempDir("giant-pictures");
  auto number = [](const std::filesystem::path& p) {
    try {
      DecodePictureFile(p);
    } catch (const VbError& e) {
      return e.number();
    }
    return 0;
  };
  std::string bmp = BmpHeader(65535, 65535);
  testing::WriteBytes(dir / "giant.bmp", std::vector<unsigned char>(bmp.begin(), bmp.end()));
  EXPECT_EQ(number(dir / "giant.bmp"), vberr::kInvalidPicture);
  std::string gif = GifHeader(65535, 65535, 1, 1);
  testing::WriteBytes(dir / "giant.gif", std::vector<unsigned char>(gif.begin(), gif.end()));
  EXPECT_EQ(number(dir / "giant.gif"), vberr::kInvalidPicture);
  std::string sneaky = GifHeader(2, 2, 65535, 65535);
  testing::WriteBytes(dir / "sneaky.gif", std::vector<unsigned char>(sneaky.begin(), sneaky.end()));
  EXPECT_EQ(number(dir / "sneaky.gif"), vberr::kInvalidPicture);
  std::filesystem::create_symlink("/dev/zero", dir / "zero.bmp");
  EXPECT_EQ(number(dir / "zero.bmp"), vberr::kFileNotFound);
  ASSERT_EQ(mkfifo((dir / "pipe.bmp").c_str(), 0600), 0);
  EXPECT_EQ(number(dir / "pipe.bmp"), vberr::kFileNotFound);
  // A real picture of the same kind still decodes.
  std::string small = BmpHeader(2, 2, 16);
  testing::WriteBytes(dir / "small.bmp", std::vector<unsigned char>(small.begin(), small.end()));
  EXPECT_EQ(number(dir / "small.bmp"), 0);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace sw::platform
