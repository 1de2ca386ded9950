#include "vbsrunner/cp1252.h"

#include <cstdint>

namespace sw::vbsrunner {
namespace {

constexpr uint16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void PutUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char ch : s) {
    unsigned char c = static_cast<unsigned char>(ch);
    PutUtf8(out, c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : c);
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    uint32_t cp;
    size_t n;
    if (c < 0x80)
      cp = c, n = 1;
    else if ((c & 0xE0) == 0xC0)
      cp = c & 0x1F, n = 2;
    else if ((c & 0xF0) == 0xE0)
      cp = c & 0x0F, n = 3;
    else if ((c & 0xF8) == 0xF0)
      cp = c & 0x07, n = 4;
    else
      return std::string(s);
    if (i + n > s.size()) return std::string(s);
    for (size_t k = 1; k < n; ++k) {
      unsigned char cc = static_cast<unsigned char>(s[i + k]);
      if ((cc & 0xC0) != 0x80) return std::string(s);
      cp = (cp << 6) | (cc & 0x3F);
    }
    i += n;
    char b = '?';
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      b = static_cast<char>(cp);
    } else {
      for (int k = 0; k < 32; ++k)
        if (kHigh[k] == cp) b = static_cast<char>(0x80 + k);
    }
    out.push_back(b);
  }
  return out;
}

}  // namespace sw::vbsrunner
