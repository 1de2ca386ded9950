#include "platform/video_decoder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "platform/audio_mixer.h"
#include "platform/video_encode.h"
#include "test_support/temp_dir.h"

namespace sw::platform {
namespace {

// Picture i is filled with one of these colours.
constexpr Argb kColours[] = {0xFFE02020u, 0xFF20E020u, 0xFF2020E0u, 0xFFE0E020u};

bool Near(Argb a, Argb b) {
  for (int shift : {0, 8, 16}) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) >
        40)
      return false;
  }
  return true;
}

std::filesystem::path Write(const sw::TempDir& dir, const char* name, VideoCodec codec,
                            bool sound) {
  VideoFileContent content;
  content.width = 48;
  content.height = 32;
  content.fps = 10;
  content.frames = 8;
  content.codec = codec;
  content.draw = [](int i, Pixmap& p) { p.Fill(kColours[i % 4]); };
  if (sound) content.audio.assign(22050 * 8 / 10, 1000);
  const auto file = dir.path() / name;
  EncodeVideoFile(file, content);
  return file;
}

class VideoDecoderTest : public ::testing::TestWithParam<VideoCodec> {
 protected:
  sw::TempDir dir;
};

TEST_P(VideoDecoderTest, PicturesComeInOrderWithTheirTimesAndColours) {
  if (!CanEncodeVideo(GetParam())) GTEST_SKIP() << "no encoder";
  VideoDecoder decoder(Write(dir, "v.avi", GetParam(), false), {});
  EXPECT_EQ(decoder.info().width, 48);
  EXPECT_EQ(decoder.info().height, 32);
  EXPECT_DOUBLE_EQ(decoder.info().fps, 10);
  EXPECT_NEAR(static_cast<double>(decoder.info().length_ms), 800, 1);
  for (int i = 0; i < 8; ++i) {
    auto picture = decoder.PictureAt(i * 100 + 50, true);
    ASSERT_TRUE(picture) << i;
    EXPECT_EQ(picture->number, i);
    EXPECT_EQ(picture->due_ms, i * 100);
    EXPECT_TRUE(Near(picture->pixels.Pixel(24, 16), kColours[i % 4]))
        << i << " " << std::hex << picture->pixels.Pixel(24, 16);
    EXPECT_EQ(picture->pixels.Pixel(3, 3) >> 24, 0xFFu);  // opaque
  }
  EXPECT_FALSE(decoder.PictureAt(5000, true));
  EXPECT_TRUE(decoder.ended());
}

INSTANTIATE_TEST_SUITE_P(Codecs, VideoDecoderTest,
                         ::testing::Values(VideoCodec::kCinepak, VideoCodec::kMsVideo1,
                                           VideoCodec::kMjpeg));

TEST(VideoDecoder, LatePicturesAreDroppedAndTheLatestDueIsShown) {
  sw::TempDir dir;
  VideoDecoder decoder(Write(dir, "v.avi", VideoCodec::kCinepak, false), {});
  auto picture = decoder.PictureAt(350, true);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->number, 3);
  EXPECT_EQ(decoder.dropped(), 3);
  EXPECT_FALSE(decoder.PictureAt(399, true));  // nothing new is due
}

TEST(VideoDecoder, StartingLaterSkipsTheEarlierPictures) {
  sw::TempDir dir;
  VideoDecoder decoder(Write(dir, "v.avi", VideoCodec::kMsVideo1, false), {}, 500);
  auto picture = decoder.PictureAt(500, true);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->number, 5);
}

TEST(VideoDecoder, TheSoundIsFedToTheStreamWhole) {
  sw::TempDir dir;
  AudioMixerOptions options;
  AudioMixer mixer(options);
  if (!mixer.device_open()) GTEST_SKIP() << "no audio device";
  auto stream = mixer.OpenStream();
  ASSERT_TRUE(stream);
  stream->SetPaused(true);  // nothing is played: all of it waits in the stream
  VideoDecoderOptions decoderOptions;
  decoderOptions.sound = stream.get();
  VideoDecoder decoder(Write(dir, "s.avi", VideoCodec::kCinepak, true), decoderOptions);
  EXPECT_TRUE(decoder.info().has_sound);
  while (!decoder.read_all()) decoder.PictureAt(1000000, true);
  // 0.8 s of sound at the mixer's rate.
  EXPECT_NEAR(static_cast<double>(stream->buffered()), stream->format().rate * 0.8,
              stream->format().rate * 0.01);
  EXPECT_EQ(stream->played(), 0);
}

TEST(VideoDecoder, FilesWithNothingToPlayAreRefused) {
  sw::TempDir dir;
  std::ofstream(dir.path() / "text.avi") << "RIFF but not really a video";
  std::ofstream(dir.path() / "empty.avi");
  EXPECT_THROW(VideoDecoder(dir.path() / "text.avi", {}), VideoError);
  EXPECT_THROW(VideoDecoder(dir.path() / "empty.avi", {}), VideoError);
  EXPECT_THROW(VideoDecoder(dir.path() / "missing.avi", {}), VideoError);
}

TEST(VideoDecoder, PicturesLargerThanTheLimitAreNotShown) {
  sw::TempDir dir;
  VideoDecoderOptions options;
  options.max_width = 32;
  const auto file = Write(dir, "v.avi", VideoCodec::kCinepak, true);
  EXPECT_THROW(VideoDecoder(file, options), VideoError);  // no sound stream to play either
}

TEST(VideoDecoder, DestroyingItWhileItDecodesStopsTheWorker) {
  sw::TempDir dir;
  const auto file = Write(dir, "v.avi", VideoCodec::kCinepak, false);
  for (int i = 0; i < 20; ++i) {
    VideoDecoderOptions options;
    options.max_pictures = 1;
    VideoDecoder decoder(file, options);
    // The worker waits with a full queue when the decoder goes.
    ASSERT_TRUE(decoder.PictureAt(0, true));
  }
}

}  // namespace
}  // namespace sw::platform
