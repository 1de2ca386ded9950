#include "scripting/host/element_object.h"

#include <gtest/gtest.h>

#include "platform/label.h"
#include "platform/platform.h"
#include "platform/system/text_codec.h"

namespace sw {
namespace {

Variant Get(Dispatch& o, const char* name, std::vector<Variant> args = {}) {
  return o.InvokeByName(name, InvokeKind::Get, Args(args.data(), args.size()));
}
void Let(Dispatch& o, const char* name, std::vector<Variant> argsAndValue) {
  o.InvokeByName(name, InvokeKind::Let, Args(argsAndValue.data(), argsAndValue.size()));
}

class ElementObjectTest : public ::testing::Test {
 protected:
  platform::Platform platform;
  TextCodec codec{"WINDOWS-1252"};
  std::shared_ptr<platform::Form> form = platform.CreateForm("Game");
};

TEST_F(ElementObjectTest, ControlArrayMembersReadAndWriteByOriginalNames) {
  auto& label = form->AddArray<platform::LabelElement>("Text");
  label.SetCaption("template");
  form->Load<platform::LabelElement>("Text", 3).SetCaption("third");
  Ref<Dispatch> texts = MakeControlArrayObject(*form, "Text", codec);
  EXPECT_EQ(Get(*texts, "Count").ToLong(), 2);
  EXPECT_EQ(Get(*texts, "UBound").ToLong(), 3);
  EXPECT_EQ(Get(*texts, "LBound").ToLong(), 0);

  // Text(3).Caption = "Café" shows and reads back as it was set.
  Variant third = Get(*texts, "Item", {Variant(int16_t{3})});
  ASSERT_TRUE(third.IsObject());
  Let(*third.AsObject(), "Caption", {Variant(u"Café Жёлтый")});
  EXPECT_EQ(form->Get<platform::LabelElement>("Text", 3).caption(), "Café Жёлтый");
  EXPECT_EQ(Get(*third.AsObject(), "Caption").ToStringUtf8(), "Café Жёлтый");
  // The default member of a label is its caption.
  EXPECT_EQ(third.AsObject()->Invoke(Dispatch::kDefaultMember, InvokeKind::Get, {}).ToStringUtf8(),
            "Café Жёлтый");

  Let(*third.AsObject(), "Visible", {Variant(false)});
  Let(*third.AsObject(), "Left", {Variant(int16_t{300})});
  const auto& element = form->Get<platform::LabelElement>("Text", 3);
  EXPECT_FALSE(element.visible());
  EXPECT_EQ(element.left(), 300);

  // Enumeration sees members loaded after the object was made.
  form->Load<platform::LabelElement>("Text", 5);
  EXPECT_EQ(texts->Enumerate().size(), 3u);
}

TEST_F(ElementObjectTest, MissingMemberAndUnknownPropertyFail) {
  form->AddArray<platform::LabelElement>("Text");
  Ref<Dispatch> texts = MakeControlArrayObject(*form, "Text", codec);
  // An unloaded member can be named (CreateObject loads it) but fails as soon as it is used.
  Variant missing = Get(*texts, "Item", {Variant(int16_t{7})});
  ASSERT_TRUE(UnloadedMemberOf(missing).has_value());
  EXPECT_EQ(UnloadedMemberOf(missing)->index, 7);
  try {
    Get(*missing.AsObject(), "Visible");
    FAIL() << "an unloaded member must fail";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 340);
  }
  Variant first = Get(*texts, "Item", {Variant(int16_t{0})});
  try {
    Get(*first.AsObject(), "NoSuchThing");
    FAIL() << "an unknown member must fail";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 438);
  }
}

// A member gives the same object at each access while it stays loaded; once it is unloaded
// and loaded again, the new element gets an object of its own.
TEST_F(ElementObjectTest, AMemberIsTheSameObjectUntilItIsLoadedAgain) {
  form->AddArray<platform::LabelElement>("Text");
  form->Load<platform::LabelElement>("Text", 2).SetCaption("first");
  Ref<Dispatch> texts = MakeControlArrayObject(*form, "Text", codec);
  const Variant two{int16_t{2}};
  Variant before = Get(*texts, "Item", {two});
  EXPECT_EQ(Get(*texts, "Item", {two}).AsObject(), before.AsObject());
  EXPECT_NE(Get(*texts, "Item", {Variant(int16_t{0})}).AsObject(), before.AsObject());

  form->Unload("Text", 2);
  form->Load<platform::LabelElement>("Text", 2).SetCaption("second");
  Variant after = Get(*texts, "Item", {two});
  EXPECT_NE(after.AsObject(), before.AsObject());
  EXPECT_EQ(Get(*after.AsObject(), "Caption").ToStringUtf8(), "second");
  EXPECT_EQ(Get(*before.AsObject(), "Caption").ToStringUtf8(), "first")
      << "a script holding the old member still reads the old element";
}

}  // namespace
}  // namespace sw
