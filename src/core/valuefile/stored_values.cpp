#include "core/valuefile/stored_values.h"

#include "base/vb_error.h"
#include "core/valuefile/value_reader.h"

namespace sw {

void SkipToSeparator(ValueReader& reader) {
  while (!reader.AtEnd()) {
    if (reader.ReadString() == ValueReader::kSeparator) return;
  }
}

void SkipValues(ValueReader& reader, int count) {
  for (int i = 0; i < count; ++i) reader.Skip();
}

int32_t ReadCount(ValueReader& reader) {
  return reader.ReadVariant().ToLong();
}

namespace {
double NumberOf(const Variant& value) {
  const Variant& v = value.Deref();
  if (v.IsEmpty()) return 0;
  if (v.IsString()) {
    const auto number = ParseNumber(v.ToStringUtf8());
    if (!number) throw VbError(vberr::kTypeMismatch);
    return *number;
  }
  return v.ToDouble();
}
}  // namespace

bool IsOn(const Variant& value) {
  return NumberOf(value) != 0;
}

bool EqualsOne(const Variant& value) {
  return NumberOf(value) == 1;
}

}  // namespace sw
