// Numeric functions: Round, Sgn, Sqr, Log, Exp, trigonometry, RGB, Rnd and Randomize.
#include <cmath>

#include "scripting/vbscript/lib_test_support.h"

namespace sw::vbs {
namespace {

using MathFunctions = LibTest;

TEST_F(MathFunctions, RoundIsHalfToEvenAndKeepsIntegerSubtypes) {
  EXPECT_EQ(Str("Round(2.5)"), "2");
  EXPECT_EQ(Str("Round(3.5)"), "4");
  EXPECT_EQ(Str("Round(-3.5)"), "-4");
  EXPECT_EQ(Str("Round(2.25, 1)"), "2.2");
  EXPECT_EQ(Str("Round(0.125, 2)"), "0.12");
  EXPECT_EQ(Str("Round(1.2345, 2)"), "1.23");
  EXPECT_EQ(Type("Round(2.5)"), "Double");
  EXPECT_EQ(Type("Round(CInt(7))"), "Integer");
  EXPECT_EQ(Type("Round(True)"), "Boolean");
  EXPECT_EQ(Type("Round(\"2.5\")"), "Double");
  EXPECT_EQ(Str("Round(CCur(2.345), 2)"), "2.34");
  EXPECT_EQ(Str("Round(Null)"), "Null");
  EXPECT_EQ(ErrorOf("Round(1.5, -1)"), 5);
  EXPECT_EQ(ErrorOf("Round(\"x\")"), 13);
}

TEST_F(MathFunctions, SgnSqrLogExp) {
  EXPECT_EQ(Str("Sgn(-4.5)"), "-1");
  EXPECT_EQ(Str("Sgn(0)"), "0");
  EXPECT_EQ(Str("Sgn(True)"), "-1");
  EXPECT_EQ(Str("Sgn(Empty)"), "0");
  EXPECT_EQ(Type("Sgn(3.2)"), "Integer");
  EXPECT_EQ(ErrorOf("Sgn(Null)"), 94);
  EXPECT_EQ(Str("Sqr(16)"), "4");
  EXPECT_EQ(Str("Sqr(Empty)"), "0");
  EXPECT_EQ(ErrorOf("Sqr(-1)"), 5);
  EXPECT_EQ(ErrorOf("Sqr(True)"), 5);
  EXPECT_EQ(Str("Log(1)"), "0");
  EXPECT_EQ(ErrorOf("Log(0)"), 5);
  EXPECT_EQ(ErrorOf("Log(False)"), 5);
  EXPECT_EQ(Str("Exp(0)"), "1");
  EXPECT_EQ(ErrorOf("Exp(1000)"), 6);
}

TEST_F(MathFunctions, Trigonometry) {
  EXPECT_EQ(Str("Atn(1) * 4"), "3.14159265358979");
  EXPECT_EQ(Str("Cos(0)"), "1");
  EXPECT_EQ(Str("Sin(Empty)"), "0");
  EXPECT_EQ(Type("Tan(1)"), "Double");
  EXPECT_NEAR(Eval("Tan(1)").ToDouble(), std::tan(1.0), 1e-15);
}

TEST_F(MathFunctions, RgbPacksAndClampsParts) {
  EXPECT_EQ(Str("RGB(1, 2, 3)"), "197121");
  EXPECT_EQ(Type("RGB(1, 2, 3)"), "Long");
  EXPECT_EQ(Str("RGB(300, 0, 0)"), "255");
  EXPECT_EQ(Str("RGB(255, 255, 255) = vbWhite"), "True");
  EXPECT_EQ(ErrorOf("RGB(-1, 0, 0)"), 5);
}

TEST_F(MathFunctions, RndFollowsTheEnginesSequence) {
  EXPECT_EQ(Str("Rnd(0)"), "0.01953125");
  EXPECT_EQ(Run("For i = 1 To 5 : WScript.Echo Rnd : Next"),
            "0.7055475\n0.533424\n0.5795186\n0.2895625\n0.301948\n");
  EXPECT_EQ(Run("WScript.Echo Rnd(0), Rnd(0)"), "0.301948 0.301948\n");
  EXPECT_EQ(Type("Rnd"), "Single");
}

TEST_F(MathFunctions, NegativeArgumentSeedsTheSameValue) {
  EXPECT_EQ(Str("Rnd(-1)"), "0.224007");
  EXPECT_EQ(Str("Rnd"), Str("Rnd(-1) + Rnd - Rnd(-1)"));  // the value after -1 repeats
  EXPECT_EQ(Str("Rnd(-1)"), "0.224007");
}

TEST_F(MathFunctions, RndMinusOneThenRandomizeRepeatsSequences) {
  const std::string seq = "x = Rnd(-1) : Randomize 123 : WScript.Echo Rnd, Rnd, Rnd";
  std::string first = Run(seq);
  EXPECT_EQ(Run(seq), first);
  // Randomize alone keeps the low byte of the old seed, so repeating it changes the sequence.
  std::string a = Run("Randomize 123 : WScript.Echo Rnd, Rnd");
  std::string b = Run("Randomize 123 : WScript.Echo Rnd, Rnd");
  EXPECT_NE(a, b);
  EXPECT_EQ(RunError("x = Randomize(0)"), 13);
}

}  // namespace
}  // namespace sw::vbs
