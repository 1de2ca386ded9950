#include "core/valuefile/value_reader.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "base/vb_error.h"
#include "platform/system/file_io.h"

namespace sw {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

// Skips the comma or line end that ends a field (CR LF, LF or CR count as one line end).
void SkipTerminator(std::string_view bytes, size_t& pos) {
  if (pos >= bytes.size()) return;
  if (bytes[pos] == ',') {
    ++pos;
  } else if (bytes[pos] == '\r') {
    ++pos;
    if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
  } else if (bytes[pos] == '\n') {
    ++pos;
  }
}

// A bare "#...#" value: booleans, Null, dates and error values.
bool IsHashValue(std::string_view text) {
  return text.size() >= 2 && text.front() == '#' && text.back() == '#';
}

std::string_view HashInner(std::string_view text) {
  return text.substr(1, text.size() - 2);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

double Rounded(double value, double min, double max) {
  double rounded = RoundHalfEven(value);
  if (!(rounded >= min && rounded <= max)) throw VbError(vberr::kOverflow);
  return rounded;
}

// The number of an "#ERROR n#" value; 6 Overflow beyond the 32-bit range.
std::optional<int32_t> ErrorCodeOf(std::string_view inner) {
  if (inner.size() < 6 || !EqualsNoCase(inner.substr(0, 6), "ERROR ")) return std::nullopt;
  auto number = ParseNumber(inner.substr(6));
  if (!number) return std::nullopt;
  return static_cast<int32_t>(Rounded(*number, -2147483648.0, 2147483647.0));
}

// A number of the file as the script language reads it. Numbers too large for a Double are
// 6 Overflow; anything else that is no number gives nothing.
std::optional<double> NumberIn(std::string_view text) {
  if (auto number = ParseNumber(text)) return number;
  size_t first = text.find_first_not_of(" \t");
  size_t last = text.find_last_not_of(" \t");
  if (first == text.npos) return std::nullopt;
  std::string_view trimmed = text.substr(first, last - first + 1);
  if (trimmed.front() == '+') trimmed.remove_prefix(1);
  double value = 0;
  auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
  if (error == std::errc::result_out_of_range && end == trimmed.data() + trimmed.size()) {
    throw VbError(vberr::kOverflow);
  }
  return std::nullopt;
}

}  // namespace

ValueReader::ValueReader(std::string bytes) : bytes_(std::move(bytes)) {}

ValueReader ValueReader::FromFileBytes(const std::filesystem::path& resolved) {
  // A folder where a project file should be counts as a missing file.
  std::error_code ec;
  if (std::filesystem::is_directory(resolved, ec)) throw VbError(vberr::kFileNotFound);
  return ValueReader(ReadRegularFile(resolved, kMaxProjectFileBytes));
}

ValueReader ValueReader::FromFile(const std::filesystem::path& resolved, const CodePage& page) {
  ValueReader reader = FromFileBytes(resolved);
  reader.bytes_ = page.ToUtf8(reader.bytes_);
  return reader;
}

bool ValueReader::AtEnd() const {
  return pos_ >= bytes_.size();
}

ValueReader::Field ValueReader::FieldAt(size_t& pos) const {
  std::string_view bytes(bytes_);
  if (pos >= bytes.size()) throw VbError(vberr::kInputPastEnd);
  while (pos < bytes.size() && IsBlank(bytes[pos])) ++pos;
  Field field{{}, false};
  if (pos < bytes.size() && bytes[pos] == '"') {
    // Everything up to the next double quote, line breaks and commas included; whatever
    // follows up to the end of the field is ignored.
    size_t close = bytes.find('"', pos + 1);
    if (close == bytes.npos) close = bytes.size();
    field = Field{bytes.substr(pos + 1, close - pos - 1), true};
    pos = std::min(close + 1, bytes.size());
    while (pos < bytes.size() && bytes[pos] != ',' && !IsLineEnd(bytes[pos])) ++pos;
  } else {
    size_t start = pos;
    while (pos < bytes.size() && bytes[pos] != ',' && !IsLineEnd(bytes[pos])) ++pos;
    size_t end = pos;
    while (end > start && IsBlank(bytes[end - 1])) --end;
    field = Field{bytes.substr(start, end - start), false};
  }
  SkipTerminator(bytes, pos);
  return field;
}

int ValueReader::NextLine() const {
  std::string_view bytes(bytes_);
  size_t start = pos_;
  while (start < bytes.size() && IsBlank(bytes[start])) ++start;
  if (start < counted_to_) {
    counted_to_ = 0;
    lines_before_ = 0;
  }
  for (size_t i = counted_to_; i < start; ++i) {
    // CR LF, LF and CR each end one line.
    if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) {
      ++lines_before_;
    }
  }
  counted_to_ = start;
  // At the end, a final line end does not open another line.
  if (start == bytes.size() && start > 0 && IsLineEnd(bytes[start - 1])) return lines_before_;
  return lines_before_ + 1;
}

bool ValueReader::IsSeparatorNext() const {
  if (AtEnd()) return true;
  size_t pos = pos_;
  return FieldAt(pos).text == kSeparator;
}

std::string ValueReader::ReadString() {
  Field field = Take();
  if (!field.quoted && IsHashValue(field.text)) {
    std::string_view inner = HashInner(field.text);
    if (EqualsNoCase(inner, "TRUE")) return "True";
    if (EqualsNoCase(inner, "FALSE")) return "False";
    if (EqualsNoCase(inner, "NULL")) return std::string();
    if (auto code = ErrorCodeOf(inner)) return "Error " + std::to_string(*code);
    return std::string(inner);
  }
  return std::string(field.text);
}

double ValueReader::NumberOf(const Field& field) const {
  if (!field.quoted && IsHashValue(field.text)) {
    std::string_view inner = HashInner(field.text);
    if (EqualsNoCase(inner, "TRUE")) return -1;
    if (EqualsNoCase(inner, "FALSE")) return 0;
    if (EqualsNoCase(inner, "NULL"))
      throw VbError(vberr::kInvalidUseOfNull);  // Invalid use of Null
    if (auto serial = ParseDate(inner)) return *serial;
    throw VbError(vberr::kTypeMismatch);
  }
  if (field.text.find_first_not_of(" \t") == std::string_view::npos) return 0;
  std::optional<double> number = NumberIn(field.text);
  if (!number) throw VbError(vberr::kTypeMismatch);
  return *number;
}

int16_t ValueReader::ReadInteger() {
  return static_cast<int16_t>(Rounded(NumberOf(Take()), -32768.0, 32767.0));
}

int32_t ValueReader::ReadLong() {
  return static_cast<int32_t>(Rounded(NumberOf(Take()), -2147483648.0, 2147483647.0));
}

bool ValueReader::ReadBoolean() {
  Field field = Take();
  if (EqualsNoCase(field.text, "True")) return true;
  if (EqualsNoCase(field.text, "False")) return false;
  return NumberOf(field) != 0;
}

double ValueReader::ReadDouble() {
  double value = NumberOf(Take());
  if (!std::isfinite(value)) throw VbError(vberr::kOverflow);
  return value;
}

float ValueReader::ReadSingle() {
  double value = NumberOf(Take());
  if (!std::isfinite(value) || std::fabs(value) > FLT_MAX) throw VbError(vberr::kOverflow);
  return static_cast<float>(value);
}

Variant ValueReader::ReadVariant() {
  Field field = Take();
  if (field.quoted) return Variant(std::string(field.text));
  if (field.text.empty()) return Variant();
  if (IsHashValue(field.text)) {
    std::string_view inner = HashInner(field.text);
    if (EqualsNoCase(inner, "TRUE")) return Variant(true);
    if (EqualsNoCase(inner, "FALSE")) return Variant(false);
    if (EqualsNoCase(inner, "NULL")) return Variant::Null();
    if (auto code = ErrorCodeOf(inner)) return Variant::FromError(*code);
    if (auto serial = ParseDate(inner)) return Variant::FromDate(*serial);
    return Variant(std::string(field.text));
  }
  std::optional<double> number = NumberIn(field.text);
  if (!number) return Variant(std::string(field.text));
  double value = *number;
  if (std::isfinite(value) && value == std::floor(value)) {
    if (value >= -32768.0 && value <= 32767.0) return Variant(static_cast<int16_t>(value));
    if (value >= -2147483648.0 && value <= 2147483647.0) {
      return Variant(static_cast<int32_t>(value));
    }
  }
  return Variant(value);
}

void ValueReader::Skip() {
  Take();
}

}  // namespace sw
