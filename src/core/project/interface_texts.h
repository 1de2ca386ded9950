// The 61 interface texts (captions and messages a project may translate) and the standard
// error message built from them.
#pragma once

#include <array>
#include <string>

namespace sw {

class ValueReader;

class InterfaceTexts {
 public:
  static constexpr int kCount = 61;
  static constexpr int kTitleError = 29;

  // Entry n (0..60); an index outside the table gives an empty text.
  const std::string& operator[](int n) const;
  void Set(int n, std::string text);

  // Fills entries 1..51 with the built-in English texts: wording 0 speaks of a "program" and a
  // "file", wording 1 of a "game". Entries 52..60 keep what they hold.
  void SetDefaults(int wording);

  // Applies a "Texts" file: mode 0 or 1 sets the defaults of that wording, mode 2 sets wording
  // 0 and then the custom entries 1..n; any other mode changes nothing. Throws VbError when the
  // file cannot be read or holds more than 60 entries.
  void Load(ValueReader& reader);

  // Entry 30 + CR LF CR LF + entry 31 + detail: the text of every standard error message.
  std::string StandardErrorText(const std::string& detail) const;

 private:
  std::array<std::string, kCount> entries_{};
};

}  // namespace sw
