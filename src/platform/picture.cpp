#include "platform/picture.h"

#include <SDL.h>
#include <SDL_image.h>

#include <array>
#include <fstream>

#include "base/ascii.h"
#include "base/vb_error.h"
#include "platform/picture_header.h"
#include "platform/system/file_io.h"
#include "platform/system/path_resolver.h"

namespace sw::platform {
namespace {

const Pixmap kEmptyPixmap;

std::string LowerExtension(const std::filesystem::path& path) {
  return LowerAscii(path.extension().string());
}

// Reads the first directory entry of an ICO/CUR file: type 2 (cursor) carries the hot spot.
Point IconHotSpot(std::string_view bytes, int width, int height) {
  if (bytes.size() >= 14) {
    auto byte = [bytes](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    int type = byte(2) | (byte(3) << 8);
    if (type == 2) return {byte(10) | (byte(11) << 8), byte(12) | (byte(13) << 8)};
  }
  return {width / 2, height / 2};
}

Pixmap FromSurface(SDL_Surface* surface) {
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0);
  if (!argb) throw VbError(vberr::kOutOfMemory);
  Pixmap out(argb->w, argb->h, 0);
  SDL_LockSurface(argb);
  for (int y = 0; y < argb->h; ++y) {
    const auto* src =
        reinterpret_cast<const Argb*>(static_cast<const unsigned char*>(argb->pixels) +
                                      static_cast<std::size_t>(y) * argb->pitch);
    for (int x = 0; x < argb->w; ++x) out.SetPixel(x, y, src[x]);
  }
  SDL_UnlockSurface(argb);
  SDL_FreeSurface(argb);
  out.RecomputeOpaque();
  return out;
}

}  // namespace

Picture::Picture(Pixmap pixels, Point hot_spot, std::string source)
    : pixels_(std::make_shared<const Pixmap>(std::move(pixels))),
      hot_spot_(hot_spot),
      source_(std::move(source)) {}

const Pixmap& Picture::pixels() const {
  return pixels_ ? *pixels_ : kEmptyPixmap;
}

Picture DecodePictureFile(const std::filesystem::path& path) {
  std::string ext = LowerExtension(path);
  std::string bytes;
  try {
    bytes = ReadRegularFile(path, kMaxPictureFileBytes);
  } catch (const VbError& e) {
    if (e.number() == vberr::kPathFileAccessError) throw VbError(vberr::kFileNotFound);
    throw;
  }
  if (ext == ".wmf" || ext == ".emf") {
    // No library on the target system renders metafiles faithfully: refuse them clearly.
    throw VbError(vberr::kInvalidPicture, "Invalid picture");
  }
  return DecodePicture(bytes, path.string(), ext == ".cur" || ext == ".ico");
}

Picture DecodePicture(std::string_view bytes, const std::string& source, bool icon) {
  // The size the header claims decides before any pixel is allocated.
  const std::optional<PictureHeader> header = ReadPictureHeader(bytes);
  if (!header || !IsDecodable(*header)) throw VbError(vberr::kInvalidPicture, "Invalid picture");
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (!rw) throw VbError(vberr::kOutOfMemory);
  SDL_Surface* surface = IMG_Load_RW(rw, 1);
  if (!surface) throw VbError(vberr::kInvalidPicture, "Invalid picture");
  // Palette pictures with a transparent index (GIF) carry it as a colour key.
  Pixmap pixels = FromSurface(surface);
  SDL_FreeSurface(surface);
  Point hot{};
  if (icon) hot = IconHotSpot(bytes, pixels.width(), pixels.height());
  return Picture(std::move(pixels), hot, source);
}

void SavePng(const Pixmap& pixmap, const std::filesystem::path& path) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<Argb*>(pixmap.pixels().data()), pixmap.width(), pixmap.height(), 32,
      pixmap.width() * 4, SDL_PIXELFORMAT_ARGB8888);
  if (!surface) throw VbError(vberr::kPathFileAccessError, "Path/File access error");
  int rc = IMG_SavePNG(surface, path.c_str());
  SDL_FreeSurface(surface);
  if (rc != 0) throw VbError(vberr::kPathFileAccessError, "Path/File access error");
}

Picture PictureCache::Load(const std::filesystem::path& path) {
  std::error_code ec;
  std::string key = std::filesystem::weakly_canonical(path, ec).string();
  if (ec) key = path.string();
  auto it = cache_.find(key);
  if (it != cache_.end()) {
    if (std::filesystem::is_regular_file(path, ec)) return it->second;
    cache_.erase(it);  // the file went away: report it as the original would
  }
  Picture picture = DecodePictureFile(path);
  cache_.emplace(key, picture);
  return picture;
}

Picture PictureCache::Load(const PathResolver& resolver, std::string_view game_path) {
  return Load(resolver.Resolve(game_path));
}

}  // namespace sw::platform
