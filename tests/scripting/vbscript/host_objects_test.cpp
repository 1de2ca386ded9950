// Host objects seen from scripts: named items with their members as globals, default members
// (`Door = 1`, `If Door = 1`), indexed collections (`Hotspot(3).Visible`), For Each, ByRef
// arguments written by the host, and host errors under On Error.
#include <gtest/gtest.h>

#include "scripting/vbscript/engine.h"
#include "variant/host_object.h"

namespace sw::vbs {
namespace {

// A project variable: Value is the default member.
Ref<HostObject> MakeVariable(Variant* store) {
  auto v = MakeRef<HostObject>("ClassVariable");
  v->AddProperty(
      "Value", [store](Args) { return *store; }, [store](Args, const Variant& x) { *store = x; });
  v->SetDefaultMember("Value");
  return v;
}

struct Spot {
  bool visible = true;
  Ref<HostObject> obj;
};

class HostTest : public testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 4; ++i) {
      spots[i].obj = MakeRef<HostObject>("Image");
      bool* vis = &spots[i].visible;
      spots[i].obj->AddProperty(
          "Visible", [vis](Args) { return Variant(*vis); },
          [vis](Args, const Variant& x) { *vis = x.ToBool(); });
    }
    auto hotspots = MakeRef<HostObject>("Object");
    hotspots->AddProperty("Item", [this](Args a) {
      int i = a[0].ToLong();
      if (i < 0 || i > 3) throw VbError(9);
      return Variant(Ref<Dispatch>(spots[i].obj));
    });
    hotspots->SetDefaultMember("Item");
    hotspots->SetEnumerator([this] {
      std::vector<Variant> all;
      for (auto& s : spots) all.emplace_back(Ref<Dispatch>(s.obj));
      return all;
    });
    action = MakeRef<HostObject>("VBScriptActionModule");
    action->AddProperty(
        "sFrameToLoad", [this](Args) { return Variant(frame); },
        [this](Args, const Variant& v) { frame = v.ToUtf8(); });
    action->AddMethod(
        "Add",
        [this](Args a) {
          total += a[0].ToLong();
          return Variant(total);
        },
        1);
    action->AddMethod(
        "Fill",
        [](Args a) {
          a.Assign(0, Variant("filled"));
          return Variant();
        },
        1);
    action->AddMethod("Fail", [](Args) -> Variant { throw VbError(5); });
    auto ws = MakeRef<HostObject>();
    ws->AddMethod("Echo", [this](Args a) {
      for (size_t i = 0; i < a.size(); ++i) out += (i ? " " : "") + a[i].ToUtf8();
      out += "\n";
      return Variant();
    });
    ASSERT_TRUE(engine.AddObject("Door", MakeVariable(&door), true).ok());
    ASSERT_TRUE(engine.AddObject("Hotspot", hotspots, true).ok());
    ASSERT_TRUE(engine.AddObject("Action", action, true).ok());
    ASSERT_TRUE(engine.AddObject("WScript", ws, false).ok());
  }

  Result Run(const std::string& code) { return engine.AddCode(code); }

  Engine engine;
  Variant door = Variant(int16_t{0});
  Spot spots[4];
  Ref<HostObject> action;
  std::string frame;
  int32_t total = 0;
  std::string out;
};

TEST_F(HostTest, DefaultMemberIsReadAndWrittenThroughTheName) {
  ASSERT_TRUE(
      Run("Door = 1\nIf Door = 1 Then WScript.Echo \"open\", Door + 1, TypeName(Door)").ok());
  EXPECT_EQ(door.ToLong(), 1);
  EXPECT_EQ(out, "open 2 ClassVariable\n");
  ASSERT_TRUE(Run("door.value = \"x\" & Door").ok());
  EXPECT_EQ(door.ToUtf8(), "x1");
}

TEST_F(HostTest, IndexedMembersAndEnumeration) {
  ASSERT_TRUE(
      Run("Hotspot(2).Visible = False\nWScript.Echo Hotspot(2).Visible, Hotspot(1).visible\n"
          "Dim h, n : For Each h In Hotspot : If h.Visible Then n = n + 1\nNext\n"
          "WScript.Echo n")
          .ok());
  EXPECT_FALSE(spots[2].visible);
  EXPECT_EQ(out, "False True\n3\n");
  Result r = Run("Hotspot(9).Visible = True");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().number, 9);
}

TEST_F(HostTest, AddedMembersAreGlobalNames) {
  ASSERT_TRUE(Run("Option Explicit\nsFrameToLoad = \"Hall\"\nAdd 2\nAction.Add 3\n"
                  "WScript.Echo Add(4), sFrameToLoad")
                  .ok());
  EXPECT_EQ(frame, "Hall");
  EXPECT_EQ(total, 9);
  EXPECT_EQ(out, "9 Hall\n");
}

TEST_F(HostTest, HostWritesByRefArgumentsButNotParenthesisedOnes) {
  ASSERT_TRUE(Run("Dim a, b(1) : Fill a : Fill b(1) : Dim c : Fill (c)\n"
                  "WScript.Echo a, b(1), \"[\" & c & \"]\"")
                  .ok());
  EXPECT_EQ(out, "filled filled []\n");
}

TEST_F(HostTest, HostErrorsFeedErrAndReachTheHost) {
  ASSERT_TRUE(Run("On Error Resume Next\nFail\nWScript.Echo Err.Number, Err.Description").ok());
  EXPECT_EQ(out, "5 Invalid procedure call or argument\n");
  Result r = Run("Action.Nothing2");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().number, 438);
  EXPECT_EQ(r.error().description, "Object doesn't support this property or method: 'Nothing2'");
  Result w = Run("Add 1, 2");
  ASSERT_FALSE(w.ok());
  EXPECT_EQ(w.error().number, 450);
}

TEST_F(HostTest, BuiltinsBeatMembersButNamedItemsBeatBuiltins) {
  auto odd = MakeRef<HostObject>();
  odd->AddMethod("Len", [](Args) { return Variant("member"); });
  ASSERT_TRUE(engine.AddObject("Odd", odd, true).ok());
  auto trim = MakeRef<HostObject>();
  trim->AddProperty("Tag", [](Args) { return Variant("named"); });
  ASSERT_TRUE(engine.AddObject("Trim", trim, false).ok());
  ASSERT_TRUE(Run("WScript.Echo Len(\"abc\"), Odd.Len(), Trim.Tag").ok());
  EXPECT_EQ(out, "3 member named\n");
}

}  // namespace
}  // namespace sw::vbs
