#include "platform/system/case_folder.h"

#include <iconv.h>
#include <locale.h>
#include <wctype.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace sw {
namespace {

struct CodePageBytes {
  std::array<char32_t, 256> chars{};  // 0 for bytes that are no character by themselves
  std::array<bool, 256> lead{};       // bytes that start a longer sequence
};

// Decodes every single byte of a code page; false when iconv does not know it.
bool DecodeBytes(std::string_view code_page, CodePageBytes& out) {
  iconv_t cd = iconv_open("UTF-32LE", std::string(code_page).c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  for (int b = 0; b < 256; ++b) {
    char in = static_cast<char>(b);
    char* inp = &in;
    size_t inleft = 1;
    uint8_t buf[16] = {};
    char* outp = reinterpret_cast<char*>(buf);
    size_t outleft = sizeof buf;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    size_t r = iconv(cd, &inp, &inleft, &outp, &outleft);
    if (r == static_cast<size_t>(-1)) {
      out.lead[b] = errno == EINVAL;
      continue;
    }
    if (sizeof buf - outleft == 4) {
      out.chars[b] = static_cast<char32_t>(buf[0] | buf[1] << 8 | buf[2] << 16 | buf[3] << 24);
    }
  }
  iconv_close(cd);
  return true;
}

// Wildcard match of already folded texts.
bool MatchFolded(std::string_view pattern, std::string_view name) {
  // Greedy match with one backtrack point: the most recent '*'.
  size_t p = 0, n = 0;
  size_t star = std::string_view::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++p;
      ++n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

CaseFolder::CaseFolder(std::string_view code_page) {
  for (int b = 0; b < 256; ++b) {
    table_[b] = static_cast<unsigned char>(b >= 'a' && b <= 'z' ? b - 'a' + 'A' : b);
  }
  CodePageBytes bytes;
  if (!DecodeBytes(code_page, bytes)) return;
  lead_ = bytes.lead;
  multibyte_ = std::find(lead_.begin(), lead_.end(), true) != lead_.end();
  if (multibyte_) return;
  locale_t loc = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
  if (loc == static_cast<locale_t>(nullptr)) return;
  for (int b = 0x80; b < 256; ++b) {
    if (bytes.chars[b] == 0) continue;
    auto upper = static_cast<char32_t>(towupper_l(static_cast<wint_t>(bytes.chars[b]), loc));
    if (upper == bytes.chars[b]) continue;
    for (int u = 0x80; u < 256; ++u) {
      if (bytes.chars[u] == upper) {
        table_[b] = static_cast<unsigned char>(u);
        break;
      }
    }
  }
  freelocale(loc);
}

std::string CaseFolder::Fold(std::string_view text) const {
  std::string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    auto b = static_cast<unsigned char>(out[i]);
    if (multibyte_ && lead_[b]) {
      ++i;  // the second byte of a two-byte character stays as it is
      continue;
    }
    out[i] = static_cast<char>(table_[b]);
  }
  return out;
}

bool CaseFolder::Equal(std::string_view a, std::string_view b) const {
  if (a.size() != b.size()) return false;
  if (multibyte_) return Fold(a) == Fold(b);
  for (size_t i = 0; i < a.size(); ++i) {
    if (table_[static_cast<unsigned char>(a[i])] != table_[static_cast<unsigned char>(b[i])]) {
      return false;
    }
  }
  return true;
}

bool CaseFolder::Less(std::string_view a, std::string_view b) const {
  std::string fa = Fold(a), fb = Fold(b);
  if (fa != fb) return fa < fb;
  return a < b;
}

bool CaseFolder::Matches(std::string_view pattern, std::string_view name) const {
  return MatchesFolded(Fold(pattern), Fold(name));
}

bool CaseFolder::MatchesFolded(std::string_view pattern, std::string_view name) {
  if (MatchFolded(pattern, name)) return true;
  if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
      name.find('.') == name.npos) {
    return MatchFolded(pattern.substr(0, pattern.size() - 2), name);
  }
  return false;
}

}  // namespace sw
