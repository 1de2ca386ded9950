// Decoded pictures (BMP, GIF, JPEG, PNG, ICO, CUR), shared between elements and cached by path.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/geometry.h"
#include "platform/pixmap.h"

namespace sw {
class PathResolver;
}

namespace sw::platform {

// An immutable decoded picture. Copies share the pixels; an empty Picture means "no picture".
class Picture {
 public:
  Picture() = default;
  explicit Picture(Pixmap pixels, Point hot_spot = {}, std::string source = {});

  bool empty() const { return !pixels_ || pixels_->empty(); }
  int width() const { return pixels_ ? pixels_->width() : 0; }
  int height() const { return pixels_ ? pixels_->height() : 0; }
  int width_twips() const { return PixelsToTwips(width()); }
  int height_twips() const { return PixelsToTwips(height()); }
  const Pixmap& pixels() const;
  // Where a pointer made from this picture points: the CUR header's hot spot, or the centre
  // of an icon.
  Point hot_spot() const { return hot_spot_; }
  const std::string& source() const { return source_; }

  friend bool operator==(const Picture& a, const Picture& b) { return a.pixels_ == b.pixels_; }

 private:
  std::shared_ptr<const Pixmap> pixels_;
  Point hot_spot_;
  std::string source_;
};

// Decodes a picture file (a regular file of at most kMaxPictureFileBytes). Throws VbError 53
// (File not found) for a missing file or one that is no regular file, 7 for a larger one,
// and 481 (Invalid picture) for anything that cannot be decoded, metafiles (WMF, EMF)
// included.
Picture DecodePictureFile(const std::filesystem::path& path);

// Decodes the bytes of a BMP, GIF (its first frame), PNG, JPEG, ICO or CUR picture whose
// header claims a decodable size (see picture_header.h); 481 (Invalid picture) otherwise.
// `icon`: the hot spot is read from a cursor's header. `source` names it for messages.
Picture DecodePicture(std::string_view bytes, const std::string& source, bool icon);

// Writes a pixmap as a PNG file; throws VbError 75 (Path/File access error) on failure.
void SavePng(const Pixmap& pixmap, const std::filesystem::path& path);

// Decoded pictures by resolved path, so every hotspot that shows the same file shares it.
class PictureCache {
 public:
  Picture Load(const std::filesystem::path& path);
  // A picture named as the game names it ('\\' separators, any letter case).
  Picture Load(const PathResolver& resolver, std::string_view game_path);
  void Clear() { cache_.clear(); }
  std::size_t size() const { return cache_.size(); }

 private:
  std::map<std::string, Picture> cache_;
};

}  // namespace sw::platform
