#include "platform/picture_header.h"

#include <algorithm>

namespace sw::platform {
namespace {

// Little- and big-endian numbers at an offset; nothing past the end.
class Bytes {
 public:
  explicit Bytes(std::string_view data) : data_(data) {}
  size_t size() const { return data_.size(); }
  bool Has(size_t at, size_t n) const { return at <= data_.size() && n <= data_.size() - at; }
  uint32_t U8(size_t at) const { return static_cast<unsigned char>(data_[at]); }
  std::optional<uint32_t> Le16(size_t at) const {
    if (!Has(at, 2)) return std::nullopt;
    return U8(at) | U8(at + 1) << 8;
  }
  std::optional<uint32_t> Le32(size_t at) const {
    if (!Has(at, 4)) return std::nullopt;
    return U8(at) | U8(at + 1) << 8 | U8(at + 2) << 16 | U8(at + 3) << 24;
  }
  std::optional<uint32_t> Be16(size_t at) const {
    if (!Has(at, 2)) return std::nullopt;
    return U8(at) << 8 | U8(at + 1);
  }
  std::optional<uint32_t> Be32(size_t at) const {
    if (!Has(at, 4)) return std::nullopt;
    return U8(at) << 24 | U8(at + 1) << 16 | U8(at + 2) << 8 | U8(at + 3);
  }
  bool StartsWith(size_t at, std::string_view magic) const {
    return Has(at, magic.size()) && data_.substr(at, magic.size()) == magic;
  }

 private:
  std::string_view data_;
};

int64_t Signed32(uint32_t v) {
  return static_cast<int64_t>(static_cast<int32_t>(v));
}

int64_t Magnitude(int64_t v) {
  return v < 0 ? -v : v;
}

// A device-independent bitmap header at `at`: its width and height (the height of an icon's
// bitmap counts its mask too; that is still a bound).
std::optional<PictureHeader> Dib(const Bytes& b, size_t at) {
  auto size = b.Le32(at);
  if (!size) return std::nullopt;
  PictureHeader h;
  if (*size == 12) {  // the old core header: 16-bit sides
    auto w = b.Le16(at + 4), hh = b.Le16(at + 6);
    if (!w || !hh) return std::nullopt;
    h.width = *w;
    h.height = *hh;
    return h;
  }
  auto w = b.Le32(at + 4), hh = b.Le32(at + 8);
  if (!w || !hh) return std::nullopt;
  h.width = Magnitude(Signed32(*w));
  h.height = Magnitude(Signed32(*hh));
  return h;
}

std::optional<PictureHeader> Png(const Bytes& b, size_t at) {
  if (!b.StartsWith(at, "\x89PNG\r\n\x1a\n") || !b.StartsWith(at + 12, "IHDR")) {
    return std::nullopt;
  }
  auto w = b.Be32(at + 16), h = b.Be32(at + 20);
  if (!w || !h) return std::nullopt;
  PictureHeader header;
  header.format = PictureFormat::kPng;
  header.width = *w;
  header.height = *h;
  return header;
}

// Reads the LZW codes of one GIF image (its data sub-blocks from `at`, the code size byte
// before them) as a decoder does, and says whether every code is one the decoder has
// defined at that point: after a clear code (and at the start) a literal pixel value, later
// at most the next table entry. Codes beyond that make a decoder follow entries left over
// from before, which can loop for ever and overrun its stack; such images are refused.
bool LzwCodesAreSound(const Bytes& b, size_t at, uint32_t min_code_size) {
  if (min_code_size < 1 || min_code_size > 11) return false;
  constexpr uint32_t kMaxCodes = 1u << 12;
  const uint32_t clear = 1u << min_code_size, end = clear + 1;
  uint32_t code_size = min_code_size + 1, next = clear + 2;
  bool fresh = true;
  uint64_t bits = 0;  // bits not used yet, lowest first
  uint32_t count = 0;
  size_t block_left = 0;
  auto next_byte = [&](uint32_t& byte) {
    while (block_left == 0) {
      if (!b.Has(at, 1)) return false;
      block_left = b.U8(at++);
      if (block_left == 0) return false;  // the image data ends
    }
    if (!b.Has(at, 1)) return false;
    byte = b.U8(at++);
    --block_left;
    return true;
  };
  while (true) {
    while (count < code_size) {
      uint32_t byte = 0;
      if (!next_byte(byte)) return true;  // no whole code left: the image ends here
      bits |= uint64_t{byte} << count;
      count += 8;
    }
    const uint32_t code = static_cast<uint32_t>(bits & ((1u << code_size) - 1));
    bits >>= code_size;
    count -= code_size;
    if (code == clear) {
      code_size = min_code_size + 1;
      next = clear + 2;
      fresh = true;
      continue;
    }
    if (code == end) return true;
    if (fresh) {
      if (code > clear) return false;
      fresh = false;
      continue;
    }
    if (code > next) return false;
    if (next < kMaxCodes) {
      ++next;
      if (next == (1u << code_size) && code_size < 12) ++code_size;
    }
  }
}

std::optional<PictureHeader> Gif(const Bytes& b) {
  PictureHeader header;
  header.format = PictureFormat::kGif;
  header.images = 0;
  auto w = b.Le16(6), h = b.Le16(8);
  if (!w || !h || !b.Has(10, 3)) return std::nullopt;
  header.width = *w;
  header.height = *h;
  size_t at = 13;
  if (b.U8(10) & 0x80) at += 3u << ((b.U8(10) & 7) + 1);  // the global colour table
  // Every block up to the trailer: extensions are skipped, every image counted and measured.
  auto skip_sub_blocks = [&b](size_t& pos) {
    while (b.Has(pos, 1)) {
      const uint32_t n = b.U8(pos);
      pos += 1 + n;
      if (n == 0) return true;
    }
    return false;
  };
  while (b.Has(at, 1)) {
    const uint32_t kind = b.U8(at);
    if (kind == 0x3B) break;  // trailer
    if (kind == 0x21) {       // extension: label and its data
      at += 2;
      if (!skip_sub_blocks(at)) break;
    } else if (kind == 0x2C) {  // image descriptor
      auto left = b.Le16(at + 1), top = b.Le16(at + 3);
      auto iw = b.Le16(at + 5), ih = b.Le16(at + 7);
      if (!iw || !ih || !b.Has(at + 9, 1)) break;
      // The decoder makes nothing of an image without width or height and reads on from its
      // code size byte, through the image's data as if it were stray bytes: an image hidden
      // in that data is one this measure never sees. Such files are refused.
      if (*iw == 0 || *ih == 0) return std::nullopt;
      header.width = std::max<int64_t>(header.width, int64_t{*left} + *iw);
      header.height = std::max<int64_t>(header.height, int64_t{*top} + *ih);
      const uint32_t flags = b.U8(at + 9);
      at += 10;
      if (flags & 0x80) at += 3u << ((flags & 7) + 1);  // a local colour table
      if (!b.Has(at, 1)) break;
      const uint32_t min_code_size = b.U8(at);
      at += 1;
      ++header.images;
      if (!LzwCodesAreSound(b, at, min_code_size)) return std::nullopt;
      if (!skip_sub_blocks(at)) break;
    } else {
      ++at;  // a stray byte: the decoder skips it and looks for the next block
    }
  }
  if (header.images == 0) header.images = 1;
  return header;
}

std::optional<PictureHeader> Jpeg(const Bytes& b) {
  size_t at = 2;
  while (b.Has(at, 4)) {
    if (b.U8(at) != 0xFF) return std::nullopt;
    uint32_t marker = b.U8(at + 1);
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
      at += 2;
      continue;
    }
    if (marker == 0xD9 || marker == 0xDA) return std::nullopt;  // no frame before the data
    auto length = b.Be16(at + 2);
    if (!length || *length < 2) return std::nullopt;
    const bool frame =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      auto h = b.Be16(at + 5), w = b.Be16(at + 7);
      if (!h || !w) return std::nullopt;
      PictureHeader header;
      header.format = PictureFormat::kJpeg;
      header.width = *w;
      header.height = *h;
      return header;
    }
    at += 2 + *length;
  }
  return std::nullopt;
}

std::optional<PictureHeader> Icon(const Bytes& b) {
  auto count = b.Le16(4);
  if (!count || *count == 0) return std::nullopt;
  PictureHeader header;
  header.format = PictureFormat::kIcon;
  header.images = *count;
  for (uint32_t i = 0; i < *count; ++i) {
    const size_t entry = 6 + 16 * static_cast<size_t>(i);
    auto offset = b.Le32(entry + 12);
    if (!offset) return std::nullopt;
    header.width = std::max<int64_t>(header.width, b.U8(entry) == 0 ? 256 : b.U8(entry));
    header.height = std::max<int64_t>(header.height, b.U8(entry + 1) == 0 ? 256 : b.U8(entry + 1));
    // The image itself, a bitmap or a PNG, tells the size its decoder will use.
    std::optional<PictureHeader> inner = Png(b, *offset);
    if (!inner) inner = Dib(b, *offset);
    if (!inner) {
      // Nothing at all there fails to decode; a bitmap header cut short still decodes, its
      // missing bytes read as zeros, to a size no header claims: refused.
      if (*offset < b.size()) return std::nullopt;
      continue;
    }
    header.width = std::max(header.width, inner->width);
    header.height = std::max(header.height, inner->height);
  }
  return header;
}

}  // namespace

std::optional<PictureHeader> ReadPictureHeader(std::string_view bytes) {
  const Bytes b(bytes);
  if (b.StartsWith(0, "BM")) {
    auto header = Dib(b, 14);
    if (header) header->format = PictureFormat::kBmp;
    return header;
  }
  if (b.StartsWith(0, "GIF87a") || b.StartsWith(0, "GIF89a")) return Gif(b);
  if (b.StartsWith(0, "\x89PNG")) return Png(b, 0);
  if (b.StartsWith(0, "\xFF\xD8")) return Jpeg(b);
  if (b.StartsWith(0, std::string_view("\0\0\1\0", 4)) ||
      b.StartsWith(0, std::string_view("\0\0\2\0", 4))) {
    return Icon(b);
  }
  return std::nullopt;
}

bool IsDecodable(const PictureHeader& h) {
  if (h.width < 1 || h.height < 1 || h.width > kMaxPictureSide || h.height > kMaxPictureSide) {
    return false;
  }
  if (h.width * h.height > kMaxPicturePixels) return false;
  return h.images >= 1 && h.images <= kMaxAllImagesPixels / (h.width * h.height);
}

}  // namespace sw::platform
