#include "platform/system/private_profile.h"

#include <deque>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/system/file_io.h"
#include "platform/system/ini_document.h"

namespace sw {
namespace {

// Lines with their line end. A line end byte is never part of a double-byte character, so
// ANSI bytes split as safely as UTF-8 text.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    end = end == std::string_view::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, end - start));
    start = end;
  }
  return lines;
}

// The changed document in the code page, every line the change left alone in the bytes it had
// before, as the Windows profile functions keep them. Encoding the decoded text again would
// not always give them back: bytes no character stands for, and characters the code page has
// twice (some of code page 932), come back different.
std::string EncodeKeepingLines(std::string_view before, std::string_view after_utf8,
                               const TextCodec& codec) {
  std::unordered_map<std::string, std::deque<std::string_view>> original;
  for (std::string_view line : SplitLines(before)) original[codec.ToUtf8(line)].push_back(line);
  std::string out;
  for (std::string_view line : SplitLines(after_utf8)) {
    auto it = original.find(std::string(line));
    if (it != original.end() && !it->second.empty()) {
      out += it->second.front();
      it->second.pop_front();
    } else {
      out += codec.FromUtf8(line);
    }
  }
  return out;
}

}  // namespace

std::optional<std::string> PrivateProfile::ReadText(const std::filesystem::path& resolved) const {
  std::optional<std::string> bytes = ReadFileBytes(resolved, kMaxIniFileBytes);
  if (!bytes) return std::nullopt;
  return resolver_.codec().ToUtf8(*bytes);
}

std::string PrivateProfile::Read(std::string_view file, std::string_view section,
                                 std::string_view key, std::string_view default_value) const {
  size_t end = default_value.find_last_not_of(' ');
  std::string fallback(end == default_value.npos ? std::string_view()
                                                 : default_value.substr(0, end + 1));
  std::optional<std::string> text = ReadText(resolver_.Resolve(file));
  if (!text) return fallback;
  return IniDocument(*text, resolver_.case_folder()).Get(section, key).value_or(fallback);
}

void PrivateProfile::Write(std::string_view file, std::string_view section, std::string_view key,
                           std::string_view value) {
  std::filesystem::path resolved = resolver_.Resolve(file);
  const std::string before = ReadFileBytes(resolved).value_or(std::string());
  IniDocument document(resolver_.codec().ToUtf8(before), resolver_.case_folder());
  document.Set(section, key, value);
  WriteFileAtomically(resolved, EncodeKeepingLines(before, document.bytes(), resolver_.codec()));
  resolver_.NoteWritten(resolved);
}

void PrivateProfile::Remove(std::string_view file, std::string_view section, std::string_view key) {
  std::filesystem::path resolved = resolver_.Resolve(file);
  const std::optional<std::string> before = ReadFileBytes(resolved);
  if (!before) return;
  IniDocument document(resolver_.codec().ToUtf8(*before), resolver_.case_folder());
  if (!document.Remove(section, key)) return;
  WriteFileAtomically(resolved, EncodeKeepingLines(*before, document.bytes(), resolver_.codec()));
  resolver_.NoteWritten(resolved);
}

std::vector<std::string> PrivateProfile::Keys(std::string_view file,
                                              std::string_view section) const {
  std::optional<std::string> text = ReadText(resolver_.Resolve(file));
  if (!text) return {};
  return IniDocument(*text, resolver_.case_folder()).Keys(section);
}

}  // namespace sw
