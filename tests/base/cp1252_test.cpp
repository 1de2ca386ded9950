#include "base/cp1252.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(Cp1252, UpperHalfMapsToItsUnicodeUnits) {
  EXPECT_EQ(UnitOf1252(0x80), 0x20AC);  // euro sign
  EXPECT_EQ(UnitOf1252(0x8A), 0x0160);  // S with caron
  EXPECT_EQ(UnitOf1252(0x99), 0x2122);  // trade mark
  EXPECT_EQ(UnitOf1252(0x9F), 0x0178);  // Y with diaeresis
  EXPECT_EQ(UnitOf1252(0x81), 0x0081);  // unassigned bytes keep their value
  EXPECT_EQ(UnitOf1252('A'), 'A');
  EXPECT_EQ(UnitOf1252(0xA0), 0x00A0);
  EXPECT_EQ(UnitOf1252(0xE9), 0x00E9);
  EXPECT_EQ(UnitOf1252(0xFF), 0x00FF);
}

TEST(Cp1252, EveryByteSurvivesTheTripThroughItsUnit) {
  for (int b = 0; b < 256; ++b) {
    const unsigned char byte = static_cast<unsigned char>(b);
    EXPECT_EQ(static_cast<unsigned char>(ByteOf1252(UnitOf1252(byte))), byte) << b;
  }
}

TEST(Cp1252, UnitsOutsideTheCodePageBecomeAQuestionMark) {
  EXPECT_EQ(ByteOf1252(0x4E2D), '?');
  EXPECT_EQ(ByteOf1252(0x0080), '?');  // a control the code page replaced by the euro sign
  EXPECT_EQ(ByteOf1252(0x0100), '?');
  EXPECT_EQ(ByteOf1252(0x20AC), '\x80');
  EXPECT_EQ(ByteOf1252(0x0178), '\x9F');
}

TEST(Cp1252, FoldsAsciiAccentedAndUpperHalfCapitals) {
  EXPECT_EQ(FoldCase1252('A'), 'a');
  EXPECT_EQ(FoldCase1252('Z'), 'z');
  EXPECT_EQ(FoldCase1252('@'), '@');
  EXPECT_EQ(FoldCase1252('['), '[');
  EXPECT_EQ(FoldCase1252('a'), 'a');
  EXPECT_EQ(FoldCase1252(0xC0), 0xE0);  // A grave
  EXPECT_EQ(FoldCase1252(0xDE), 0xFE);  // thorn
  EXPECT_EQ(FoldCase1252(0xD7), 0xD7);  // the multiplication sign is no letter
  EXPECT_EQ(FoldCase1252(0xDF), 0xDF);  // sharp s has no capital here
  EXPECT_EQ(FoldCase1252(0x8A), 0x9A);
  EXPECT_EQ(FoldCase1252(0x8C), 0x9C);
  EXPECT_EQ(FoldCase1252(0x8E), 0x9E);
  EXPECT_EQ(FoldCase1252(0x9F), 0xFF);
  EXPECT_EQ(FoldCase1252(0x80), 0x80);
  for (int b = 0; b < 256; ++b) {
    const unsigned char once = FoldCase1252(static_cast<unsigned char>(b));
    EXPECT_EQ(FoldCase1252(once), once) << b;  // a folded character stays folded
  }
  EXPECT_EQ(FoldCase1252(std::string_view("Caf\xC9 \x8A")), "caf\xE9 \x9A");
}

TEST(Cp1252, UpperCaseUndoesTheFoldForEveryCapital) {
  EXPECT_EQ(UpperCase1252('a'), 'A');
  EXPECT_EQ(UpperCase1252(0xE9), 0xC9);
  EXPECT_EQ(UpperCase1252(0xF7), 0xF7);  // the division sign
  EXPECT_EQ(UpperCase1252(0xDF), 0xDF);  // sharp s
  EXPECT_EQ(UpperCase1252(0x9A), 0x8A);
  EXPECT_EQ(UpperCase1252(0xFF), 0x9F);
  for (int b = 0; b < 256; ++b) {
    const unsigned char c = static_cast<unsigned char>(b);
    if (FoldCase1252(c) != c) {
      EXPECT_EQ(UpperCase1252(FoldCase1252(c)), c) << b;
    }
    if (UpperCase1252(c) != c) {
      EXPECT_EQ(FoldCase1252(UpperCase1252(c)), c) << b;
    }
  }
}

}  // namespace
}  // namespace sw
