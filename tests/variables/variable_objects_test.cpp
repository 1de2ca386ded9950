#include <gtest/gtest.h>

#include "variables/variable_collection.h"

namespace sw {
namespace {

int ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const VbError& e) {
    return e.number();
  }
  return 0;
}

TEST(VariableObjects, ValueIsTheDefaultMemberAndAssignmentsConvertLikeTheLanguage) {
  VariablesCollection integers;
  Ref<ClassVariable> door = integers.Add("Door", 0);
  Dispatch& d = *door;
  Variant two = Variant(2.5);  // rounds half to even
  d.Invoke(Dispatch::kDefaultMember, InvokeKind::Let, Args(&two, 1));
  EXPECT_EQ(door->Value(), 2);
  EXPECT_EQ(d.Get("VALUE").AsInteger(), 2);
  EXPECT_EQ(d.Get("name").ToStringUtf8(), "Door");
  Variant big = Variant(int32_t{40000});
  EXPECT_EQ(ErrorOf([&] { d.Put("Value", big); }), vberr::kOverflow);
  Variant text = Variant(std::string("open"));
  EXPECT_EQ(ErrorOf([&] { d.Put("Value", text); }), vberr::kTypeMismatch);
  EXPECT_EQ(door->Value(), 2);  // a failed assignment changes nothing
  EXPECT_EQ(ErrorOf([&] { d.Get("Colour"); }), vberr::kNotSupported);
  EXPECT_EQ(d.TypeName(), "ClassVariable");
}

TEST(VariableObjects, VariantVariablesKeepTheTypeAssigned) {
  VariantCollection variants;
  Ref<ClassVariableVariant> score = variants.Add("Score", Variant(int16_t{0}));
  Variant text = Variant(std::string("high"));
  score->Put("Value", text);
  EXPECT_EQ(score->Value().type(), VarType::String);
  Variant yes = Variant(true);
  score->Put("Value", yes);
  EXPECT_EQ(score->Get("Value").type(), VarType::Boolean);
}

TEST(VariableCollections, PositionsKeysRemovalAndEnumeration) {
  VariablesStrCollection strings;
  strings.Add("a", "1");
  strings.Add("b", "2", "KeyB");
  strings.Add("c", "3");
  EXPECT_EQ(strings.Count(), 3);
  EXPECT_EQ(strings.Item(Variant(std::string("keyb")))->Name(), "b");  // keys ignore case
  EXPECT_EQ(strings.Item(Variant(int16_t{3}))->Value(), "3");
  EXPECT_EQ(ErrorOf([&] { strings.Add("d", "4", "KEYB"); }), 457);
  EXPECT_EQ(ErrorOf([&] { strings.Item(Variant(int16_t{4})); }), vberr::kSubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { strings.Item(Variant(std::string("none"))); }),
            vberr::kInvalidProcedureCall);
  strings.Remove(Variant(std::string("KeyB")));
  strings.Remove(Variant(int16_t{1}));
  const std::vector<Variant> all = strings.NewEnum();
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(all[0].AsObject()->Get("Name").ToStringUtf8(), "c");
  EXPECT_EQ(strings.Count(), 1);
}

}  // namespace
}  // namespace sw
