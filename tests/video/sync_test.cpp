// A ten-second video on the real clock with its sound on the mixer (SDL's dummy device plays
// at about the speed of real time): the pictures follow the sound, and all of the sound is
// played.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/audio_mixer.h"
#include "test_support/temp_dir.h"
#include "video/video_files.h"
#include "video/video_playback.h"

namespace sw::testing {
namespace {

TEST(VideoSyncTest, PicturesAndSoundStayWithinATenthOfASecondOverTenSeconds) {
  TempDir dir;
  const auto file = dir.path() / "ten.avi";
  WriteTestVideo(file, {.width = 160, .height = 120, .fps = 15, .frames = 15, .loops = 10});

  platform::AudioMixerOptions options;
  options.headless = true;
  platform::AudioMixer mixer(options);
  ASSERT_TRUE(mixer.device_open());
  platform::RealClock clock;
  video::PlaybackEnvironment environment;
  environment.clock = &clock;
  environment.open_sound = [&mixer] { return mixer.OpenStream(); };
  auto window = std::make_shared<video::VideoWindow>();
  video::VideoPlayback playback(file, window, environment);
  ASSERT_TRUE(playback.has_sound_stream());

  const auto start = std::chrono::steady_clock::now();
  auto elapsed = [&] {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
  };
  playback.Play(true);
  std::int64_t worstPicture = 0;
  std::int64_t lastShown = -1;
  while (playback.Mode() == "playing" && elapsed() < 15000) {
    playback.Tick();
    const std::int64_t position = playback.PositionMs();  // the sound's clock while it plays
    if (playback.shown() != lastShown && playback.shown() >= 0) {
      lastShown = playback.shown();
      // The picture shown is the one due at the sound's position.
      const std::int64_t due = lastShown * 1000 / 15;
      worstPicture = std::max(worstPicture, std::abs(position - due));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  const std::int64_t took = elapsed();
  EXPECT_LE(worstPicture, 100);
  EXPECT_EQ(playback.Mode(), "stopped");
  EXPECT_NEAR(static_cast<double>(playback.sound_played_ms()), 10000, 50);
  // The dummy device runs a little slower than the clock; the video waits for it.
  EXPECT_GE(took, 9900);
  EXPECT_LE(took, 12000);
  EXPECT_EQ(lastShown, 149);
  EXPECT_TRUE(Near(window->picture().Pixel(5, 5), PictureColour(149 % 15)));
}

}  // namespace
}  // namespace sw::testing
