#include "platform/system/private_profile.h"

#include "platform/system/file_io.h"
#include "platform/system/ini_document.h"

namespace sw {

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
  IniDocument document(ReadText(resolved).value_or(std::string()), resolver_.case_folder());
  document.Set(section, key, value);
  WriteFileAtomically(resolved, resolver_.codec().FromUtf8(document.bytes()));
  resolver_.NoteWritten(resolved);
}

void PrivateProfile::Remove(std::string_view file, std::string_view section, std::string_view key) {
  std::filesystem::path resolved = resolver_.Resolve(file);
  std::optional<std::string> text = ReadText(resolved);
  if (!text) return;
  IniDocument document(*text, resolver_.case_folder());
  if (!document.Remove(section, key)) return;
  WriteFileAtomically(resolved, resolver_.codec().FromUtf8(document.bytes()));
  resolver_.NoteWritten(resolved);
}

std::vector<std::string> PrivateProfile::Keys(std::string_view file,
                                              std::string_view section) const {
  std::optional<std::string> text = ReadText(resolver_.Resolve(file));
  if (!text) return {};
  return IniDocument(*text, resolver_.case_folder()).Keys(section);
}

}  // namespace sw
