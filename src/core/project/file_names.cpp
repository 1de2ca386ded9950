#include "core/project/file_names.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "base/ascii.h"

namespace sw {

std::string FileTitle(const std::string& path) {
  const size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string AlternateExtension(const std::string& path) {
  static constexpr struct {
    const char* extension;
    const char* twin;
  } kTwins[] = {{".ico", ".002"}, {".cur", ".003"}, {".bmp", ".004"}, {".jpg", ".005"},
                {".gif", ".006"}, {".wmf", ".007"}, {".emf", ".008"}, {".wav", ".010"},
                {".mid", ".011"}, {".mp3", ".012"}, {".avi", ".014"}, {".wma", ".016"}};
  if (path.size() < 4) return path;
  const std::string tail = LowerAscii(path.substr(path.size() - 4));
  for (const auto& t : kTwins) {
    if (tail == t.extension) return path.substr(0, path.size() - 4) + t.twin;
  }
  return path;
}

double ValOf(const std::string& text) {
  size_t i = text.find_first_not_of(" \t");
  if (i == std::string::npos) return 0;
  if (text.size() > i + 2 && text[i] == '&' && (text[i + 1] == 'H' || text[i + 1] == 'h')) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str() + i + 2, &end, 16);
    return static_cast<double>(value);
  }
  const char lead = text[i];
  if (!std::isdigit(static_cast<unsigned char>(lead)) && lead != '-' && lead != '+' &&
      lead != '.') {
    return 0;  // no "inf", "nan" or other words
  }
  const char* start = text.c_str() + i;
  char* end = nullptr;
  const double value = std::strtod(start, &end);
  if (end == start) return 0;
  return value;
}

std::string UnescapeScriptText(const std::string& text) {
  std::string out = text;
  std::replace(out.begin(), out.end(), '|', '"');
  return out;
}

}  // namespace sw
