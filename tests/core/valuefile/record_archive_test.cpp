#include "core/valuefile/record_archive.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/valuefile/value_reader.h"
#include "core/valuefile/value_writer.h"
#include "base/vb_error.h"

namespace sw {
namespace {

struct Lamp {
  std::string Name;
  int16_t Wick = 0;
  bool Lit = true;
  std::vector<std::string> Notes;
  int32_t Hours = 0;
  int LastGroup = 1;
  double Oil = 0;
};

template <class Archive>
void Describe(Archive& a, Lamp& l) {
  a.String(l.Name);
  a.Integer(l.Wick);
  a.EndLine();
  a.Preset(l.Hours, 7);
  if (a.AtEnd()) return;
  a.SkipText();
  a.SkipNumber();
  a.SkipFlag();
  a.UnusedInteger();
  a.UnusedString();
  a.Boolean(l.Lit);
  a.EndLine();
  int32_t count = static_cast<int32_t>(l.Notes.size());
  a.Count(count);
  for (int32_t i = 0; i < count; ++i) a.String(a.Element(l.Notes, static_cast<size_t>(i)));
  a.Long(l.Hours);
  a.EndLine();
  if (!a.GroupFollows(l.LastGroup, 2)) return;
  a.Double(l.Oil);
  a.EndLine();
}

std::string Write(Lamp lamp, int lastField = RecordWriter::kAllFields) {
  ValueWriter w;
  RecordWriter archive(w, lastField);
  Describe(archive, lamp);
  w.String(ValueReader::kSeparator).EndLine();
  return w.bytes();
}

Lamp Read(const std::string& bytes) {
  ValueReader reader(bytes);
  RecordReader archive(reader);
  Lamp lamp;
  Describe(archive, lamp);
  return lamp;
}

Lamp Full() {
  Lamp l;
  l.Name = "Hall";
  l.Wick = 3;
  l.Lit = false;
  l.Notes = {"a", "b"};
  l.Hours = 70000;
  l.LastGroup = 2;
  l.Oil = 0.5;
  return l;
}

TEST(RecordArchive, OneDescriptionWritesTheFormatAndReadsItBack) {
  const std::string bytes = Write(Full());
  EXPECT_EQ(bytes,
            "\"Hall\",3\r\n"
            "\"\",0,#FALSE#,0,\"\",#FALSE#\r\n"
            "2,\"a\",\"b\",70000\r\n"
            "0.5\r\n"
            "\"----- SEPARATOR -----\"\r\n");
  const Lamp l = Read(bytes);
  EXPECT_EQ(l.Name, "Hall");
  EXPECT_EQ(l.Wick, 3);
  EXPECT_FALSE(l.Lit);
  EXPECT_EQ(l.Notes, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(l.Hours, 70000);
  EXPECT_EQ(l.LastGroup, 2);
  EXPECT_DOUBLE_EQ(l.Oil, 0.5);
}

TEST(RecordArchive, LastFieldCutsTheFileAndReadingStopsAtTheEndCheck) {
  // Cut at a line end, the line end stays; cut inside a line, the line stays open.
  EXPECT_EQ(Write(Full(), 2), "\"Hall\",3\r\n\"----- SEPARATOR -----\"\r\n");
  EXPECT_EQ(Write(Full(), 1), "\"Hall\",\"----- SEPARATOR -----\"\r\n");
  ValueWriter w;
  RecordWriter cut(w, 2);
  Lamp lamp = Full();
  Describe(cut, lamp);
  const Lamp l = Read(w.bytes());
  EXPECT_EQ(l.Wick, 3);
  EXPECT_TRUE(l.Lit) << "not read: keeps its default";
  EXPECT_EQ(l.Hours, 7) << "preset before the end check";
}

TEST(RecordArchive, UnusedValuesKeepTheirTypeCheckSkippedOnesDoNot) {
  EXPECT_NO_THROW(Read("\"x\",1,\"any\",\"thing\",\"at all\",5,\"\",#TRUE#,0,1"));
  try {
    Read("\"x\",1,\"\",0,#FALSE#,\"five\",\"\",#TRUE#,0,1");
    FAIL() << "an unused number holding text must fail";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), vberr::kTypeMismatch);
  }
}

TEST(RecordArchive, AStoredCountBeyondTheFileFailsWithoutReservingIt) {
  try {
    Read("\"x\",1,\"\",0,#FALSE#,0,\"\",#TRUE#,2000000000,\"a\"");
    FAIL() << "reading past the end must fail";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), vberr::kInputPastEnd);
  }
}

TEST(RecordArchive, GroupsStopAtTheSeparatorAndAfterTheLastGroupWritten) {
  Lamp older = Full();
  older.LastGroup = 1;
  const std::string bytes = Write(older);
  EXPECT_EQ(bytes.find("0.5"), std::string::npos);
  const Lamp l = Read(bytes);
  EXPECT_EQ(l.LastGroup, 1);
  EXPECT_EQ(l.Oil, 0);
}

}  // namespace
}  // namespace sw
