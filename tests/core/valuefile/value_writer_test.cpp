#include <gtest/gtest.h>

#include <cfloat>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>

#include "base/vb_error.h"
#include "core/valuefile/value_reader.h"
#include "core/valuefile/value_writer.h"
#include "platform/system/path_resolver.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

TEST(ValueWriter, WritesTheSequentialFormat) {
  ValueWriter w;
  w.String("Hall").Integer(12).Long(-70000).Boolean(true).Boolean(false).EndLine();
  w.Double(2.5).Double(-1.5e20).Double(1e-5).Double(0.1).EndLine();
  w.Value(Variant(int16_t{1})).Value(Variant()).Value(Variant::Null()).Value(Variant(int16_t{2}));
  w.EndLine();
  w.Value(Variant()).EndLine();
  EXPECT_EQ(w.bytes(),
            "\"Hall\",12,-70000,#TRUE#,#FALSE#\r\n"
            "2.5,-1.5E+20,1E-05,0.1\r\n"
            "1,,#NULL#,2\r\n"
            "\r\n");
}

TEST(ValueWriter, DatesAndErrorsAsTheOriginalWroteThem) {
  ValueWriter w;
  w.Value(Variant::FromDate(DateSerialOf(2024, 3, 15) + (14 * 3600 + 30 * 60 + 5) / 86400.0));
  w.Value(Variant::FromDate(DateSerialOf(1999, 12, 31)));
  w.Value(Variant::FromDate(0.75));
  w.Value(Variant::FromError(53));
  EXPECT_EQ(w.bytes(), "#2024-03-15 14:30:05#,#1999-12-31#,#18:00:00#,#ERROR 53#");
}

TEST(ValueWriter, TypedValuesReadBackExactly) {
  const double doubles[] = {0.1, 1.0 / 3, -123456.789, 1e20, 1.5e-7, DBL_MAX, DBL_TRUE_MIN, 0};
  ValueWriter w;
  w.String("a, b").String("Sub Main()\r\n  x = 1\r\nEnd Sub").String("").String("\xE9\x80");
  w.EndLine();
  w.Integer(INT16_MIN).Integer(INT16_MAX).Long(INT32_MIN).Long(INT32_MAX).EndLine();
  for (double d : doubles) w.Double(d);
  w.EndLine();
  w.Boolean(true).Boolean(false).EndLine();

  ValueReader r(w.bytes());
  EXPECT_EQ(r.ReadString(), "a, b");
  EXPECT_EQ(r.ReadString(), "Sub Main()\r\n  x = 1\r\nEnd Sub");
  EXPECT_EQ(r.ReadString(), "");
  EXPECT_EQ(r.ReadString(), "\xE9\x80");
  EXPECT_EQ(r.ReadInteger(), INT16_MIN);
  EXPECT_EQ(r.ReadInteger(), INT16_MAX);
  EXPECT_EQ(r.ReadLong(), INT32_MIN);
  EXPECT_EQ(r.ReadLong(), INT32_MAX);
  for (double d : doubles) EXPECT_EQ(r.ReadDouble(), d);
  EXPECT_TRUE(r.ReadBoolean());
  EXPECT_FALSE(r.ReadBoolean());
  EXPECT_TRUE(r.AtEnd());
}

TEST(ValueWriter, VariantsReadBackWithTheirTypes) {
  const Variant values[] = {Variant(int16_t{-5}),
                            Variant(int32_t{123456}),
                            Variant(2.75),
                            Variant(std::string("7")),
                            Variant(true),
                            Variant(),
                            Variant::Null(),
                            Variant::FromDate(DateSerialOf(2001, 2, 3) + 0.5),
                            Variant::FromDate(DateSerialOf(1999, 12, 31)),
                            Variant::FromDate(0.75),
                            Variant::FromError(13)};
  ValueWriter w;
  for (const Variant& v : values) w.Value(v);
  w.EndLine();
  ValueReader r(w.bytes());
  for (const Variant& expected : values) {
    Variant got = r.ReadVariant();
    ASSERT_EQ(got.type(), expected.type()) << expected.TypeName();
    if (expected.type() == VarType::Error) {
      EXPECT_EQ(got.AsErrorCode(), expected.AsErrorCode());
    } else {
      EXPECT_EQ(Compare(got, expected), expected.IsNull() ? CmpResult::Null : CmpResult::Equal)
          << expected.TypeName();
    }
  }
  EXPECT_TRUE(r.AtEnd());
  // A whole Double is written as a whole number and reads back as the smallest type.
  EXPECT_EQ(ValueReader(ValueWriter().Value(Variant(3.0)).bytes()).ReadVariant().type(),
            VarType::Integer);
}

TEST(ValueWriter, SavesAtomicallyAndTellsTheResolver) {
  fs::path dir = fs::temp_directory_path() /
                 ("sw-valuefile-writer-test-" + std::to_string(std::random_device()()));
  fs::create_directories(dir);
  fs::last_write_time(dir, fs::file_time_type::clock::now() - std::chrono::hours(1));
  auto stamp = fs::last_write_time(dir);
  PathResolver resolver;
  std::string game = dir.string() + "\\GAME1.SAV";
  EXPECT_EQ(resolver.Lookup(game), "");

  ValueWriter w;
  w.String("Hall").Integer(3).EndLine();
  w.SaveTo(dir / "Game1.sav", resolver);
  fs::last_write_time(dir, stamp);  // the change must be seen from the writer's word alone
  EXPECT_EQ(resolver.Lookup(game), "Game1.sav");
  ValueReader r = ValueReader::FromFile(resolver.Resolve(game), Windows1252());
  EXPECT_EQ(r.ReadString(), "Hall");

  ValueWriter().String("new").SaveTo(dir / "Game1.sav");
  EXPECT_EQ(ValueReader::FromFile(dir / "Game1.sav", Windows1252()).ReadString(), "new");
  int files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) ++files;
  EXPECT_EQ(files, 1) << "no temporary file is left";

  try {
    w.SaveTo(dir / "missing" / "x.sav");
    ADD_FAILURE() << "no error";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), vberr::kPathNotFound);
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace sw
