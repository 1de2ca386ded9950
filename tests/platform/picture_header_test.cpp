// Picture sizes read from the header before decoding: a few bytes that claim a giant picture
// are refused at once instead of allocating gigabytes.
#include "platform/picture_header.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <string>

#include "base/vb_error.h"
#include "platform/picture.h"
#include "ui_support.h"

namespace sw::platform {
namespace {

// A damaged picture found by fuzzing, kept in the picture corpus.
std::string FoundPicture(const std::string& name) {
  std::ifstream in(std::string(SW_SOURCE_DIR) + "/fuzz/corpus/picture/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Refused by the measure, and by the loader as "Invalid picture" without decoding.
void ExpectRefused(const std::string& bytes, bool still) {
  EXPECT_FALSE(ReadPictureHeader(bytes));
  try {
    (void)DecodePicture(bytes, "damaged", still);
    ADD_FAILURE() << "decoded";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), vberr::kInvalidPicture);
  }
}

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

// The header is read as the decoder reads the file: a GIF decoder skips stray bytes between
// blocks, and an icon's bitmap header cut short decodes with its missing bytes as zeros. A
// picture never decodes larger than its header said.
TEST(PictureHeader, FilesTheDecoderReadsPastDamageAreMeasuredAsItReadsThem) {
  std::string gif = GifHeader(2, 2, 1, 1);
  gif.erase(gif.find('\x3B'), 1);         // no trailer after the first image, but
  gif += "\x07\x2C" + Le16(0) + Le16(0);  // a stray byte and a second, wide image
  gif += Le16(40000) + Le16(3) + std::string(1, '\0') + std::string("\x02\x00", 2);
  auto g = ReadPictureHeader(gif);
  ASSERT_TRUE(g);
  EXPECT_EQ(g->width, 40000);
  EXPECT_EQ(g->images, 2);
  // A one-entry icon whose bitmap header holds its size and a width cut to three bytes.
  std::string ico = std::string("\0\0\1\0", 4) + Le16(1);
  ico += std::string("\x10\x10\0\0", 4) + Le16(1) + Le16(32) + Le32(40) + Le32(22);
  const std::string whole = ico + Le32(40) + Le32(16) + Le32(32);
  ASSERT_TRUE(ReadPictureHeader(whole));
  EXPECT_EQ(ReadPictureHeader(whole)->width, 16);
  const std::string cut = ico + Le32(40) + std::string("\xFF\xFF\x00", 3);
  ExpectRefused(cut, true);
  // An icon entry pointing past the end is no picture to the decoder either, but the other
  // entries still count.
  std::string two = std::string("\0\0\1\0", 4) + Le16(2);
  two += std::string("\x10\x10\0\0", 4) + Le16(1) + Le16(32) + Le32(40) + Le32(5000);
  two += std::string("\x20\x20\0\0", 4) + Le16(1) + Le16(32) + Le32(40) + Le32(38);
  two += Le32(40) + Le32(32) + Le32(64);
  ASSERT_TRUE(ReadPictureHeader(two));
  EXPECT_EQ(ReadPictureHeader(two)->height, 64);
}

// GIF image data whose codes refer to table entries not yet made sends the decoder round
// entries left over from before, overrunning its stack: such pictures are refused whole.
TEST(PictureHeader, GifCodesTheDecoderCannotFollowAreRefused) {
  EXPECT_TRUE(ReadPictureHeader(GifHeader(2, 2, 2, 2))) << "clear, a pixel, end";
  std::string bad = GifHeader(2, 2, 2, 2);
  // Code size 2: a clear code (4), then code 6, which nothing has defined yet.
  bad.replace(bad.find(std::string("\x02\x02\x44\x01", 4)), 4, std::string("\x02\x01\x34", 3));
  ExpectRefused(bad, false);
  // A damaged animation whose data once crashed the decoder.
  const std::string found = FoundPicture("lzw-stale-entries.gif");
  ASSERT_GT(found.size(), 1000u);
  ExpectRefused(found, false);
}

// The decoder reads on after an end code, through the rest of the data block it holds: codes
// there that refer to entries never made corrupted its memory (a bad free).
TEST(PictureHeader, GifCodesAfterTheEndCodeMustBeSoundToo) {
  std::string after = GifHeader(2, 2, 2, 2);
  // Code size 2, one block of two bytes: clear (4), a pixel (0), end (5), then code 7.
  after.replace(after.find(std::string("\x02\x02\x44\x01", 4)), 4,
                std::string("\x02\x02\x44\x0F", 4));
  EXPECT_FALSE(ReadPictureHeader(after));
  // The same with harmless padding after the end code is a sound picture.
  EXPECT_TRUE(ReadPictureHeader(GifHeader(2, 2, 2, 2)));
  const std::string found = FoundPicture("codes-after-end-code.gif");
  ASSERT_GT(found.size(), 40u);
  ExpectRefused(found, true);
}

// An image of no width makes the decoder read its data as stray bytes, where a second image
// claiming 512 x 35842 pixels hid from the measure of a 2 x 15666 file.
TEST(PictureHeader, GifImagesWithoutWidthOrHeightAreRefused) {
  EXPECT_FALSE(ReadPictureHeader(GifHeader(2, 2, 0, 1)));
  EXPECT_FALSE(ReadPictureHeader(GifHeader(2, 2, 1, 0)));
  const std::string found = FoundPicture("empty-image-hides-another.gif");
  ASSERT_GT(found.size(), 40u);
  ExpectRefused(found, true);
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
