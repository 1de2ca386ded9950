#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "interaction/play_fixture.h"
#include "variables/variable_service.h"

namespace sw::testing {
namespace {

class VariableStoreTest : public PlayFixture {
 protected:
  void SetUp() override { Frame("Hall"); }
};

TEST_F(VariableStoreTest, LoadsIntegerThenVariantNamesAtZeroWithoutDuplicatesOnReload) {
  writer.WriteVariables({"Door", "Lamp"}, {"Score", "***", "Name"});
  Start();
  VariableStore& store = variables();
  ASSERT_EQ(store.Variables.Count(), 2);
  EXPECT_EQ(store.Variables.At(1).Name(), "Door");
  EXPECT_EQ(store.Variables.At(2).Value(), 0);
  // A second "***" only keeps the reader in the variant part.
  ASSERT_EQ(store.VariablesVariant.Count(), 2);
  EXPECT_EQ(store.VariablesVariant.At(2).Name(), "Name");
  EXPECT_EQ(store.VariablesVariant.At(1).Value().type(), VarType::Integer);
  store.ChangeVariableValue("Door", 1);
  store.AddDisappeared("Hall", 2);
  store.LoadVariables();
  EXPECT_EQ(store.Variables.Count(), 2);
  EXPECT_EQ(store.GetVariableValue("Door"), 0);
  EXPECT_TRUE(store.HasDisappeared("Hall", 2));  // loading leaves the disappeared list alone
  EXPECT_TRUE(messages().empty());
}

TEST_F(VariableStoreTest, AFileWithOnlyItsFirstValueLoadsNothingQuietly) {
  writer.WriteRaw("Config/Variables", "\"editor data\"\r\n");
  Start();
  EXPECT_EQ(variables().Variables.Count(), 0);
  EXPECT_EQ(variables().VariablesVariant.Count(), 0);
  EXPECT_TRUE(messages().empty());
}

TEST_F(VariableStoreTest, AMissingFileIsReportedOnEachLoad) {
  Start();  // no Variables file
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text, StandardError(" Unable to load variables list."));
  EXPECT_EQ(messages()[0].icon, "critical");
  variables().LoadVariables();
  EXPECT_EQ(messages().size(), 2u);
  writer.WriteVariables({"A", "B"});
  variables().LoadVariables();
  EXPECT_EQ(variables().Variables.Count(), 2);
  EXPECT_EQ(messages().size(), 2u);
}

TEST_F(VariableStoreTest, ToggleInvertsTheLowestBitAndOtherValuesAreStored) {
  writer.WriteVariables({"A"});
  Start();
  VariableStore& store = variables();
  const std::vector<std::pair<int16_t, int16_t>> toggles = {{5, 4}, {0, 1}, {1, 0}, {-2, -1}};
  for (const auto& [before, after] : toggles) {
    store.ChangeVariableValue("A", before);
    store.ChangeVariableValue("A", VariableStore::kToggle);
    EXPECT_EQ(store.GetVariableValue("A"), after) << "toggling " << before;
  }
  store.ChangeVariableValue("A", 300);
  EXPECT_EQ(store.GetVariableValue("A"), 300);
}

TEST_F(VariableStoreTest, NamesAreExactDuplicatesAllChangeAndTheFirstIsRead) {
  writer.WriteVariables({"Key", "Twin", "Twin"});
  Start();
  VariableStore& store = variables();
  store.Variables.At(3).SetValue(7);
  EXPECT_EQ(store.GetVariableValue("Twin"), 0);  // the first of the two
  store.ChangeVariableValue("Twin", 1);
  EXPECT_EQ(store.Variables.At(2).Value(), 1);
  EXPECT_EQ(store.Variables.At(3).Value(), 1);
  store.ChangeVariableValue("key", 1);  // other letter case: no such variable
  EXPECT_EQ(store.GetVariableValue("key"), VariableStore::kMissing);
  EXPECT_EQ(store.GetVariableValue("Key"), 0);
  EXPECT_TRUE(messages().empty());
}

TEST_F(VariableStoreTest, VariantValuesAreCopiesForEveryObjectOfTheName) {
  writer.WriteVariables({}, {"Score", "Score"});
  Start();
  VariableStore& store = variables();
  store.ChangeVariableVariantValue("Score", Variant(std::string("ten")));
  EXPECT_EQ(store.VariablesVariant.At(1).Value().ToStringUtf8(), "ten");
  EXPECT_EQ(store.VariablesVariant.At(2).Value().ToStringUtf8(), "ten");
  EXPECT_EQ(store.GetVariableValue("Score"), VariableStore::kMissing);  // not an integer one
}

TEST_F(VariableStoreTest, TheDumpListsVariablesVariantsAndDisappearedHotspots) {
  writer.WriteVariables({"Door"}, {"Score", "Title"});
  Start();
  variables().ChangeVariableValue("Door", 1);
  variables().ChangeVariableVariantValue("Score", Variant(int32_t{100000}));
  variables().ChangeVariableVariantValue("Title", Variant(std::string("Café")));
  variables().AddDisappeared("Hall", 3);
  const nlohmann::json dump = game.platform.state().Collect();
  EXPECT_EQ(dump["variables"], nlohmann::json::parse(R"([{"name":"Door","value":1}])"));
  EXPECT_EQ(dump["variants"][0]["type"], "Long");
  EXPECT_EQ(dump["variants"][0]["value"], 100000);
  EXPECT_EQ(dump["variants"][1]["value"], "Café");
  EXPECT_EQ(dump["disappeared"], nlohmann::json::parse(R"([{"frame":"Hall","index":3}])"));
}

TEST_F(VariableStoreTest, TheInstalledServiceServesTheStoreAndAResetEmptiesEverything) {
  writer.WriteVariables({"Door"}, {"Score"});
  Start();
  EXPECT_EQ(game.runtime.subsystems().variables->Names(),
            (std::vector<std::string>{"Door", "Score"}));
  variables().AddDisappeared("Hall", 1);
  window().ResetAll();
  EXPECT_EQ(variables().Variables.Count(), 0);
  EXPECT_EQ(variables().VariablesVariant.Count(), 0);
  EXPECT_EQ(variables().Disappear.Count(), 0);
}

}  // namespace
}  // namespace sw::testing
