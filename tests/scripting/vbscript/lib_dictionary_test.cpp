// Scripting.Dictionary and CreateObject.
#include "scripting/vbscript/lib_test_support.h"

namespace sw::vbs {
namespace {

using Dictionary = LibTest;

TEST_F(Dictionary, CreateObjectKnowsOnlyTheLibraryProgIds) {
  EXPECT_EQ(Type("CreateObject(\"Scripting.Dictionary\")"), "Dictionary");
  EXPECT_EQ(Type("CreateObject(\"scripting.dictionary\")"), "Dictionary");
  EXPECT_EQ(Type("CreateObject(\"VBScript.RegExp\")"), "IRegExp2");
  EXPECT_EQ(Type("CreateObject(\"Scripting.FileSystemObject\")"), "FileSystemObject");
  EXPECT_EQ(ErrorOf("CreateObject(\"Word.Application\")"), 429);
  EXPECT_EQ(ErrorOf("GetObject(\"x\")"), 429);
}

TEST_F(Dictionary, AddItemCountAndExists) {
  EXPECT_EQ(Run("Set d = CreateObject(\"Scripting.Dictionary\")\n"
                "d.Add \"a\", 1 : d.Add \"b\", \"two\"\n"
                "WScript.Echo d.Count, d(\"a\"), d.Item(\"b\"), d.Exists(\"a\"), d.Exists(\"A\")"),
            "2 1 two True False\n");
}

TEST_F(Dictionary, DuplicateAndMissingKeys) {
  EXPECT_EQ(RunError("Set d = CreateObject(\"Scripting.Dictionary\")\n"
                     "d.Add \"a\", 1 : d.Add \"a\", 2"),
            457);
  EXPECT_EQ(RunError("Set d = CreateObject(\"Scripting.Dictionary\") : d.Remove \"zz\""), 32811);
  // Reading a missing key adds it with Empty.
  EXPECT_EQ(Run("Set d = CreateObject(\"Scripting.Dictionary\")\n"
                "x = d(\"new\") : WScript.Echo d.Count, IsEmpty(x), d.Exists(\"new\")"),
            "1 True True\n");
}

TEST_F(Dictionary, ItemAssignmentAddsOrReplaces) {
  EXPECT_EQ(Run("Set d = CreateObject(\"Scripting.Dictionary\")\n"
                "d(\"k\") = 1 : d(\"k\") = 2 : d.Item(\"j\") = 3\n"
                "WScript.Echo d.Count, d(\"k\"), d(\"j\")"),
            "2 2 3\n");
}

TEST_F(Dictionary, KeysItemsAndForEachKeepInsertionOrder) {
  EXPECT_EQ(Run("Set d = CreateObject(\"Scripting.Dictionary\")\n"
                "d.Add \"z\", 1 : d.Add \"a\", 2 : d.Add \"m\", 3\n"
                "WScript.Echo Join(d.Keys, \",\"), Join(d.Items, \",\"), d.Keys()(1)\n"
                "For Each k In d : s = s & k & d(k) : Next : WScript.Echo s"),
            "z,a,m 1,2,3 a\nz1a2m3\n");
}

TEST_F(Dictionary, RemoveRenameAndRemoveAll) {
  EXPECT_EQ(Run("Set d = CreateObject(\"Scripting.Dictionary\")\n"
                "d.Add \"a\", 1 : d.Add \"b\", 2 : d.Add \"c\", 3\n"
                "d.Remove \"b\" : d.Key(\"c\") = \"cc\"\n"
                "WScript.Echo Join(d.Keys, \",\"), d(\"cc\"), d.Exists(\"c\")\n"
                "d.RemoveAll : WScript.Echo d.Count"),
            "a,cc 3 False\n0\n");
  EXPECT_EQ(RunError("Set d = CreateObject(\"Scripting.Dictionary\")\n"
                     "d.Add \"a\", 1 : d.Add \"b\", 2 : d.Key(\"a\") = \"b\""),
            457);
}

TEST_F(Dictionary, TextCompareModeIgnoresCase) {
  EXPECT_EQ(Run("Set d = CreateObject(\"Scripting.Dictionary\")\n"
                "d.CompareMode = vbTextCompare : d.Add \"Key\", 1\n"
                "WScript.Echo d.Exists(\"KEY\"), d(\"key\"), d.CompareMode"),
            "True 1 1\n");
  EXPECT_EQ(RunError("Set d = CreateObject(\"Scripting.Dictionary\")\n"
                     "d.Add \"a\", 1 : d.CompareMode = 1"),
            5);
}

TEST_F(Dictionary, KeysOfDifferentKinds) {
  EXPECT_EQ(Run("Set d = CreateObject(\"Scripting.Dictionary\")\n"
                "d.Add 1, \"number\" : d.Add \"1\", \"text\"\n"
                "WScript.Echo d.Count, d(1), d(\"1\")"),
            "2 number text\n");
  EXPECT_EQ(Run("Set d = CreateObject(\"Scripting.Dictionary\")\n"
                "Set o = CreateObject(\"Scripting.Dictionary\") : d.Add o, 5\n"
                "WScript.Echo d.Exists(o), d.Exists(CreateObject(\"Scripting.Dictionary\"))"),
            "True False\n");
  EXPECT_EQ(RunError("Set d = CreateObject(\"Scripting.Dictionary\") : d.Add Array(1), 1"), 13);
}

TEST_F(Dictionary, NumbersAreOneKeyWhateverTheirSubtype) {
  EXPECT_EQ(
      Run("Set d = CreateObject(\"Scripting.Dictionary\")\n"
          "d.Add CInt(2), \"a\" : d.Add -0.5, \"b\" : d.Add 0, \"c\" : d.Add Empty, \"e\"\n"
          "d.Add Null, \"n\"\n"
          "WScript.Echo d(CLng(2)), d(2.0), d(CDbl(-0.5)), d(-0), d(Empty), d(Null), d.Count"),
      "a a b c e n 5\n");
  EXPECT_EQ(RunError("Set d = CreateObject(\"Scripting.Dictionary\")\n"
                     "d.Add 1, 1 : d.Add CByte(1), 2"),
            457);
}

TEST_F(Dictionary, ManyKeysSurviveGrowthRemovalAndRenaming) {
  // Thousands of keys make the index grow many times; removals and renames rebuild it.
  EXPECT_EQ(
      Run("Set d = CreateObject(\"Scripting.Dictionary\")\n"
          "For i = 1 To 5000 : d.Add \"k\" & i, i : d.Add i, -i : Next\n"
          "For i = 1 To 5000 Step 2 : d.Remove \"k\" & i : Next\n"
          "d.Key(\"k10\") = \"ten\" : d.Key(7) = \"seven\"\n"
          "t = 0 : m = 0\n"
          "For i = 1 To 5000\n"
          " If d.Exists(\"k\" & i) Then t = t + d(\"k\" & i)\n"
          " If d.Exists(i) Then m = m + d(i)\n"
          "Next\n"
          "WScript.Echo d.Count, t, m, d(\"ten\"), d(\"seven\"), d.Exists(\"k9\"), d.Keys()(1)"),
      "7500 6252490 -12502493 10 -7 False k2\n");
}

TEST_F(Dictionary, TextCompareModeKeepsTheFirstSpellingAndFindsAnyCase) {
  EXPECT_EQ(
      Run("Set d = CreateObject(\"Scripting.Dictionary\")\n"
          "d.CompareMode = vbTextCompare\n"
          "For i = 1 To 300 : d.Add \"Name\" & i, i : Next\n"
          "d(\"NAME7\") = 70 : d.Key(\"name8\") = \"Other\"\n"
          "WScript.Echo d.Count, d(\"nAmE7\"), d(\"OTHER\"), d.Exists(\"Name8\"), d.Keys()(6)"),
      "300 70 8 False Name7\n");
  // Binary mode tells the spellings apart.
  EXPECT_EQ(Run("Set d = CreateObject(\"Scripting.Dictionary\")\n"
                "d.Add \"Ab\", 1 : d.Add \"aB\", 2 : WScript.Echo d.Count, d(\"Ab\"), d(\"aB\")"),
            "2 1 2\n");
}

TEST_F(Dictionary, ObjectValuesAndDefaultMemberNeedsAKey) {
  EXPECT_EQ(Run("Set d = CreateObject(\"Scripting.Dictionary\")\n"
                "Set inner = CreateObject(\"Scripting.Dictionary\") : inner.Add \"x\", 9\n"
                "d.Add \"in\", inner : WScript.Echo d(\"in\")(\"x\"), TypeName(d(\"in\"))"),
            "9 Dictionary\n");
  EXPECT_EQ(RunError("Set d = CreateObject(\"Scripting.Dictionary\") : x = LBound(d)"), 450);
  EXPECT_EQ(RunError("Set d = CreateObject(\"Scripting.Dictionary\") : d.Nope"), 438);
}

}  // namespace
}  // namespace sw::vbs
