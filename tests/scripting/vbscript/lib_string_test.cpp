// String functions: InStr, InStrRev, Replace, StrComp, String, StrReverse, byte and wide
// forms, Escape and Unescape.
#include "scripting/vbscript/lib_test_support.h"

namespace sw::vbs {
namespace {

using StringFunctions = LibTest;

TEST_F(StringFunctions, InStrFindsFromStartWithCompareModes) {
  EXPECT_EQ(Str("InStr(\"abcabc\", \"c\")"), "3");
  EXPECT_EQ(Type("InStr(\"abcabc\", \"c\")"), "Long");
  EXPECT_EQ(Str("InStr(4, \"abcabc\", \"c\")"), "6");
  EXPECT_EQ(Str("InStr(\"abc\", \"C\")"), "0");
  EXPECT_EQ(Str("InStr(1, \"abc\", \"C\", vbTextCompare)"), "3");
  EXPECT_EQ(Str("InStr(1, \"abc\", \"C\", 0)"), "0");
  EXPECT_EQ(Str("InStr(2.6, \"abcabc\", \"b\")"), "5");  // start rounds to 3
  EXPECT_EQ(Str("InStr(4, \"abcdef\", \"\")"), "4");
  EXPECT_EQ(Str("InStr(\"\", \"\")"), "0");
  EXPECT_EQ(Str("InStr(9, \"abc\", \"a\")"), "0");
  EXPECT_EQ(Str("InStr(12345, 3)"), "3");
}

TEST_F(StringFunctions, InStrNullAndErrors) {
  EXPECT_EQ(Str("InStr(Null, \"a\")"), "Null");
  EXPECT_EQ(Str("InStr(\"a\", Null)"), "Null");
  EXPECT_EQ(ErrorOf("InStr(Null, \"a\", \"b\")"), 94);
  EXPECT_EQ(ErrorOf("InStr(0, \"a\", \"b\")"), 5);
  EXPECT_EQ(ErrorOf("InStr(1, \"a\", \"b\", 2)"), 5);
  EXPECT_EQ(ErrorOf("InStr(1, \"a\", \"b\", Null)"), 94);
  EXPECT_EQ(ErrorOf("InStr(\"a\")"), 450);
}

TEST_F(StringFunctions, InStrRevSearchesBackwardWithinStart) {
  EXPECT_EQ(Str("InStrRev(\"abcabc\", \"b\")"), "5");
  EXPECT_EQ(Str("InStrRev(\"abcabc\", \"b\", 4)"), "2");
  EXPECT_EQ(Str("InStrRev(\"abcabc\", \"bc\", 5)"), "2");  // must end within 5 chars
  EXPECT_EQ(Str("InStrRev(\"abcabc\", \"B\", -1, 1)"), "5");
  EXPECT_EQ(Str("InStrRev(\"abc\", \"a\", 9)"), "0");
  EXPECT_EQ(Str("InStrRev(\"abc\", \"\", 2)"), "2");
  EXPECT_EQ(ErrorOf("InStrRev(\"abc\", \"a\", 0)"), 5);
  EXPECT_EQ(ErrorOf("InStrRev(\"abc\", \"a\", -2)"), 5);
  EXPECT_EQ(ErrorOf("InStrRev(Null, \"a\")"), 94);
}

TEST_F(StringFunctions, ReplaceWithStartCountAndCompare) {
  EXPECT_EQ(Str("Replace(\"xx abxx(xx)\", \"xx\", \"!\", 2)"), "x ab!(!)");
  EXPECT_EQ(Str("Replace(\"a-b-c\", \"-\", \"+\")"), "a+b+c");
  EXPECT_EQ(Str("Replace(\"a-b-c\", \"-\", \"+\", 1, 1)"), "a+b-c");
  EXPECT_EQ(Str("Replace(\"a-b-c\", \"-\", \"+\", 1, 0)"), "a-b-c");
  EXPECT_EQ(Str("Replace(\"aAa\", \"a\", \"x\")"), "xAx");
  EXPECT_EQ(Str("Replace(\"aAa\", \"a\", \"x\", 1, -1, vbTextCompare)"), "xxx");
  EXPECT_EQ(Str("Replace(\"abc\", \"\", \"x\", 2)"), "bc");
  EXPECT_EQ(Str("Replace(\"abc\", \"b\", \"x\", 9)"), "");
  EXPECT_EQ(ErrorOf("Replace(\"abc\", \"b\", \"x\", 0)"), 5);
  EXPECT_EQ(ErrorOf("Replace(\"abc\", \"b\", \"x\", 1, -2)"), 5);
  EXPECT_EQ(ErrorOf("Replace(Null, \"b\", \"x\")"), 94);
  EXPECT_EQ(ErrorOf("Replace(\"abc\", \"b\", Null)"), 94);
}

TEST_F(StringFunctions, StrCompOrdersByBinaryOrText) {
  EXPECT_EQ(Str("StrComp(\"a\", \"b\")"), "-1");
  EXPECT_EQ(Str("StrComp(\"b\", \"a\")"), "1");
  EXPECT_EQ(Str("StrComp(\"A\", \"a\")"), "-1");
  EXPECT_EQ(Str("StrComp(\"A\", \"a\", 1)"), "0");
  EXPECT_EQ(Str("StrComp(\"10\", \"9\")"), "-1");
  EXPECT_EQ(Str("StrComp(Empty, \"\")"), "0");
  EXPECT_EQ(Str("StrComp(Null, \"a\")"), "Null");
  EXPECT_EQ(ErrorOf("StrComp(\"a\", \"b\", 3)"), 5);
}

TEST_F(StringFunctions, StringRepeatsFirstCharacterOrCode) {
  EXPECT_EQ(Str("String(3, \"xyz\")"), "xxx");
  EXPECT_EQ(Str("String(2, 65)"), "AA");
  EXPECT_EQ(Str("String(0, \"x\")"), "");
  EXPECT_EQ(ErrorOf("String(0, \"\")"), 5);
  EXPECT_EQ(ErrorOf("String(-1, \"x\")"), 5);
}

TEST_F(StringFunctions, StrReverse) {
  EXPECT_EQ(Str("StrReverse(\"abc\")"), "cba");
  EXPECT_EQ(Str("StrReverse(True)"), "eurT");
  EXPECT_EQ(Str("StrReverse(\"\")"), "");
  EXPECT_EQ(ErrorOf("StrReverse(Null)"), 94);
}

TEST_F(StringFunctions, ByteFormsSeeTheUtf16Bytes) {
  EXPECT_EQ(Str("LenB(\"abc\")"), "6");
  EXPECT_EQ(Str("LenB(Null)"), "Null");
  EXPECT_EQ(Str("InStrB(\"ABC\", \"B\")"), "3");
  EXPECT_EQ(Str("InStrB(3, \"ABC\", \"B\")"), "3");
  EXPECT_EQ(Str("InStrB(4, \"ABC\", \"B\")"), "0");
  EXPECT_EQ(Str("LeftB(\"ABC\", 2)"), "A");
  EXPECT_EQ(Str("RightB(\"ABC\", 4)"), "BC");
  EXPECT_EQ(Str("MidB(\"ABC\", 3, 2)"), "B");
  EXPECT_EQ(Str("AscB(\"A\")"), "65");
  EXPECT_EQ(Type("AscB(\"A\")"), "Byte");
  EXPECT_EQ(ErrorOf("LeftB(\"ABC\", -1)"), 5);
  EXPECT_EQ(ErrorOf("ChrB(256)"), 6);
  EXPECT_EQ(ErrorOf("AscB(\"\")"), 5);
}

TEST_F(StringFunctions, WideFormsUseUtf16Units) {
  EXPECT_EQ(Str("AscW(\"A\")"), "65");
  EXPECT_EQ(Type("AscW(\"A\")"), "Integer");
  EXPECT_EQ(Str("AscW(Chr(128))"), "8364");  // the euro sign
  EXPECT_EQ(Str("AscW(ChrW(8364)) = AscW(Chr(128))"), "True");
  EXPECT_EQ(Str("AscW(ChrW(-32768 + 65))"), "-32703");  // beyond the ANSI code page
  EXPECT_EQ(Str("ChrW(233) = Chr(233)"), "True");
  EXPECT_EQ(ErrorOf("ChrW(65536)"), 5);
  EXPECT_EQ(ErrorOf("ChrW(-32769)"), 5);
  EXPECT_EQ(ErrorOf("AscW(\"\")"), 5);
  EXPECT_EQ(ErrorOf("AscW(Empty)"), 5);
  EXPECT_EQ(ErrorOf("AscW(Null)"), 94);
}

TEST_F(StringFunctions, EscapeKeepsSafeCharactersAndEncodesTheRest) {
  EXPECT_EQ(Str("Escape(\"a b@*_+-./\")"), "a%20b@*_+-./");
  EXPECT_EQ(Str("Escape(\"100%\" & Chr(233))"), "100%25%E9");
  EXPECT_EQ(Str("Escape(Chr(128))"), "%u20AC");
  EXPECT_EQ(Str("Escape(\"<&>\")"), "%3C%26%3E");
  EXPECT_EQ(ErrorOf("Escape(Null)"), 94);
}

TEST_F(StringFunctions, UnescapeDecodesAndLeavesBrokenSequences) {
  EXPECT_EQ(Str("Unescape(\"a%20b%3c\")"), "a b<");
  EXPECT_EQ(Str("Unescape(\"%u20ac\") = Chr(128)"), "True");
  EXPECT_EQ(Str("Unescape(\"%\")"), "%");
  EXPECT_EQ(Str("Unescape(\"%2\")"), "%2");
  EXPECT_EQ(Str("Unescape(\"%2G\")"), "%2G");
  EXPECT_EQ(Str("Unescape(Escape(\"x=1&y=2 z\"))"), "x=1&y=2 z");
  EXPECT_EQ(ErrorOf("Unescape(Null)"), 94);
}

TEST_F(StringFunctions, ExistingBasicsFollowTheDocumentedQuirks) {
  EXPECT_EQ(Str("Left(\"123456\", 2.5)"), "12");
  EXPECT_EQ(Str("Mid(\"abcdef\", 3)"), "cdef");
  EXPECT_EQ(Str("Mid(\"abc\", 9)"), "");
  EXPECT_EQ(Str("Asc(3)"), "51");
  EXPECT_EQ(Str("Chr(119.5)"), "x");
  EXPECT_EQ(Str("UCase(True)"), "TRUE");
  EXPECT_EQ(Str("Len(12.5)"), "4");
  EXPECT_EQ(Str("Space(4.5) & \"|\""), "    |");
  EXPECT_EQ(ErrorOf("Mid(\"abc\", 0)"), 5);
}

}  // namespace
}  // namespace sw::vbs
