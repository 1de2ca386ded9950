// Conversion of game text between the author's ANSI code page and UTF-8. Game strings stay in
// the code page; UTF-8 is only for what is shown on screen, file names on disk and the dump.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace sw {

class TextCodec {
 public:
  static constexpr std::string_view kDefaultCodePage = "WINDOWS-1252";

  // Any code page name iconv knows ("WINDOWS-1252", "CP1251", "CP932" ...).
  // Throws std::invalid_argument for an unknown name.
  explicit TextCodec(std::string_view code_page = kDefaultCodePage);
  TextCodec(const TextCodec& other);
  TextCodec& operator=(const TextCodec& other);
  TextCodec(TextCodec&&) noexcept;
  TextCodec& operator=(TextCodec&&) noexcept;
  ~TextCodec();

  static bool IsKnown(std::string_view code_page);
  const std::string& code_page() const { return code_page_; }

  // Bytes that are no character of the code page become U+FFFD.
  std::string ToUtf8(std::string_view bytes) const;
  // Invalid UTF-8 and characters the code page lacks become '?'.
  std::string FromUtf8(std::string_view utf8) const;
  // The same conversions, but nothing when any byte would have to be replaced.
  std::optional<std::string> TryToUtf8(std::string_view bytes) const;
  std::optional<std::string> TryFromUtf8(std::string_view utf8) const;

 private:
  struct Handles;  // the two open conversion descriptors
  std::string code_page_;
  std::unique_ptr<Handles> handles_;
};

}  // namespace sw
