// Animated pictures (GIF): every image of the file composed at the picture's full size, with
// its delay. Large or endless files are cut to a fixed budget of images and pixels.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/picture.h"

namespace sw::platform {

struct AnimationImage {
  Picture picture;
  int delay_ms = 100;  // how long the image shows; a file's 0 becomes 100, as browsers do
};

struct AnimatedPicture {
  std::vector<AnimationImage> images;
  int width = 0;
  int height = 0;
  bool empty() const { return images.empty(); }
};

// The limits a file is cut to: at most this many images, and together at most this many
// pixels (a 640 × 480 animation keeps about 200 images).
inline constexpr int kMaxAnimationImages = 1000;
inline constexpr std::size_t kMaxAnimationPixels = 64u * 1024 * 1024;

// How many images of a GIF file fit the limits, and where the data of the images that fit
// ends (so the rest can be cut off before decoding). `images` is 0 for data that is not a GIF
// or breaks before its first image.
struct GifExtent {
  int images = 0;
  std::size_t end = 0;
  int width = 0;
  int height = 0;
};
GifExtent MeasureGif(std::string_view bytes, int maxImages = kMaxAnimationImages,
                     std::size_t maxPixels = kMaxAnimationPixels);

// Decodes an animated picture file; a still picture (or a GIF with one image) gives one
// image. Throws VbError 53 for a missing file and 481 for data that cannot be decoded.
AnimatedPicture DecodeAnimatedPicture(const std::filesystem::path& path);

}  // namespace sw::platform
