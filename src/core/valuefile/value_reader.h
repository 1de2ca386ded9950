// Reader of the project value files: comma- and line-separated values as the original's
// sequential output wrote them, read one at a time into typed variables, failing the way the
// original's reads failed. Files are decoded from the game's code page when read; the text
// here is UTF-8.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/code_page.h"
#include "variant/variant.h"

namespace sw {

class ValueReader {
 public:
  // The value that ends records in several project files.
  static constexpr std::string_view kSeparator = "----- SEPARATOR -----";

  explicit ValueReader(std::string utf8);
  // Reads a whole file (a path already resolved) of at most kMaxProjectFileBytes and decodes
  // it. VbError 53 when it is missing or a folder, 70 when it cannot be read, 75 when it is
  // no regular file (a device, a pipe), 7 when it is too large.
  static ValueReader FromFile(const std::filesystem::path& resolved, const CodePage& page);
  // The file's bytes as they are, for files that are decoded later (scrambled procedures);
  // the same checks and errors.
  static ValueReader FromFileBytes(const std::filesystem::path& resolved);

  // True when no more value can be read (like EOF on the open file).
  bool AtEnd() const;
  // True when the next value is the separator, or at the end of the file; consumes nothing.
  bool IsSeparatorNext() const;

  // Every read throws VbError 62 "Input past end of file" at the end.
  // Quoted text as stored; a bare value as written ("12", "True" for #TRUE#).
  std::string ReadString();
  // Numbers round half to even; out of range is 6 Overflow, text is 13 Type mismatch,
  // #TRUE# is -1, #FALSE# and an empty value are 0, #NULL# is 94 Invalid use of Null.
  int16_t ReadInteger();
  int32_t ReadLong();
  // #TRUE#, #FALSE#, "True"/"False" in any case, or a number (not 0 is True).
  bool ReadBoolean();
  double ReadDouble();
  float ReadSingle();
  // Keeps the stored type: quoted -> String, #TRUE#/#FALSE# -> Boolean, empty -> Empty,
  // #NULL# -> Null, #date# -> Date, #ERROR n# -> Error, a bare number -> Integer when whole
  // and within 16 bits, else Long when whole and within 32 bits, else Double; other bare
  // text -> String.
  Variant ReadVariant();
  // Reads one value of any type and throws it away.
  void Skip();

  // The 1-based line on which the next value starts (the last line at the end), so that a
  // report can point at the value about to be read.
  int NextLine() const;

 private:
  struct Field {
    std::string_view text;
    bool quoted;
  };
  // The field at pos; moves pos past it and its terminator.
  Field FieldAt(size_t& pos) const;
  Field Take() { return FieldAt(pos_); }
  double NumberOf(const Field& field) const;

  std::string bytes_;
  size_t pos_ = 0;
  // NextLine counts line ends from where it last stopped.
  mutable size_t counted_to_ = 0;
  mutable int lines_before_ = 0;
};

}  // namespace sw
