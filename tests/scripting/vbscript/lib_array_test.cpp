// Array functions: Split, Join, Filter, and arrays built by Array.
#include "scripting/vbscript/lib_test_support.h"

namespace sw::vbs {
namespace {

using Arrays = LibTest;

TEST_F(Arrays, SplitOnDelimiterWithLimitAndCompare) {
  EXPECT_EQ(Str("Join(Split(\"a b c\"), \"|\")"), "a|b|c");
  EXPECT_EQ(Str("UBound(Split(\"a,b,,c\", \",\"))"), "3");
  EXPECT_EQ(Str("Split(\"a,b,,c\", \",\")(2)"), "");
  EXPECT_EQ(Str("Join(Split(\"12345\", 3), \"|\")"), "12|45");
  EXPECT_EQ(Str("Join(Split(\"a,b,c,d\", \",\", 2), \"|\")"), "a|b,c,d");
  EXPECT_EQ(Str("Join(Split(\"aXbxc\", \"x\"), \"|\")"), "aXb|c");
  EXPECT_EQ(Str("Join(Split(\"aXbxc\", \"x\", -1, vbTextCompare), \"|\")"), "a|b|c");
  EXPECT_EQ(Str("Split(\"abc\", \"\")(0)"), "abc");
  EXPECT_EQ(Str("UBound(Split(\"abc\", \"\"))"), "0");
  EXPECT_EQ(Str("LBound(Split(\"a b\"))"), "0");
  EXPECT_EQ(Type("Split(\"a b\")"), "Variant()");
  EXPECT_EQ(Type("Split(\"a b\")(0)"), "String");
}

TEST_F(Arrays, SplitOfEmptyTextIsEmptyArray) {
  EXPECT_EQ(Str("UBound(Split(\"\"))"), "-1");
  EXPECT_EQ(Str("UBound(Split(\"\", \",\"))"), "-1");
  EXPECT_EQ(Str("UBound(Split(\"a,b\", \",\", 0))"), "-1");
}

TEST_F(Arrays, SplitErrors) {
  EXPECT_EQ(ErrorOf("Split(Null)"), 94);
  EXPECT_EQ(ErrorOf("Split(\"a\", Null)"), 94);
  EXPECT_EQ(ErrorOf("Split(\"a\", \",\", -2)"), 5);
  EXPECT_EQ(ErrorOf("Split(\"a\", \",\", -1, 2)"), 5);
}

TEST_F(Arrays, JoinConvertsElements) {
  EXPECT_EQ(Str("Join(Array(1, \"b\", True, Empty, 2.5))"), "1 b True  2.5");
  EXPECT_EQ(Str("Join(Array(\"a\", \"b\"), \"\")"), "ab");
  EXPECT_EQ(Str("Join(Array())"), "");
  EXPECT_EQ(ErrorOf("Join(Array(1, Null))"), 13);
  EXPECT_EQ(ErrorOf("Join(Array(1, Array(2)))"), 13);
  EXPECT_EQ(ErrorOf("Join(\"abc\")"), 13);
  EXPECT_EQ(ErrorOf("Join(Null)"), 94);
  EXPECT_EQ(ErrorOf("Join(Array(1), Null)"), 94);
  EXPECT_EQ(RunError("Dim m(1, 1) : x = Join(m)"), 13);
}

TEST_F(Arrays, FilterKeepsOrDropsMatches) {
  EXPECT_EQ(Str("Join(Filter(Array(\"apple\", \"pear\", \"grape\"), \"ap\"), \"|\")"),
            "apple|grape");
  EXPECT_EQ(Str("Join(Filter(Array(\"apple\", \"pear\", \"grape\"), \"ap\", False), \"|\")"),
            "pear");
  EXPECT_EQ(Str("Join(Filter(Array(\"Apple\", \"pear\"), \"ap\", True, 1), \"|\")"), "Apple");
  EXPECT_EQ(Str("Join(Filter(Array(\"Apple\", \"pear\"), \"ap\"), \"|\")"), "");
  EXPECT_EQ(Str("UBound(Filter(Array(\"a\", \"b\"), \"z\"))"), "-1");
  EXPECT_EQ(Str("UBound(Filter(Array(\"a\", \"b\"), \"\"))"), "1");
  EXPECT_EQ(Str("Filter(Array(12, 3), 2)(0)"), "12");
  EXPECT_EQ(ErrorOf("Filter(\"abc\", \"a\")"), 13);
  EXPECT_EQ(ErrorOf("Filter(Null, \"a\")"), 94);
  EXPECT_EQ(ErrorOf("Filter(Array(\"a\"), Null)"), 94);
}

TEST_F(Arrays, BoundsOfBuiltArrays) {
  EXPECT_EQ(Str("UBound(Array())"), "-1");
  EXPECT_EQ(Str("Array(1, 2)(1)"), "2");
  EXPECT_EQ(ErrorOf("UBound(5)"), 13);
  EXPECT_EQ(RunError("Dim d() : x = UBound(d)"), 9);
  // Bounds below -1 give an empty array that no index reaches, read or written.
  EXPECT_EQ(RunError("ReDim a(-5) : a(1) = 2"), 9);
  EXPECT_EQ(RunError("ReDim Preserve b(-5) : x = b(0)"), 9);
  EXPECT_EQ(Run("ReDim c(-5) : WScript.Echo UBound(c)"), "-1\n");
}

}  // namespace
}  // namespace sw::vbs
