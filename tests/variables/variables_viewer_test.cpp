#include "variables/variables_viewer.h"

#include <gtest/gtest.h>

#include "interaction/play_fixture.h"

namespace sw::testing {
namespace {

class VariablesViewerTest : public PlayFixture {
 protected:
  void SetUp() override { Frame("Hall"); }
};

size_t CountLines(const std::string& page) {
  size_t n = 0;
  for (size_t at = page.find("\r\n"); at != std::string::npos; at = page.find("\r\n", at + 2)) ++n;
  return n;
}

TEST_F(VariablesViewerTest, WithoutVariablesOneBoxOfEightLines) {
  writer.WriteVariables({});
  Start();
  ViewVariablesStatus(game.runtime, variables());
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].title, "Variables Status");
  EXPECT_EQ(messages()[0].icon, "information");
  const std::string& text = messages()[0].text;
  EXPECT_EQ(CountLines(text), 9u) << "eight lines and the closing line break";
  EXPECT_EQ(text.rfind("This window allows you to view the value of all the project variables.", 0),
            0u);
  EXPECT_NE(text.find("\r\n-------------------------- INTEGER VARIABLES: "
                      "--------------------------             \r\n\r\n\r\n"),
            std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 6), "\r\n\r\n\r\n");
}

TEST_F(VariablesViewerTest, TwentyVariablesMakeTwoBoxes) {
  std::vector<std::string> names;
  for (int i = 1; i <= 20; ++i) names.push_back("V" + std::to_string(i));
  writer.WriteVariables(names);
  Start();
  variables().ChangeVariableValue("V20", 7);
  ViewVariablesStatus(game.runtime, variables());
  ASSERT_EQ(messages().size(), 2u);
  const std::string& first = messages()[0].text;
  EXPECT_EQ(CountLines(first), 25u) << "lines 0 to 24";
  EXPECT_EQ(first.substr(first.size() - 11), "\r\nV20 = 7\r\n") << "line 24 is the last variable";
  // A line of blanks, then lines 25 to 27 and the closing line break.
  const std::string& second = messages()[1].text;
  EXPECT_EQ(second, std::string(52, ' ') +
                        "\r\n\r\n-------------------------- VARIANT VARIABLES: "
                        "--------------------------             \r\n\r\n\r\n");
}

TEST_F(VariablesViewerTest, VariantValuesAsTextAndAValueWithoutTextStopsTheListing) {
  writer.WriteVariables({"Door"}, {"Name", "Score", "Nothing"});
  Start();
  VariableStore& store = variables();
  store.ChangeVariableVariantValue("Name", Variant(std::string("Ann")));
  store.ChangeVariableVariantValue("Score", Variant(2.5));
  store.ChangeVariableVariantValue("Nothing", Variant());
  const auto lines = VariablesStatusLines(store);
  ASSERT_EQ(lines.size(), 1u + 8 + 3);
  EXPECT_EQ(lines[5], "Door = 0");
  EXPECT_EQ(lines[9], "Name = Ann");
  EXPECT_EQ(lines[10], "Score = 2.5");
  EXPECT_EQ(lines[11], "Nothing = ");
  store.ChangeVariableVariantValue("Score", Variant::Null());
  ViewVariablesStatus(game.runtime, store);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].title, "Error");
  EXPECT_EQ(messages()[0].icon, "warning");
  EXPECT_EQ(messages()[0].text, "Error displaying variables status. Invalid use of Null");
}

}  // namespace
}  // namespace sw::testing
