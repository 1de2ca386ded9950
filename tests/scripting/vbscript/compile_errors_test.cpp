// Compile errors: the number a faulty text gets, and that Select Case rejects To and Is.
#include <gtest/gtest.h>

#include "scripting/vbscript/engine.h"

namespace sw::vbs {
namespace {

struct Case {
  const char* code;
  int number;
};

class CompileErrors : public testing::TestWithParam<Case> {};

TEST_P(CompileErrors, Number) {
  Engine engine;
  Result r = engine.AddCode(GetParam().code);
  ASSERT_FALSE(r.ok()) << GetParam().code;
  EXPECT_TRUE(r.error().compile) << GetParam().code;
  EXPECT_EQ(r.error().number, GetParam().number) << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CompileErrors,
    testing::Values(
        Case{"x = \"abc", 1033}, Case{"x = @a", 1032}, Case{"x = (1 + 2", 1006},
        Case{"If True\nEnd If", 1017}, Case{"For i = 1 x 10\nNext", 1013}, Case{"Loop", 1038},
        Case{"Next", 1055}, Case{"Dim If", 1010}, Case{"Exit Do", 1039},
        Case{"Sub S\nExit Function\nEnd Sub", 1039}, Case{"Function F\nEnd Sub", 1015},
        Case{"Sub S\nEnd Function", 1016}, Case{"Sub S", 1014}, Case{"While True\n", 1018},
        Case{"Do\n", 1019}, Case{"For i = 1 To 2\n", 1020},
        Case{"Property Get P\nEnd Property", 1048}, Case{"Dim x(\"a\")", 1026},
        Case{"Const C = 1 + 2", 1045}, Case{"Const C 1", 1011}, Case{"Dim a\nDim a", 1041},
        Case{"Sub S(a, b)\nEnd Sub\nS(1, 2)", 1044},
        Case{"Select Case 1\nCase 1 To 5\nEnd Select", 1024},
        Case{"Select Case 1\nCase Is > 5\nEnd Select", 1023}, Case{"Select Case 1\nEnd If", 1022},
        Case{"Do Foo\nLoop", 1028},
        Case{"Class C\nSub Class_Initialize(x)\nEnd Sub\nEnd Class", 1053},
        Case{"Class C\nDefault Property Get A\nEnd Property\nEnd Class", 1057},
        Case{"Class C\nPublic Default Property Let A(v)\nEnd Property\nEnd Class", 1058},
        Case{"Class C\nPublic Default Function A\nEnd Function\n"
             "Public Default Function B\nEnd Function\nEnd Class",
             1052},
        Case{"Class C\nProperty Let P\nEnd Property\nEnd Class", 1054},
        Case{"Sub S\nClass C\nEnd Class\nEnd Sub", 1002}, Case{"For Each x Of y\nNext", 1046},
        Case{"For o.x = 1 To 2\nNext", 1040}, Case{"Set Me = Nothing", 1037},
        Case{"x = &HFFFFFFFFF", 1031}, Case{"x = &O8", 1002}, Case{"x = 1e999", 1031},
        Case{"x = 1 _ y", 1032}, Case{"x = #13/45/2000#", 1002}, Case{"x = 1.5.5", 1025},
        Case{"Class C _\nEnd Class", 1024}, Case{"If x Then\nEnd With", 1012},
        Case{"With x\nEnd If", 1029}));

TEST(CompileErrorReport, PointsAtLineAndColumn) {
  Engine engine;
  Result r = engine.AddCode("x = 1\n  y = (2 +\n");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().number, 1023);
  EXPECT_EQ(r.error().description, "Expected expression");
  EXPECT_EQ(r.error().line, 2);
  EXPECT_EQ(r.error().column, 11);
  EXPECT_EQ(r.error().text, "  y = (2 +");
}

TEST(CompileErrorReport, ColumnsCountUtf16UnitsNotBytes) {
  Engine engine;
  // Three kanji (three bytes each in UTF-8) are three units; the emoji beyond U+FFFF is two.
  Result r = engine.AddCode("x = 1\ns = \"日本語\" )");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().number, 1025);
  EXPECT_EQ(r.error().column, 11);
  r = engine.AddCode("s = \"\xF0\x9F\x98\x80é\" + (");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().number, 1023);
  EXPECT_EQ(r.error().column, 14);
  EXPECT_EQ(r.error().text, "s = \"\xF0\x9F\x98\x80é\" + (");
}

TEST(CompileErrorReport, ReservedWordsThatMayBeNames) {
  Engine engine;
  EXPECT_TRUE(engine
                  .AddCode("Dim Default, Error, Explicit, Step, Property\n"
                           "Step = 2 : Error = Step * 2\nSub Explicit2(Default) : End Sub")
                  .ok());
  EXPECT_EQ(engine.Eval("Error").value().ToLong(), 4);
}

}  // namespace
}  // namespace sw::vbs

namespace sw::vbs {
namespace {

TEST(CompileErrorReport, AbsurdNestingFailsInsteadOfCrashing) {
  Engine engine;
  std::string deep = "x = " + std::string(5000, '(') + "1" + std::string(5000, ')');
  Result r = engine.AddCode(deep);
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().number, 1001);
  std::string ifs;
  for (int i = 0; i < 3000; ++i) ifs += "If True Then\n";
  EXPECT_FALSE(engine.AddCode(ifs).ok());
  std::string fine = "x = " + std::string(50, '(') + "1" + std::string(50, ')');
  EXPECT_TRUE(engine.AddCode(fine).ok());
}

}  // namespace
}  // namespace sw::vbs
