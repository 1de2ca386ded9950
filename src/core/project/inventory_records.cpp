#include "core/project/inventory_records.h"

#include "core/valuefile/record_archive.h"
#include "core/valuefile/stored_values.h"
#include "core/valuefile/value_reader.h"
#include "core/valuefile/value_writer.h"

namespace sw {

namespace {

template <class Archive>
void Describe(Archive& a, ItemRecord& r) {
  a.String(r.IconFile);
  a.EndLine();
}

// The pick-up record up to its hotspot and the reserved values after it.
template <class Archive>
void DescribeHead(Archive& a, PickUpRecord& r) {
  a.SkipNumber();
  a.Integer(r.HotspotIndex);
  a.SkipNumber(8);
  a.EndLine();
}

template <class Archive>
void DescribePick(Archive& a, PickUpRecord& r) {
  a.Value(r.PickItem);
  if (EqualsOne(r.PickItem)) a.String(r.PickedItemName);
  a.EndLine();
}

template <class Archive>
void Describe(Archive& a, CombinationPart part, CombinationRecord& r) {
  switch (part) {
    case CombinationPart::kRemovals:
      a.Value(r.RemoveDraggedItem);
      a.Value(r.RemoveTargetItem);
      a.EndLine();
      break;
    case CombinationPart::kResult:
      a.Value(r.AddResultItem);
      a.Value(r.ResultItemName);
      a.EndLine();
      break;
    case CombinationPart::kScript:
      a.SkipNumber(3);
      a.EndLine();
      a.Boolean(r.ScriptEnabled);
      a.String(r.ScriptText);
      a.EndLine();
      break;
  }
}

}  // namespace

ItemRecord ReadItemRecord(ValueReader& reader) {
  ItemRecord record;
  RecordReader a(reader);
  Describe(a, record);
  return record;
}

void WriteItemRecord(ValueWriter& writer, const ItemRecord& record) {
  RecordWriter a(writer);
  ItemRecord copy = record;
  Describe(a, copy);
}

std::optional<std::string> FindPickUp(ValueReader& reader, int16_t areaIndex,
                                      const std::function<bool()>& stop) {
  RecordReader a(reader);
  while (!reader.AtEnd() && !stop()) {
    PickUpRecord record;
    DescribeHead(a, record);
    if (record.HotspotIndex != areaIndex) {
      SkipToSeparator(reader);
      continue;
    }
    DescribePick(a, record);
    if (!EqualsOne(record.PickItem)) return std::nullopt;
    return record.PickedItemName;
  }
  return std::nullopt;
}

void WritePickUpRecord(ValueWriter& writer, const PickUpRecord& record) {
  RecordWriter a(writer);
  PickUpRecord copy = record;
  DescribeHead(a, copy);
  DescribePick(a, copy);
  writer.String(ValueReader::kSeparator).EndLine();
}

void ReadCombinationPart(ValueReader& reader, CombinationPart part, CombinationRecord& record) {
  RecordReader a(reader);
  Describe(a, part, record);
}

void WriteCombinationRecord(ValueWriter& writer, const CombinationRecord& record, int lastField) {
  RecordWriter a(writer, lastField);
  CombinationRecord copy = record;
  for (CombinationPart part :
       {CombinationPart::kRemovals, CombinationPart::kResult, CombinationPart::kScript}) {
    Describe(a, part, copy);
  }
}

}  // namespace sw
