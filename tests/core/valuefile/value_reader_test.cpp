#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include "base/vb_error.h"
#include "core/valuefile/value_reader.h"
#include "platform/system/text_codec.h"

namespace sw {
namespace {

int ErrorOf(const std::function<void()>& read) {
  try {
    read();
  } catch (const VbError& e) {
    return e.number();
  }
  return 0;
}

TEST(ValueReader, ReadsEachTypeFromOneOrSeveralValuesPerLine) {
  ValueReader r(
      "\"Hall\",12,-7\r\n"
      "#TRUE#,#FALSE#\r\n"
      "2.5,100000,-1.5E+20\r\n"
      "\"last\"\r\n");
  EXPECT_EQ(r.ReadString(), "Hall");
  EXPECT_EQ(r.ReadInteger(), 12);
  EXPECT_EQ(r.ReadLong(), -7);
  EXPECT_TRUE(r.ReadBoolean());
  EXPECT_FALSE(r.ReadBoolean());
  EXPECT_DOUBLE_EQ(r.ReadDouble(), 2.5);
  EXPECT_EQ(r.ReadLong(), 100000);
  EXPECT_FLOAT_EQ(r.ReadSingle(), -1.5e20f);
  EXPECT_FALSE(r.AtEnd());
  EXPECT_EQ(r.ReadString(), "last");
  EXPECT_TRUE(r.AtEnd());
  EXPECT_EQ(ErrorOf([&] { r.ReadString(); }), vberr::kInputPastEnd);
  EXPECT_EQ(ErrorOf([&] { r.Skip(); }), vberr::kInputPastEnd);
}

TEST(ValueReader, QuotedStringsKeepCommasLineBreaksAndBlanks) {
  ValueReader r(
      "\"a, b\" , \"Sub Main()\r\n  MsgBox |hi|\r\nEnd Sub\"\r\n"
      "\"  padded  \"ignored tail,next\r\n"
      "\"\",\"\xE9t\xE9\"");
  EXPECT_EQ(r.ReadString(), "a, b");
  EXPECT_EQ(r.ReadString(), "Sub Main()\r\n  MsgBox |hi|\r\nEnd Sub");
  EXPECT_EQ(r.ReadString(), "  padded  ");
  EXPECT_EQ(r.ReadString(), "next");
  EXPECT_EQ(r.ReadString(), "");
  EXPECT_EQ(r.ReadString(), "\xE9t\xE9") << "bytes are kept as they are";
  EXPECT_TRUE(r.AtEnd());
}

TEST(ValueReader, BareValuesAsStrings) {
  ValueReader r("  42  ,#TRUE#,#FALSE#,plain text  ,,#NULL#\nlast");
  EXPECT_EQ(r.ReadString(), "42");
  EXPECT_EQ(r.ReadString(), "True");
  EXPECT_EQ(r.ReadString(), "False");
  EXPECT_EQ(r.ReadString(), "plain text");
  EXPECT_EQ(r.ReadString(), "");
  EXPECT_EQ(r.ReadString(), "");
  EXPECT_EQ(r.ReadString(), "last") << "a bare LF ends a line too";
  EXPECT_TRUE(r.AtEnd());
}

TEST(ValueReader, NumbersRoundHalfToEvenAndOverflow) {
  ValueReader r("2.5,3.5,-2.5,32767,-32768,32767.5,32768,2147483647,-2147483649,#TRUE#,,1E400");
  EXPECT_EQ(r.ReadInteger(), 2);
  EXPECT_EQ(r.ReadInteger(), 4);
  EXPECT_EQ(r.ReadInteger(), -2);
  EXPECT_EQ(r.ReadInteger(), 32767);
  EXPECT_EQ(r.ReadInteger(), -32768);
  EXPECT_EQ(ErrorOf([&] { r.ReadInteger(); }), vberr::kOverflow);  // rounds to 32768
  EXPECT_EQ(ErrorOf([&] { r.ReadInteger(); }), vberr::kOverflow);
  EXPECT_EQ(r.ReadLong(), 2147483647);
  EXPECT_EQ(ErrorOf([&] { r.ReadLong(); }), vberr::kOverflow);
  EXPECT_EQ(r.ReadInteger(), -1);
  EXPECT_EQ(r.ReadInteger(), 0) << "an empty value reads as 0";
  EXPECT_EQ(ErrorOf([&] { r.ReadDouble(); }), vberr::kOverflow);
  EXPECT_TRUE(r.AtEnd()) << "a failed read still consumes its value";
}

TEST(ValueReader, TextReadIntoANumberIsATypeMismatch) {
  ValueReader r("\"abc\",abc,\"12\",#NULL#,maybe,1e40,-0.25");
  EXPECT_EQ(ErrorOf([&] { r.ReadInteger(); }), vberr::kTypeMismatch);
  EXPECT_EQ(ErrorOf([&] { r.ReadLong(); }), vberr::kTypeMismatch);
  EXPECT_EQ(r.ReadInteger(), 12) << "quoted digits convert";
  EXPECT_EQ(ErrorOf([&] { r.ReadDouble(); }), 94);  // Invalid use of Null
  EXPECT_EQ(ErrorOf([&] { r.ReadBoolean(); }), vberr::kTypeMismatch);
  EXPECT_EQ(ErrorOf([&] { r.ReadSingle(); }), vberr::kOverflow);
  EXPECT_DOUBLE_EQ(r.ReadSingle(), -0.25f);
  EXPECT_EQ(ErrorOf([] { ValueReader("1E400").ReadVariant(); }), vberr::kOverflow);
  EXPECT_EQ(ErrorOf([] { ValueReader("#1E400#").ReadLong(); }), vberr::kTypeMismatch);
}

TEST(ValueReader, BooleansFromWordsAndNumbers) {
  ValueReader r("\"True\",false,0,-1,2,\"FALSE\"");
  EXPECT_TRUE(r.ReadBoolean());
  EXPECT_FALSE(r.ReadBoolean());
  EXPECT_FALSE(r.ReadBoolean());
  EXPECT_TRUE(r.ReadBoolean());
  EXPECT_TRUE(r.ReadBoolean());
  EXPECT_FALSE(r.ReadBoolean());
}

TEST(ValueReader, SeparatorLooksAheadWithoutConsuming) {
  ValueReader r("\"x\",\"----- SEPARATOR -----\"\r\n----- SEPARATOR -----\r\n\"y\"");
  EXPECT_FALSE(r.IsSeparatorNext());
  EXPECT_FALSE(r.IsSeparatorNext());
  EXPECT_EQ(r.ReadString(), "x");
  EXPECT_TRUE(r.IsSeparatorNext());
  EXPECT_TRUE(r.IsSeparatorNext());
  EXPECT_EQ(r.ReadString(), "----- SEPARATOR -----");
  EXPECT_TRUE(r.IsSeparatorNext()) << "unquoted, the separator is the same text";
  r.Skip();
  EXPECT_FALSE(r.IsSeparatorNext());
  EXPECT_EQ(r.ReadString(), "y");
  EXPECT_TRUE(r.IsSeparatorNext()) << "the end of the file ends a record too";
  EXPECT_TRUE(ValueReader("").IsSeparatorNext());
}

TEST(ValueReader, EmptyLinesAndTrailingCommasAreEmptyValues) {
  ValueReader r("1,\r\n\r\n2");
  EXPECT_EQ(r.ReadInteger(), 1);
  EXPECT_EQ(r.ReadString(), "");  // after the comma
  EXPECT_EQ(r.ReadString(), "");  // the empty line
  EXPECT_EQ(r.ReadInteger(), 2);
  EXPECT_TRUE(r.AtEnd());
  EXPECT_TRUE(ValueReader("").AtEnd());
  EXPECT_EQ(ErrorOf([] { ValueReader("").ReadInteger(); }), vberr::kInputPastEnd);
}

// An error value's number beyond the 32-bit range is 6 Overflow, never a wrapped number.
TEST(ValueReader, ErrorValuesOutsideTheLongRangeOverflow) {
  ValueReader r("#ERROR 2147483647#,#ERROR 2147483648#,#ERROR -1E300#,#ERROR 99999999999#");
  Variant largest = r.ReadVariant();
  ASSERT_EQ(largest.type(), VarType::Error);
  EXPECT_EQ(largest.AsErrorCode(), 2147483647);
  EXPECT_EQ(ErrorOf([&] { r.ReadVariant(); }), vberr::kOverflow);
  EXPECT_EQ(ErrorOf([&] { r.ReadVariant(); }), vberr::kOverflow);
  EXPECT_EQ(ErrorOf([&] { r.ReadString(); }), vberr::kOverflow);
  EXPECT_TRUE(r.AtEnd());
}

TEST(ValueReader, VariantsKeepTheStoredType) {
  ValueReader r(
      "\"12\",12,-32769,3000000000,2.5,#TRUE#,#FALSE#,,#NULL#,#2024-03-15 14:30:00#,"
      "#ERROR 53#,bare words");
  Variant quoted = r.ReadVariant();
  EXPECT_EQ(quoted.type(), VarType::String);
  EXPECT_EQ(quoted.ToStringUtf8(), "12");
  Variant small = r.ReadVariant();
  EXPECT_EQ(small.type(), VarType::Integer);
  EXPECT_EQ(small.AsInteger(), 12);
  Variant large = r.ReadVariant();
  EXPECT_EQ(large.type(), VarType::Long);
  EXPECT_EQ(large.AsLong(), -32769);
  Variant huge = r.ReadVariant();
  EXPECT_EQ(huge.type(), VarType::Double);
  EXPECT_DOUBLE_EQ(huge.AsDouble(), 3e9);
  EXPECT_EQ(r.ReadVariant().type(), VarType::Double);
  Variant yes = r.ReadVariant();
  EXPECT_EQ(yes.type(), VarType::Boolean);
  EXPECT_TRUE(yes.AsBool());
  EXPECT_FALSE(r.ReadVariant().AsBool());
  EXPECT_EQ(r.ReadVariant().type(), VarType::Empty);
  EXPECT_EQ(r.ReadVariant().type(), VarType::Null);
  Variant date = r.ReadVariant();
  ASSERT_EQ(date.type(), VarType::Date);
  DateParts parts = SplitDate(date.AsDateSerial());
  EXPECT_EQ(parts.year, 2024);
  EXPECT_EQ(parts.month, 3);
  EXPECT_EQ(parts.day, 15);
  EXPECT_EQ(parts.hour, 14);
  EXPECT_EQ(parts.minute, 30);
  Variant error = r.ReadVariant();
  EXPECT_EQ(error.type(), VarType::Error);
  EXPECT_EQ(error.AsErrorCode(), 53);
  Variant words = r.ReadVariant();
  EXPECT_EQ(words.type(), VarType::String);
  EXPECT_EQ(words.ToStringUtf8(), "bare words");
  EXPECT_TRUE(r.AtEnd());
}

TEST(ValueReader, NextLineFollowsEveryKindOfLineEnd) {
  ValueReader r("1,2\r\n\"two\r\nlines\"\n\n  4\r5\r\n");
  EXPECT_EQ(r.NextLine(), 1);
  r.Skip();
  EXPECT_EQ(r.NextLine(), 1);
  r.Skip();
  EXPECT_EQ(r.NextLine(), 2);  // a quoted value starts where its quote is
  r.Skip();
  EXPECT_EQ(r.NextLine(), 4);  // the empty line is a value of its own
  r.Skip();
  EXPECT_EQ(r.NextLine(), 5);
  EXPECT_EQ(r.ReadInteger(), 4);
  EXPECT_EQ(r.NextLine(), 6);  // a lone CR ends a line too
  EXPECT_EQ(r.ReadInteger(), 5);
  EXPECT_TRUE(r.AtEnd());
  EXPECT_EQ(r.NextLine(), 6);
}

TEST(ValueReader, FromFileDecodesTheCodePageAndReportsAMissingFile) {
  auto dir = std::filesystem::temp_directory_path() /
             ("sw-valuefile-reader-test-" + std::to_string(std::random_device()()));
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "General", std::ios::binary) << "\"Title \xE9\",640\r\n";
  ValueReader r = ValueReader::FromFile(dir / "General", Windows1252());
  EXPECT_EQ(r.ReadString(), "Title é");
  EXPECT_EQ(r.ReadInteger(), 640);
  // Two-byte characters whose second byte is a backslash or a letter stay whole.
  std::ofstream(dir / "Texts", std::ios::binary) << "\"\x83\x5C\x83\x74\x83\x67\",\"x\"\r\n";
  ValueReader japanese = ValueReader::FromFile(dir / "Texts", TextCodec("CP932"));
  EXPECT_EQ(japanese.ReadString(), "ソフト");
  EXPECT_EQ(japanese.ReadString(), "x");
  EXPECT_EQ(ErrorOf([&] { ValueReader::FromFile(dir / "Missing", Windows1252()); }),
            vberr::kFileNotFound);
  EXPECT_EQ(ErrorOf([&] { ValueReader::FromFile(dir, Windows1252()); }), vberr::kFileNotFound);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace sw
