#include "scripting/vbscript/lib_text.h"

#include "variant/case_fold.h"

namespace sw::vbs::lib {
namespace {

// UTF-16 code units of Windows-1252 bytes 0x80..0x9F; the other bytes are their own unit.
constexpr uint16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool Same(std::string_view hay, size_t at, std::string_view needle, bool text) {
  for (size_t i = 0; i < needle.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(hay[at + i]);
    unsigned char y = static_cast<unsigned char>(needle[i]);
    if (x != y && (!text || FoldByte(x) != FoldByte(y))) return false;
  }
  return true;
}

}  // namespace

unsigned char FoldByte(unsigned char c) {
  return FoldCase1252(c);
}

std::string FoldText(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = static_cast<char>(FoldByte(static_cast<unsigned char>(c)));
  return r;
}

size_t FindText(std::string_view hay, std::string_view needle, size_t from, bool text) {
  if (!text) return hay.find(needle, from);
  if (needle.size() > hay.size()) return std::string_view::npos;
  for (size_t i = from; i + needle.size() <= hay.size(); ++i)
    if (Same(hay, i, needle, true)) return i;
  return std::string_view::npos;
}

size_t FindTextBackward(std::string_view hay, std::string_view needle, size_t end, bool text) {
  if (end > hay.size()) end = hay.size();
  if (needle.size() > end) return std::string_view::npos;
  for (size_t i = end - needle.size() + 1; i-- > 0;)
    if (Same(hay, i, needle, text)) return i;
  return std::string_view::npos;
}

uint16_t UnitOfByte(unsigned char c) {
  return c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : c;
}

char ByteOfUnit(uint16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == unit) return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace sw::vbs::lib
