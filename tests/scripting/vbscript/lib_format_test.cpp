// FormatNumber, FormatCurrency, FormatPercent and FormatDateTime for US English.
#include "scripting/vbscript/lib_test_support.h"

namespace sw::vbs {
namespace {

using Formatting = LibTest;

TEST_F(Formatting, NumbersGroupAndUseTwoDecimalsByDefault) {
  EXPECT_EQ(Str("FormatNumber(1234567.89)"), "1,234,567.89");
  EXPECT_EQ(Str("FormatNumber(1234.567)"), "1,234.57");
  EXPECT_EQ(Str("FormatNumber(5)"), "5.00");
  EXPECT_EQ(Str("FormatNumber(-5)"), "-5.00");
  EXPECT_EQ(Str("FormatNumber(0.5)"), "0.50");
  EXPECT_EQ(Str("FormatNumber(\"1234.5\")"), "1,234.50");
  EXPECT_EQ(Str("FormatNumber(Empty)"), "0.00");
  EXPECT_EQ(Type("FormatNumber(1)"), "String");
}

TEST_F(Formatting, NumberOptions) {
  EXPECT_EQ(Str("FormatNumber(1234.5, 0)"), "1,235");
  EXPECT_EQ(Str("FormatNumber(1234.5, 3)"), "1,234.500");
  EXPECT_EQ(Str("FormatNumber(1234.5, -1)"), "1,234.50");
  EXPECT_EQ(Str("FormatNumber(0.5, 2, 0)"), ".50");
  EXPECT_EQ(Str("FormatNumber(0.5, 2, vbUseDefault)"), "0.50");
  EXPECT_EQ(Str("FormatNumber(-5, 2, , -1)"), "(5.00)");
  EXPECT_EQ(Str("FormatNumber(1234567, 1, , , 0)"), "1234567.0");
  EXPECT_EQ(Str("FormatNumber(1E+20, 0)"), "100,000,000,000,000,000,000");
}

TEST_F(Formatting, NumberErrors) {
  EXPECT_EQ(ErrorOf("FormatNumber(Null)"), 13);
  EXPECT_EQ(ErrorOf("FormatNumber(\"abc\")"), 13);
  EXPECT_EQ(ErrorOf("FormatNumber(1, Null)"), 94);
  EXPECT_EQ(ErrorOf("FormatNumber(1, 2, Null)"), 94);
  EXPECT_EQ(ErrorOf("FormatNumber(1, -3)"), 5);
}

TEST_F(Formatting, CurrencyAndPercent) {
  EXPECT_EQ(Str("FormatCurrency(1234567.89)"), "$1,234,567.89");
  EXPECT_EQ(Str("FormatCurrency(-5)"), "($5.00)");
  EXPECT_EQ(Str("FormatCurrency(5, 0)"), "$5");
  EXPECT_EQ(Str("FormatPercent(0.1234)"), "12.34%");
  EXPECT_EQ(Str("FormatPercent(1)"), "100.00%");
  EXPECT_EQ(Str("FormatPercent(0.5, 0)"), "50%");
  EXPECT_EQ(Str("FormatPercent(-0.25)"), "-25.00%");
  EXPECT_EQ(ErrorOf("FormatCurrency(Null)"), 13);
  EXPECT_EQ(ErrorOf("FormatPercent(\"x\")"), 13);
}

TEST_F(Formatting, DateTimeNamedForms) {
  const std::string d = "#3/15/2026 2:30:45 PM#";
  EXPECT_EQ(Str("FormatDateTime(" + d + ")"), "3/15/2026 2:30:45 PM");
  EXPECT_EQ(Str("FormatDateTime(" + d + ", vbGeneralDate)"), "3/15/2026 2:30:45 PM");
  EXPECT_EQ(Str("FormatDateTime(" + d + ", vbLongDate)"), "Sunday, March 15, 2026");
  EXPECT_EQ(Str("FormatDateTime(" + d + ", vbShortDate)"), "3/15/2026");
  EXPECT_EQ(Str("FormatDateTime(" + d + ", vbLongTime)"), "2:30:45 PM");
  EXPECT_EQ(Str("FormatDateTime(" + d + ", vbShortTime)"), "14:30");
  EXPECT_EQ(Str("FormatDateTime(\"1/2/2000 9:05\", 4)"), "09:05");
  EXPECT_EQ(Str("FormatDateTime(#3/15/2026#)"), "3/15/2026");
}

TEST_F(Formatting, DateTimeErrors) {
  EXPECT_EQ(ErrorOf("FormatDateTime(Null)"), 13);
  EXPECT_EQ(ErrorOf("FormatDateTime(#1/1/2000#, Null)"), 94);
  EXPECT_EQ(ErrorOf("FormatDateTime(#1/1/2000#, 5)"), 5);
  EXPECT_EQ(ErrorOf("FormatDateTime(\"not a date\")"), 13);
}

}  // namespace
}  // namespace sw::vbs
