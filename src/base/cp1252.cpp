#include "base/cp1252.h"

#include "base/code_page.h"
#include "base/utf.h"

namespace sw {
namespace {

// UTF-16 code units of Windows-1252 bytes 0x80..0x9F.
constexpr uint16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

uint16_t UnitOf1252(unsigned char c) {
  return c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : c;
}

char ByteOf1252(uint16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == unit) return static_cast<char>(0x80 + i);
  return '?';
}

unsigned char FoldCase1252(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  switch (c) {
    case 0x8A:
      return 0x9A;
    case 0x8C:
      return 0x9C;
    case 0x8E:
      return 0x9E;
    case 0x9F:
      return 0xFF;
    default:
      return c;
  }
}

unsigned char UpperCase1252(unsigned char c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  switch (c) {
    case 0x9A:
      return 0x8A;
    case 0x9C:
      return 0x8C;
    case 0x9E:
      return 0x8E;
    case 0xFF:
      return 0x9F;
    default:
      return c;
  }
}

std::string FoldCase1252(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = static_cast<char>(FoldCase1252(static_cast<unsigned char>(c)));
  return r;
}

}  // namespace sw

namespace sw {
namespace {

class Windows1252Page final : public CodePage {
 public:
  std::u16string Decode(std::string_view bytes) const override {
    std::u16string out(bytes.size(), u'\0');
    for (size_t i = 0; i < bytes.size(); ++i)
      out[i] = UnitOf1252(static_cast<unsigned char>(bytes[i]));
    return out;
  }
  std::string Encode(std::u16string_view text) const override {
    std::string out(text.size(), '?');
    for (size_t i = 0; i < text.size(); ++i) out[i] = ByteOf1252(text[i]);
    return out;
  }
};

}  // namespace

std::string CodePage::ToUtf8(std::string_view bytes) const {
  return Utf16ToUtf8(Decode(bytes));
}

std::string CodePage::FromUtf8(std::string_view utf8) const {
  return Encode(Utf8ToUtf16(utf8));
}

const CodePage& Windows1252() {
  static const Windows1252Page page;
  return page;
}

}  // namespace sw
