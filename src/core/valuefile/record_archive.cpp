#include "core/valuefile/record_archive.h"

#include "core/valuefile/stored_values.h"
#include "core/valuefile/value_reader.h"
#include "core/valuefile/value_writer.h"

namespace sw {

void RecordReader::Integer(int16_t& value) {
  value = reader_.ReadInteger();
}
void RecordReader::Long(int32_t& value) {
  value = reader_.ReadLong();
}
void RecordReader::Boolean(bool& value) {
  value = reader_.ReadBoolean();
}
void RecordReader::Double(double& value) {
  value = reader_.ReadDouble();
}
void RecordReader::String(std::string& value) {
  value = reader_.ReadString();
}
void RecordReader::Value(Variant& value) {
  value = reader_.ReadVariant();
}
void RecordReader::Count(int32_t& value) {
  value = ReadCount(reader_);
}
void RecordReader::UnusedInteger() {
  reader_.ReadInteger();
}
void RecordReader::UnusedString() {
  reader_.ReadString();
}
void RecordReader::Skip(int count) {
  SkipValues(reader_, count);
}

bool RecordReader::AtEnd() const {
  return reader_.AtEnd();
}

bool RecordReader::GroupFollows(int& lastGroup, int group) {
  if (reader_.IsSeparatorNext()) return false;
  lastGroup = group;
  return true;
}

void RecordWriter::Integer(int16_t value) {
  Put([&] { writer_.Integer(value); });
}
void RecordWriter::Long(int32_t value) {
  Put([&] { writer_.Long(value); });
}
void RecordWriter::Boolean(bool value) {
  Put([&] { writer_.Boolean(value); });
}
void RecordWriter::Double(double value) {
  Put([&] { writer_.Double(value); });
}
void RecordWriter::String(const std::string& value) {
  Put([&] { writer_.String(value); });
}
void RecordWriter::Value(const Variant& value) {
  Put([&] { writer_.Value(value); });
}
void RecordWriter::Count(int32_t value) {
  Long(value);
}
void RecordWriter::SkipText(int count) {
  for (int i = 0; i < count; ++i) String(std::string());
}
void RecordWriter::SkipNumber(int count) {
  for (int i = 0; i < count; ++i) Integer(0);
}
void RecordWriter::SkipFlag(int count) {
  for (int i = 0; i < count; ++i) Boolean(false);
}

void RecordWriter::EndLine() {
  if (field_ <= last_) writer_.EndLine();
}

}  // namespace sw
