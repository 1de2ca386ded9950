// Encodes the sample game's cut scene into the AVI file named on the command line (Cinepak
// pictures, PCM sound), with FFmpeg's encoders.
#include <cstdio>
#include <exception>

#include "lighthouse_video.h"
#include "platform/video_encode.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-sample-video FILE\n");
    return 2;
  }
  try {
    sw::platform::VideoFileContent content;
    content.width = sample::kStormWidth;
    content.height = sample::kStormHeight;
    content.fps = sample::kStormFps;
    content.frames = sample::kStormPictures;
    content.codec = sw::platform::VideoCodec::kCinepak;
    content.draw = [](int index, sw::platform::Pixmap& picture) {
      for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
          picture.SetPixel(x, y, 0xFF000000u | sample::StormPixel(index, x, y));
        }
      }
    };
    content.audio = sample::StormSound();
    content.audio_rate = sample::kStormRate;
    sw::platform::EncodeVideoFile(argv[1], content);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make-sample-video: %s\n", e.what());
    return 1;
  }
  return 0;
}
