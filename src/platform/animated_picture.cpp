#include "platform/animated_picture.h"

#include <SDL.h>
#include <SDL_image.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "base/vb_error.h"
#include "platform/picture_header.h"

namespace sw::platform {

namespace {

constexpr int kDefaultDelayMs = 100;
constexpr std::size_t kMaxFileBytes = 64u * 1024 * 1024;

// Reads the sub-blocks that follow an extension or an image: true when the terminator was
// found inside the data.
bool SkipSubBlocks(std::string_view bytes, std::size_t& at) {
  while (at < bytes.size()) {
    const auto size = static_cast<unsigned char>(bytes[at++]);
    if (size == 0) return true;
    at += size;
  }
  return false;
}

std::size_t ColourTableBytes(unsigned char flags) {
  return (flags & 0x80) ? 3u * (2u << (flags & 0x07)) : 0u;
}

VbError InvalidPicture() {
  return VbError(vberr::kInvalidPicture, "Invalid picture");
}

Pixmap ToPixmap(SDL_Surface* surface) {
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0);
  if (!argb) throw VbError(vberr::kOutOfMemory);
  Pixmap out(argb->w, argb->h, 0);
  SDL_LockSurface(argb);
  for (int y = 0; y < argb->h; ++y) {
    const auto* src =
        reinterpret_cast<const Argb*>(static_cast<const unsigned char*>(argb->pixels) +
                                      static_cast<std::size_t>(y) * argb->pitch);
    std::copy(src, src + argb->w, out.row(y));
  }
  SDL_UnlockSurface(argb);
  SDL_FreeSurface(argb);
  out.RecomputeOpaque();
  return out;
}

struct AnimationDeleter {
  void operator()(IMG_Animation* a) const { IMG_FreeAnimation(a); }
};

}  // namespace

GifExtent MeasureGif(std::string_view bytes, int maxImages, std::size_t maxPixels) {
  GifExtent extent;
  if (bytes.size() < 13 || bytes.substr(0, 3) != "GIF") return extent;
  auto byte = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  extent.width = byte(6) | (byte(7) << 8);
  extent.height = byte(8) | (byte(9) << 8);
  const std::size_t imagePixels = static_cast<std::size_t>(extent.width ? extent.width : 1) *
                                  (extent.height ? extent.height : 1);
  std::size_t at = 13 + ColourTableBytes(byte(10));
  while (at < bytes.size()) {
    const unsigned char kind = byte(at);
    if (kind == 0x3B) break;  // trailer
    if (kind == 0x21) {       // extension: label, then sub-blocks
      at += 2;
      if (!SkipSubBlocks(bytes, at)) break;
      continue;
    }
    if (kind != 0x2C || at + 10 > bytes.size()) break;
    if (extent.images >= maxImages ||
        (static_cast<std::size_t>(extent.images) + 1) * imagePixels > maxPixels) {
      break;
    }
    at += 10 + ColourTableBytes(byte(at + 9));
    at += 1;  // the LZW code size
    if (at > bytes.size() || !SkipSubBlocks(bytes, at)) break;
    ++extent.images;
    extent.end = at;
  }
  return extent;
}

AnimatedPicture DecodeAnimatedPicture(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) throw VbError(vberr::kFileNotFound);
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size > kMaxFileBytes) throw InvalidPicture();
  std::string bytes;
  {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    bytes = all.str();
  }
  AnimatedPicture result;
  const GifExtent extent = MeasureGif(bytes);
  if (extent.images > 0) {
    // Only the images that fit are decoded: the rest is cut off and the trailer put back.
    bytes.resize(extent.end);
    bytes.push_back('\x3B');
    // Image data the decoder cannot follow safely is refused (see ReadPictureHeader).
    if (!ReadPictureHeader(bytes)) throw InvalidPicture();
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    std::unique_ptr<IMG_Animation, AnimationDeleter> animation(
        rw ? IMG_LoadAnimationTyped_RW(rw, 1, "GIF") : nullptr);
    if (!animation || animation->count <= 0) throw InvalidPicture();
    result.width = animation->w;
    result.height = animation->h;
    for (int i = 0; i < animation->count; ++i) {
      AnimationImage image;
      image.picture = Picture(ToPixmap(animation->frames[i]), {}, path.string());
      const int delay = animation->delays ? animation->delays[i] : 0;
      image.delay_ms = delay > 0 ? delay : kDefaultDelayMs;
      result.images.push_back(std::move(image));
    }
    return result;
  }
  // A GIF without one whole image that fits is refused; other files may be still pictures.
  if (bytes.compare(0, 3, "GIF") == 0) throw InvalidPicture();
  // Any other picture is decoded only when its header claims a size the player allows.
  const std::optional<PictureHeader> header = ReadPictureHeader(bytes);
  if (!header || !IsDecodable(*header)) throw InvalidPicture();
  SDL_Surface* surface = IMG_Load(path.c_str());
  if (!surface) throw InvalidPicture();
  AnimationImage image;
  image.picture = Picture(ToPixmap(surface), {}, path.string());
  SDL_FreeSurface(surface);
  result.width = image.picture.width();
  result.height = image.picture.height();
  result.images.push_back(std::move(image));
  return result;
}

}  // namespace sw::platform
