#include "core/valuefile/value_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/utf.h"
#include "base/vb_error.h"
#include "platform/system/file_io.h"
#include "platform/system/path_resolver.h"

namespace sw {
namespace {

// Shortest text that reads back as the same number, exponent written as VB writes it
// ("1E+20", "1.5E-07").
template <typename Number>
std::string NumberText(Number value) {
  if (!std::isfinite(value)) throw VbError(vberr::kOverflow);
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, result.ptr);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

std::string DateText(double serial) {
  DateParts parts = SplitDate(serial);
  char buffer[48];
  bool has_date = std::floor(serial) != 0;
  bool has_time = serial != std::floor(serial);
  if (has_date && has_time) {
    std::snprintf(buffer, sizeof buffer, "#%04d-%02d-%02d %02d:%02d:%02d#", parts.year, parts.month,
                  parts.day, parts.hour, parts.minute, parts.second);
  } else if (has_time) {
    std::snprintf(buffer, sizeof buffer, "#%02d:%02d:%02d#", parts.hour, parts.minute,
                  parts.second);
  } else {
    std::snprintf(buffer, sizeof buffer, "#%04d-%02d-%02d#", parts.year, parts.month, parts.day);
  }
  return buffer;
}

}  // namespace

void ValueWriter::BeginField() {
  if (line_started_) bytes_ += ',';
  line_started_ = true;
}

ValueWriter& ValueWriter::String(std::string_view text) {
  BeginField();
  bytes_ += '"';
  bytes_ += text;
  bytes_ += '"';
  return *this;
}

ValueWriter& ValueWriter::Integer(int16_t value) {
  BeginField();
  bytes_ += std::to_string(value);
  return *this;
}

ValueWriter& ValueWriter::Long(int32_t value) {
  BeginField();
  bytes_ += std::to_string(value);
  return *this;
}

ValueWriter& ValueWriter::Boolean(bool value) {
  BeginField();
  bytes_ += value ? "#TRUE#" : "#FALSE#";
  return *this;
}

ValueWriter& ValueWriter::Double(double value) {
  std::string text = NumberText(value);
  BeginField();
  bytes_ += text;
  return *this;
}

ValueWriter& ValueWriter::Value(const Variant& value) {
  const Variant& v = value.Deref();
  switch (v.type()) {
    case VarType::Empty:
      BeginField();
      return *this;
    case VarType::Null:
      BeginField();
      bytes_ += "#NULL#";
      return *this;
    case VarType::Integer:
      return Integer(v.AsInteger());
    case VarType::Long:
      return Long(v.AsLong());
    case VarType::Byte:
      return Integer(v.AsByte());
    case VarType::Single: {
      std::string text = NumberText(v.AsSingle());
      BeginField();
      bytes_ += text;
      return *this;
    }
    case VarType::Double:
      return Double(v.AsDouble());
    case VarType::Currency:
      BeginField();
      bytes_ += FormatCurrency(v.AsCurrencyScaled());
      return *this;
    case VarType::Date:
      BeginField();
      bytes_ += DateText(v.AsDateSerial());
      return *this;
    case VarType::String:
      return String(v.ToStringUtf8());
    case VarType::Boolean:
      return Boolean(v.AsBool());
    case VarType::Error:
      BeginField();
      bytes_ += "#ERROR " + std::to_string(v.AsErrorCode()) + "#";
      return *this;
    case VarType::Object: {
      Variant plain = v.DefaultValue();
      if (plain.type() == VarType::Object) throw VbError(vberr::kTypeMismatch);
      return Value(plain);
    }
    default:
      throw VbError(vberr::kTypeMismatch);
  }
}

ValueWriter& ValueWriter::EndLine() {
  bytes_ += "\r\n";
  line_started_ = false;
  return *this;
}

void ValueWriter::SaveTo(const std::filesystem::path& resolved, const CodePage& page) const {
  WriteFileAtomically(resolved, page.FromUtf8(bytes_));
}

void ValueWriter::SaveTo(const std::filesystem::path& resolved, PathResolver& resolver) const {
  WriteFileAtomically(resolved, resolver.codec().FromUtf8(bytes_));
  resolver.NoteWritten(resolved);
}

}  // namespace sw
