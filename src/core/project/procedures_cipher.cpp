#include "core/project/procedures_cipher.h"

#include <array>
#include <stdexcept>

namespace sw {

namespace {

constexpr char kKey[] = "qarvimlotpeshnukbwaxz";
constexpr int kKeyLength = 21;

// Entry j is the code of the key's character j, less 32.
constexpr std::array<int32_t, kKeyLength> MakeKeyTable() {
  std::array<int32_t, kKeyLength> table{};
  for (int j = 0; j < kKeyLength; ++j) table[static_cast<size_t>(j)] = kKey[j] - 32;
  return table;
}
constexpr auto kKeyTable = MakeKeyTable();

int32_t Shift(int32_t i, int32_t start, int16_t nameSum) {
  return (i + start) * kKeyTable[static_cast<size_t>(i % kKeyLength)] + nameSum;
}

int32_t Mod94(int64_t value) {
  int64_t r = value % 94;
  if (r < 0) r += 94;
  return static_cast<int32_t>(r);
}

}  // namespace

int16_t ProjectNameSum(const std::string& settingsSection) {
  int16_t sum = 0;
  for (unsigned char c : settingsSection) {
    const int32_t next = sum + static_cast<int32_t>(c);
    if (next > INT16_MAX) continue;  // this addition would overflow: skipped
    sum = static_cast<int16_t>(next);
  }
  return sum;
}

std::string UnscrambleLine(const std::string& line, int16_t nameSum) {
  if (line.empty()) return "";
  const auto n = static_cast<int32_t>(line.size());
  const int32_t start = static_cast<unsigned char>(line[0]) - 32;
  std::string out;
  out.reserve(line.size() - 1);
  for (int32_t i = 0; i <= n - 2; ++i) {
    // Position n - i counted from 1: the characters from the last back to the second.
    int32_t c = static_cast<unsigned char>(line[static_cast<size_t>(n - i - 1)]);
    // The cipher works modulo 94 on the codes 32 to 125, so '~' would come back as a blank.
    if (c == 126) throw std::invalid_argument("'~' cannot be stored in scrambled procedures");
    if (c >= 32 && c <= 126) {
      const int64_t t = static_cast<int64_t>(Shift(i, start, nameSum));
      c = Mod94(static_cast<int64_t>(c) - 32 - t) + 32;
    }
    out.push_back(static_cast<char>(c));
  }
  return out;
}

std::string ScrambleLine(const std::string& text, int16_t nameSum, char first) {
  const int32_t start = static_cast<unsigned char>(first) - 32;
  // Output character i (0-based) of the unscrambled text lies at position n - i from the
  // start, so the stored characters after the first are the text reversed and shifted.
  std::string stored(text.size() + 1, ' ');
  stored[0] = first;
  const size_t n = stored.size();
  for (size_t i = 0; i < text.size(); ++i) {
    int32_t c = static_cast<unsigned char>(text[i]);
    // The cipher works modulo 94 on the codes 32 to 125, so '~' would come back as a blank.
    if (c == 126) throw std::invalid_argument("'~' cannot be stored in scrambled procedures");
    if (c >= 32 && c <= 126) {
      const int64_t t = static_cast<int64_t>(Shift(static_cast<int32_t>(i), start, nameSum));
      c = Mod94(static_cast<int64_t>(c) - 32 + t) + 32;
    }
    stored[n - 1 - i] = static_cast<char>(c);
  }
  return stored;
}

}  // namespace sw
