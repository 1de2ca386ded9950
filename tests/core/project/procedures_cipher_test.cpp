#include "core/project/procedures_cipher.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(ProceduresCipher, NameSumSkipsOverflowingAdditions) {
  EXPECT_EQ(ProjectNameSum("None"), 'N' + 'o' + 'n' + 'e');
  EXPECT_EQ(ProjectNameSum(""), 0);
  // 300 letters 'z' (122) would pass 32767: each addition that would overflow is skipped.
  const int16_t sum = ProjectNameSum(std::string(300, 'z'));
  EXPECT_EQ(sum, 122 * (32767 / 122));
}

TEST(ProceduresCipher, OneCharacterLineGivesNothingAndOthersPassReversed) {
  EXPECT_EQ(UnscrambleLine("", 5), "");
  EXPECT_EQ(UnscrambleLine("Q", 5), "");
  // Tab (9) and code 200 lie outside 32..126: they come out unchanged, in reversed position.
  const std::string line = std::string("A") + '\t' + static_cast<char>(200);
  EXPECT_EQ(UnscrambleLine(line, 7), std::string() + static_cast<char>(200) + '\t');
}

TEST(ProceduresCipher, KnownLineUnscrambles) {
  // Worked by hand: start s = 'A' - 32 = 33, sum A = 0, key 'q' - 32 = 81 for i = 0:
  // t = 33 * 81 = 2673; 'B' - 32 - 2673 = -2639, whose remainder by 94 is -7, plus 94 = 87;
  // 87 + 32 = 119 = 'w'.
  EXPECT_EQ(UnscrambleLine("AB", 0), "w");
}

TEST(ProceduresCipher, ScramblingIsTheInverse) {
  const std::string text = "Sub Hello()\tMsgBox \"Hi, \" & Name : End Sub";
  for (int16_t sum : {int16_t{0}, int16_t{417}, int16_t{-3}}) {
    for (char first : {'A', ' ', '}'}) {
      EXPECT_EQ(UnscrambleLine(ScrambleLine(text, sum, first), sum), text);
    }
  }
}

}  // namespace
}  // namespace sw
