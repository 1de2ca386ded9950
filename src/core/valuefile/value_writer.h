// Writer of the project value files (saved games, the authoring library): the same format
// the reader takes, values of a line separated by commas, lines ending in CR LF. Text is
// UTF-8 here and encoded into the game's code page when the file is saved.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/code_page.h"
#include "variant/variant.h"

namespace sw {

class PathResolver;

class ValueWriter {
 public:
  // Text in double quotes. The format has no escape: text holding a
  // double quote cannot be read back whole (project files store script quotes as "|").
  ValueWriter& String(std::string_view text);
  ValueWriter& Integer(int16_t value);
  ValueWriter& Long(int32_t value);
  ValueWriter& Boolean(bool value);   // #TRUE# / #FALSE#
  ValueWriter& Double(double value);  // shortest text that reads back exactly
  // Any variant: Empty writes an empty field, Null #NULL#, dates #yyyy-mm-dd hh:mm:ss#,
  // errors #ERROR n#, objects their default value. Arrays throw VbError 13.
  ValueWriter& Value(const Variant& value);
  ValueWriter& EndLine();

  // The text so far (UTF-8).
  const std::string& bytes() const { return bytes_; }
  // Writes the file atomically in the code page. Throws VbError (76, 70, 61 ...) when it
  // cannot.
  void SaveTo(const std::filesystem::path& resolved, const CodePage& page = Windows1252()) const;
  // The same in the resolver's code page, and tells the resolver that the folder changed.
  void SaveTo(const std::filesystem::path& resolved, PathResolver& resolver) const;

 private:
  void BeginField();

  std::string bytes_;
  bool line_started_ = false;
};

}  // namespace sw
