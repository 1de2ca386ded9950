#include "core/project/interface_texts.h"

#include <gtest/gtest.h>

#include "core/valuefile/value_reader.h"
#include "core/valuefile/value_writer.h"

namespace sw {
namespace {

ValueReader TextsFile(int mode, const std::vector<std::string>& custom) {
  ValueWriter w;
  w.Integer(static_cast<int16_t>(mode)).EndLine();
  for (int i = 0; i < 5; ++i) w.String("");
  w.EndLine().Integer(static_cast<int16_t>(custom.size())).EndLine();
  for (const auto& c : custom) w.String(c).EndLine();
  return ValueReader(w.bytes());
}

TEST(InterfaceTexts, WordingsDifferWhereTheyShould) {
  InterfaceTexts t;
  t.SetDefaults(0);
  EXPECT_EQ(t[1], "Start");
  EXPECT_EQ(t[2], "  Load...");
  EXPECT_EQ(t[16], "");
  EXPECT_EQ(t[29], "Error");
  EXPECT_EQ(t[37], "CD-Rom drive:");
  t.SetDefaults(1);
  EXPECT_EQ(t[1], "Start New Game");
  EXPECT_EQ(t[8], "Save Game...");
  EXPECT_EQ(t[37], "CD-ROM Drive:");
  EXPECT_EQ(t[12], "Exit");
  EXPECT_EQ(t[0], "");
  EXPECT_EQ(t[61], "");  // outside the table
}

TEST(InterfaceTexts, CustomModeChangesOnlyTheGivenEntries) {
  InterfaceTexts t;
  t.SetDefaults(1);
  t.Set(55, "kept");
  ValueReader r = TextsFile(2, {"Begin", "Charger", "Quitter"});
  t.Load(r);
  EXPECT_EQ(t[1], "Begin");
  EXPECT_EQ(t[3], "Quitter");
  EXPECT_EQ(t[4], "Created By:");
  EXPECT_EQ(t[8], "  Save...");  // wording 0 underneath the custom entries
  EXPECT_EQ(t[55], "kept");
}

TEST(InterfaceTexts, UnknownModeLeavesEverything) {
  InterfaceTexts t;
  t.SetDefaults(1);
  ValueReader r = TextsFile(7, {"x"});
  t.Load(r);
  EXPECT_EQ(t[1], "Start New Game");
}

TEST(InterfaceTexts, MoreThanSixtyEntriesIsAnError) {
  InterfaceTexts t;
  ValueReader r = TextsFile(2, std::vector<std::string>(61, "x"));
  EXPECT_THROW(t.Load(r), VbError);
}

TEST(InterfaceTexts, StandardErrorTextJoinsEntries) {
  InterfaceTexts t;
  t.SetDefaults(1);
  EXPECT_EQ(t.StandardErrorText(" Error loading project information."),
            "An error has occurred. The game may not work properly. Press 'Esc' and the click "
            "'Exit' to quit.\r\n\r\nError description: Error loading project information.");
}

}  // namespace
}  // namespace sw
