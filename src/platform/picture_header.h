// The size a picture file claims, read from its header before anything is decoded, so that a
// damaged or hostile file cannot make the player allocate gigabytes for its pixels.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace sw::platform {

enum class PictureFormat { kBmp, kGif, kPng, kJpeg, kIcon };

struct PictureHeader {
  PictureFormat format = PictureFormat::kBmp;
  // The largest width and height of any image the file holds (every frame of a GIF, every
  // entry of an icon), in pixels.
  int64_t width = 0;
  int64_t height = 0;
  int64_t images = 1;  // frames of a GIF, entries of an icon
};

// Largest picture file read.
inline constexpr uint64_t kMaxPictureFileBytes = 64u << 20;
// Largest picture the player decodes: its width and height, and its pixels in all.
inline constexpr int64_t kMaxPictureSide = 16384;
inline constexpr int64_t kMaxPicturePixels = 32 << 20;
// Largest number of pixels of all frames of an animation together.
inline constexpr int64_t kMaxAllImagesPixels = 128 << 20;

// The header of a BMP, GIF, PNG, JPEG, ICO or CUR file; nothing when the bytes are none of
// these or the header is cut short or inconsistent.
std::optional<PictureHeader> ReadPictureHeader(std::string_view bytes);

// True when a picture of that header may be decoded: every side between 1 and
// kMaxPictureSide, width × height within kMaxPicturePixels, and all the images together
// within kMaxAllImagesPixels.
bool IsDecodable(const PictureHeader& header);

}  // namespace sw::platform
