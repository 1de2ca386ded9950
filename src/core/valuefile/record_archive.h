// One description per stored record, serving both reading and writing. A record's values are
// listed once, in file order, by a function template handed either archive:
//
//   template <class Archive>
//   void Describe(Archive& a, Lamp& lamp) {
//     a.String(lamp.Name);
//     a.Integer(lamp.Wick);
//     a.EndLine();
//     if (a.AtEnd()) return;  // files of older versions end here
//     a.Boolean(lamp.Lit);
//   }
//
//   void ReadLamp(ValueReader& r, Lamp& lamp) { RecordReader a(r); Describe(a, lamp); }
//   void WriteLamp(ValueWriter& w, Lamp lamp) { RecordWriter a(w); Describe(a, lamp); }
//
// A RecordReader reads each value with the typed read of the ValueReader (failing as those
// reads fail); a RecordWriter writes it with the ValueWriter. So a value can never be added on
// one side only. Writing hands the description a copy, so a description may fill in what is
// derived (a count from its entries) before the value is written.
//
// What only one side does is spelled out in the description with `Archive::kReading`:
// reading-time effects and reads that stop a record early. Lists use `Element`, which grows
// the list while reading (one entry per value read, never trusting a stored count for memory)
// and hands out the stored entries while writing.
#pragma once

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "variant/variant.h"

namespace sw {

class ValueReader;
class ValueWriter;

class RecordReader {
 public:
  static constexpr bool kReading = true;

  explicit RecordReader(ValueReader& reader) : reader_(reader) {}

  // Typed values, read with the reader's rules (16-bit range, type mismatch, past the end).
  void Integer(int16_t& value);
  void Long(int32_t& value);
  void Boolean(bool& value);
  void Double(double& value);
  void String(std::string& value);
  void Value(Variant& value);
  // A count stored before its entries: any value, rounded to a whole number.
  void Count(int32_t& value);

  // Values passed over whatever they hold. A writer puts what the authoring tool puts there:
  // an empty text, a 0, or False.
  void SkipText(int count = 1) { Skip(count); }
  void SkipNumber(int count = 1) { Skip(count); }
  void SkipFlag(int count = 1) { Skip(count); }
  // Values read with their type and thrown away, so a wrong type still fails; written as 0
  // and as an empty text.
  void UnusedInteger();
  void UnusedString();

  // Line ends mean nothing to the reader: values are separated by commas and line ends alike.
  void EndLine() {}

  // True when the file has ended: the stopping point of files written by older versions.
  bool AtEnd() const;
  // A record ended by the separator may stop after any of its numbered groups: true when
  // group `group` follows, which is noted in `lastGroup`.
  bool GroupFollows(int& lastGroup, int group);
  // Sets a field to the value that holds when the file ends before the field is read.
  template <class T, class V>
  void Preset(T& field, const V& value) {
    field = value;
  }

  // Entry `index` of a list being read: appended (the entries before it are in place).
  template <class T>
  T& Element(std::vector<T>& items, size_t index) {
    if (index >= items.size()) items.resize(index + 1);
    return items[index];
  }

 private:
  void Skip(int count);

  ValueReader& reader_;
};

class RecordWriter {
 public:
  static constexpr bool kReading = false;
  static constexpr int kAllFields = INT_MAX;

  // `lastField` drops every value after that one (values counted from 1), the way files of
  // older authoring tools simply end early; line ends after it are dropped too.
  explicit RecordWriter(ValueWriter& writer, int lastField = kAllFields)
      : writer_(writer), last_(lastField) {}

  void Integer(int16_t value);
  void Long(int32_t value);
  void Boolean(bool value);
  void Double(double value);
  void String(const std::string& value);
  void Value(const Variant& value);
  void Count(int32_t value);

  void SkipText(int count = 1);
  void SkipNumber(int count = 1);
  void SkipFlag(int count = 1);
  void UnusedInteger() { Integer(0); }
  void UnusedString() { String(std::string()); }

  void EndLine();

  // A writer writes every field; where the file stops is up to `lastField`.
  bool AtEnd() const { return false; }
  bool GroupFollows(int lastGroup, int group) const { return lastGroup >= group; }
  template <class T, class V>
  void Preset(const T&, const V&) {}

  template <class T>
  T& Element(std::vector<T>& items, size_t index) const {
    return items.at(index);
  }

  // The number of values met so far, written or dropped.
  int field() const { return field_; }

 private:
  // Counts one value and writes it unless it lies after the last field.
  template <class Write>
  void Put(Write&& write) {
    if (++field_ <= last_) write();
  }

  ValueWriter& writer_;
  int last_;
  int field_ = 0;
};

}  // namespace sw
