// Conversion of game text between the author's ANSI code page and the program's UTF-8 (and the
// script engine's UTF-16): game files are decoded once when read and encoded once when written.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/code_page.h"

namespace sw {

class TextCodec final : public CodePage {
 public:
  static constexpr std::string_view kDefaultCodePage = "WINDOWS-1252";

  // Any code page name iconv knows ("WINDOWS-1252", "CP1251", "CP932" ...).
  // Throws std::invalid_argument for an unknown name.
  explicit TextCodec(std::string_view code_page = kDefaultCodePage);
  TextCodec(const TextCodec& other);
  TextCodec& operator=(const TextCodec& other);
  TextCodec(TextCodec&&) noexcept;
  TextCodec& operator=(TextCodec&&) noexcept;
  ~TextCodec() override;

  static bool IsKnown(std::string_view code_page);
  const std::string& code_page() const { return code_page_; }

  // Bytes that are no character of the code page become U+FFFD.
  std::string ToUtf8(std::string_view bytes) const override;
  // Invalid UTF-8 and characters the code page lacks become '?'.
  std::string FromUtf8(std::string_view utf8) const override;
  // The same conversions, but nothing when any byte would have to be replaced.
  std::optional<std::string> TryToUtf8(std::string_view bytes) const;
  std::optional<std::string> TryFromUtf8(std::string_view utf8) const;

  std::u16string Decode(std::string_view bytes) const override;
  std::string Encode(std::u16string_view text) const override;
  bool IsLeadByte(unsigned char b) const override { return lead_[b]; }

 private:
  struct Handles;  // the two open conversion descriptors
  std::string code_page_;
  std::unique_ptr<Handles> handles_;
  std::array<bool, 256> lead_{};
};

}  // namespace sw
