// A Windows ANSI code page as the script engine and the game files need it: bytes to UTF-16
// and back, and which bytes start a two-byte character. Windows-1252 is built in; other code
// pages come from the platform layer.
#pragma once

#include <string>
#include <string_view>

namespace sw {

class CodePage {
 public:
  virtual ~CodePage() = default;
  // Bytes that are no character of the code page become U+FFFD.
  virtual std::u16string Decode(std::string_view bytes) const = 0;
  // Characters the code page lacks become '?'.
  virtual std::string Encode(std::u16string_view text) const = 0;
  // True for the first byte of a two-byte character (double-byte code pages only).
  virtual bool IsLeadByte(unsigned char) const { return false; }
  // The same conversions to and from the program's UTF-8.
  virtual std::string ToUtf8(std::string_view bytes) const;
  virtual std::string FromUtf8(std::string_view utf8) const;
};

// The western code page every game uses unless it says otherwise.
const CodePage& Windows1252();

}  // namespace sw
