// Number and text conversions as scripts see them: CStr forms, CInt/CLng rounding, IsNumeric,
// Hex and Oct, and the conversion functions' errors.
#include "scripting/vbscript/lib_test_support.h"

namespace sw::vbs {
namespace {

using Conversion = LibTest;

TEST_F(Conversion, DoublesPrintWithFifteenSignificantDigits) {
  EXPECT_EQ(Str("CStr(0.1 + 0.2)"), "0.3");
  EXPECT_EQ(Str("CStr(1E+16)"), "1E+16");
  EXPECT_EQ(Str("CStr(1E15)"), "1E+15");
  EXPECT_EQ(Str("CStr(123456789012345)"), "123456789012345");
  EXPECT_EQ(Str("CStr(1234567890123456789)"), "1.23456789012346E+18");
  EXPECT_EQ(Str("CStr(1/3)"), "0.333333333333333");
  EXPECT_EQ(Str("CStr(-0.5)"), "-0.5");
  EXPECT_EQ(Str("CStr(0.0001)"), "0.0001");
  EXPECT_EQ(Str("CStr(0.00001)"), "1E-05");
}

TEST_F(Conversion, TextToNumbers) {
  EXPECT_EQ(Str("CDbl(\"1e3\")"), "1000");
  EXPECT_EQ(Type("CDbl(\"1e3\")"), "Double");
  EXPECT_EQ(Str("CLng(\" &H10 \")"), "16");
  EXPECT_EQ(ErrorOf("CDbl(\"\")"), 13);
  EXPECT_EQ(ErrorOf("CDbl(\"TRUE\")"), 13);
  EXPECT_EQ(ErrorOf("CDbl(Null)"), 94);
}

TEST_F(Conversion, WholeNumbersRoundHalfToEven) {
  EXPECT_EQ(Str("CInt(2.5)"), "2");
  EXPECT_EQ(Str("CInt(3.5)"), "4");
  EXPECT_EQ(Str("CInt(36.5)"), "36");
  EXPECT_EQ(Str("CInt(-36.5)"), "-36");
  EXPECT_EQ(Str("CInt(-32768.5)"), "-32768");
  EXPECT_EQ(ErrorOf("CInt(32767.5)"), 6);
  EXPECT_EQ(Str("CByte(\"-0.5\")"), "0");
  EXPECT_EQ(ErrorOf("CByte(256)"), 6);
  EXPECT_EQ(Str("CLng(True)"), "-1");
}

TEST_F(Conversion, IntFixAndAbs) {
  EXPECT_EQ(Str("Int(-2.5)"), "-3");
  EXPECT_EQ(Str("Fix(-2.5)"), "-2");
  EXPECT_EQ(Str("Int(-1.99)"), "-2");
  EXPECT_EQ(Type("Int(True)"), "Integer");
  EXPECT_EQ(Type("Fix(\"2.5\")"), "Double");
  EXPECT_EQ(Str("Abs(-32768)"), "32768");
  EXPECT_EQ(Type("Abs(-32769)"), "Long");
  EXPECT_EQ(Str("Int(Null)"), "Null");
}

TEST_F(Conversion, IsNumericAcceptsNumbersAndNumericText) {
  EXPECT_EQ(Str("IsNumeric(\" 12 \")"), "True");
  EXPECT_EQ(Str("IsNumeric(\"&H10\")"), "True");
  EXPECT_EQ(Str("IsNumeric(\"1e3\")"), "True");
  EXPECT_EQ(Str("IsNumeric(\"12a\")"), "False");
  EXPECT_EQ(Str("IsNumeric(\"\")"), "False");
  EXPECT_EQ(Str("IsNumeric(Empty)"), "True");
  EXPECT_EQ(Str("IsNumeric(Null)"), "False");
  EXPECT_EQ(Str("IsNumeric(True)"), "True");
}

TEST_F(Conversion, HexAndOctUseSixteenBitsForIntegers) {
  EXPECT_EQ(Str("Hex(-1)"), "FFFF");
  EXPECT_EQ(Str("Hex(-32767)"), "8001");
  EXPECT_EQ(Str("Hex(-32768)"), "FFFF8000");  // that literal is a Long
  EXPECT_EQ(Str("Hex(228.5)"), "E4");
  EXPECT_EQ(Str("Hex(255)"), "FF");
  EXPECT_EQ(Str("Hex(CLng(-1))"), "FFFFFFFF");
  EXPECT_EQ(Str("Oct(-1)"), "177777");
  EXPECT_EQ(Str("Oct(-32768)"), "37777700000");
  EXPECT_EQ(Str("Oct(8)"), "10");
  EXPECT_EQ(Str("Hex(Empty)"), "0");
  EXPECT_EQ(Str("Hex(Null)"), "Null");
  EXPECT_EQ(ErrorOf("Hex(2147483648)"), 6);
  EXPECT_EQ(ErrorOf("Hex(\"zz\")"), 13);
}

TEST_F(Conversion, DatesConvertFromSerials) {
  EXPECT_EQ(Str("CDate(1)"), "12/31/1899");
  EXPECT_EQ(Str("CDate(-1)"), "12/29/1899");
  EXPECT_EQ(Str("CDate(0)"), "12:00:00 AM");
  EXPECT_EQ(Str("CDate(\"3/15/2026 2:30:45 PM\")"), "3/15/2026 2:30:45 PM");
  EXPECT_EQ(Str("CDbl(DateSerial(1899, 12, 29) + TimeSerial(12, 0, 0))"), "-0.5");
  EXPECT_EQ(Str("DateSerial(1899, 12, 29) + TimeSerial(12, 0, 0)"), "12:00:00 PM");
  EXPECT_EQ(ErrorOf("CDate(\"\")"), 13);
}

}  // namespace
}  // namespace sw::vbs
