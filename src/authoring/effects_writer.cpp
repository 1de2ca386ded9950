#include "authoring/effects_writer.h"

#include <cstdlib>
#include <limits>
#include <map>
#include <stdexcept>

#include "core/valuefile/value_writer.h"

namespace sw {

namespace {

constexpr int kTransparentIndex = 255;
constexpr int kCodeSize = 8;  // every index is a literal 8-bit code
constexpr int kClear = 1 << kCodeSize;
constexpr int kEnd = kClear + 1;

void Word(std::string& out, int value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

// Writes 9-bit codes into GIF sub-blocks.
class CodeStream {
 public:
  void Put(int code) {
    bits_ |= static_cast<uint32_t>(code) << count_;
    count_ += kCodeSize + 1;
    while (count_ >= 8) {
      Byte(static_cast<char>(bits_ & 0xFF));
      bits_ >>= 8;
      count_ -= 8;
    }
  }
  std::string Finish() {
    if (count_ > 0) Byte(static_cast<char>(bits_ & 0xFF));
    if (!block_.empty()) Flush();
    data_.push_back('\0');
    return data_;
  }

 private:
  void Byte(char b) {
    block_.push_back(b);
    if (block_.size() == 255) Flush();
  }
  void Flush() {
    data_.push_back(static_cast<char>(block_.size()));
    data_ += block_;
    block_.clear();
  }
  uint32_t bits_ = 0;
  int count_ = 0;
  std::string block_;
  std::string data_;
};

// The image's pixels as indices into a palette of at most 255 colours.
struct IndexedImage {
  std::vector<uint32_t> palette;
  std::vector<uint8_t> indices;
  bool transparent = false;
};

IndexedImage Index(int width, int height, const GifImage& image) {
  IndexedImage out;
  std::map<uint32_t, uint8_t> known;
  out.indices.reserve(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t p = image.pixel(x, y);
      if (p == kGifTransparent) {
        out.transparent = true;
        out.indices.push_back(kTransparentIndex);
        continue;
      }
      const uint32_t rgb = p & 0xFFFFFFu;
      auto it = known.find(rgb);
      if (it == known.end()) {
        if (out.palette.size() < kTransparentIndex) {
          it = known.emplace(rgb, static_cast<uint8_t>(out.palette.size())).first;
          out.palette.push_back(rgb);
        } else {
          // The nearest colour already in the palette.
          int best = 0;
          long bestDistance = std::numeric_limits<long>::max();
          for (size_t i = 0; i < out.palette.size(); ++i) {
            long d = 0;
            for (int shift : {0, 8, 16}) {
              const long c = static_cast<long>((rgb >> shift) & 0xFF) -
                             static_cast<long>((out.palette[i] >> shift) & 0xFF);
              d += c * c;
            }
            if (d < bestDistance) bestDistance = d, best = static_cast<int>(i);
          }
          it = known.emplace(rgb, static_cast<uint8_t>(best)).first;
        }
      }
      out.indices.push_back(it->second);
    }
  }
  return out;
}

}  // namespace

void WriteRipplingWater(const ProjectWriter& project, const std::string& frame,
                        const RipplingWaterSpec& water) {
  ValueWriter w;
  // Six values the player skips: the editor's own record of the effect.
  w.String("RipplingWater").Integer(1).Integer(0).Integer(0).Integer(0).Integer(0);
  w.Integer(water.Left).Integer(water.Top).Integer(water.Width).Integer(water.Height);
  w.Integer(water.WaveLevel).Integer(water.WaveSpeed);
  if (water.Reverse) w.Boolean(*water.Reverse);
  w.EndLine();
  project.WriteRaw("Frames/" + frame + ".rwe", w.bytes());
}

std::string MakeAnimatedGif(int width, int height, const std::vector<GifImage>& images) {
  if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF || images.empty()) {
    throw std::invalid_argument("an animated GIF needs a size and at least one image");
  }
  std::string out = "GIF89a";
  Word(out, width);
  Word(out, height);
  out += std::string("\x00\x00\x00", 3);  // no global colour table
  // Loop for ever.
  out += std::string("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
  for (const GifImage& image : images) {
    const IndexedImage indexed = Index(width, height, image);
    out += std::string("\x21\xF9\x04", 3);
    out.push_back(static_cast<char>(((image.disposal & 7) << 2) | (indexed.transparent ? 1 : 0)));
    Word(out, image.delay_cs);
    out.push_back(static_cast<char>(kTransparentIndex));
    out.push_back('\0');
    out.push_back('\x2C');
    Word(out, 0);
    Word(out, 0);
    Word(out, width);
    Word(out, height);
    out.push_back(static_cast<char>(0x80 | (kCodeSize - 1)));  // local table of 256 colours
    for (int i = 0; i < 256; ++i) {
      const uint32_t c = i < static_cast<int>(indexed.palette.size()) ? indexed.palette[i] : 0;
      out.push_back(static_cast<char>((c >> 16) & 0xFF));
      out.push_back(static_cast<char>((c >> 8) & 0xFF));
      out.push_back(static_cast<char>(c & 0xFF));
    }
    out.push_back(static_cast<char>(kCodeSize));
    // Literal codes only, with a clear code before the decoder's table would need wider
    // codes: larger than a compressed file, but simple and valid.
    CodeStream codes;
    codes.Put(kClear);
    int sinceClear = 0;
    for (uint8_t index : indexed.indices) {
      if (sinceClear == 250) {
        codes.Put(kClear);
        sinceClear = 0;
      }
      codes.Put(index);
      ++sinceClear;
    }
    codes.Put(kEnd);
    out += codes.Finish();
  }
  out.push_back('\x3B');
  return out;
}

}  // namespace sw
