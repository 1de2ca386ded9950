#include "core/project/cd_contents.h"

#include "core/valuefile/record_archive.h"
#include "core/valuefile/value_reader.h"
#include "core/valuefile/value_writer.h"

namespace sw {

namespace {

template <class Archive>
void DescribeHeader(Archive& a, int16_t& cdCount) {
  a.SkipText(3);
  a.EndLine();
  a.Integer(cdCount);
  a.EndLine();
  a.SkipText(2);
  a.EndLine();
}

template <class Archive>
void Describe(Archive& a, CDContentsEntry& entry) {
  a.String(entry.Name);
  a.Integer(entry.CDNumber);
  a.Integer(entry.Kind);
  a.EndLine();
}

}  // namespace

int16_t ReadCDContentsHeader(ValueReader& reader) {
  RecordReader a(reader);
  int16_t count = 0;
  DescribeHeader(a, count);
  return count;
}

CDContentsEntry ReadCDContentsEntry(ValueReader& reader) {
  RecordReader a(reader);
  CDContentsEntry entry;
  Describe(a, entry);
  return entry;
}

void WriteCDContents(ValueWriter& writer, const CDContents& contents) {
  RecordWriter a(writer);
  int16_t count = contents.CDCount;
  DescribeHeader(a, count);
  for (CDContentsEntry entry : contents.Entries) Describe(a, entry);
}

}  // namespace sw
