// RegExp: properties, Test, Execute with Matches / Match / SubMatches, Replace and the
// JavaScript-style pattern syntax.
#include "scripting/vbscript/lib_test_support.h"

namespace sw::vbs {
namespace {

class RegExpTest : public LibTest {
 protected:
  // Runs `body` after `Set re = New RegExp` and the given pattern.
  std::string With(const std::string& pattern, const std::string& body) {
    return Run("Set re = New RegExp : re.Pattern = \"" + pattern + "\"\n" + body);
  }
};

TEST_F(RegExpTest, PropertiesStartEmptyAndFalse) {
  EXPECT_EQ(Run("Set re = New RegExp\n"
                "WScript.Echo TypeName(re), \"[\" & re.Pattern & \"]\", re.IgnoreCase, "
                "re.Global, re.Multiline"),
            "IRegExp2 [] False False False\n");
}

TEST_F(RegExpTest, TestWithCaseAndAnchors) {
  EXPECT_EQ(With("^h\\w+o$", "WScript.Echo re.Test(\"hello\"), re.Test(\"Hello\")"),
            "True False\n");
  EXPECT_EQ(With("^h\\w+o$", "re.IgnoreCase = True : WScript.Echo re.Test(\"HELLO\")"), "True\n");
  EXPECT_EQ(With("^b", "WScript.Echo re.Test(\"a\" & vbLf & \"b\")"), "False\n");
  EXPECT_EQ(With("^b", "re.Multiline = True : WScript.Echo re.Test(\"a\" & vbLf & \"b\")"),
            "True\n");
  EXPECT_EQ(With("a$", "WScript.Echo re.Test(\"a\" & vbLf)"), "False\n");
  EXPECT_EQ(With("a.b", "WScript.Echo re.Test(\"a\" & vbLf & \"b\"), re.Test(\"a-b\")"),
            "False True\n");
}

TEST_F(RegExpTest, IgnoreCaseCoversAnsiLetters) {
  EXPECT_EQ(Run("Set re = New RegExp : re.Pattern = \"caf\" & Chr(233) : re.IgnoreCase = True\n"
                "WScript.Echo re.Test(\"CAF\" & Chr(201)), re.Test(\"CAFE\")"),
            "True False\n");
  EXPECT_EQ(Run("Set re = New RegExp : re.Pattern = \"caf\" & Chr(233)\n"
                "WScript.Echo re.Test(\"CAF\" & Chr(201))"),
            "False\n");
}

TEST_F(RegExpTest, HasNoDefaultValue) {
  EXPECT_EQ(RunError("Set re = New RegExp : x = re"), 438);
  EXPECT_EQ(Type("CreateObject(\"VBScript.RegExp\").Execute(\"a\")"), "IMatchCollection2");
}

TEST_F(RegExpTest, ExecuteWithoutGlobalFindsOneMatch) {
  EXPECT_EQ(With("\\d+",
                 "Set ms = re.Execute(\"ab 12 cd 345\")\n"
                 "WScript.Echo ms.Count, ms(0), ms(0).FirstIndex, ms(0).Length"),
            "1 12 3 2\n");
}

TEST_F(RegExpTest, ExecuteGlobalAndForEach) {
  EXPECT_EQ(With("\\d+",
                 "re.Global = True : Set ms = re.Execute(\"ab 12 cd 345\")\n"
                 "For Each m In ms : s = s & m.Value & \"@\" & m.FirstIndex & \" \" : "
                 "Next : WScript.Echo ms.Count, s, TypeName(ms), TypeName(ms.Item(1))"),
            "2 12@3 345@9  IMatchCollection2 IMatch2\n");
}

TEST_F(RegExpTest, EmptyMatchesAdvanceOneCharacter) {
  EXPECT_EQ(With("", "re.Global = True : WScript.Echo re.Execute(\"abcd\").Count"), "5\n");
  EXPECT_EQ(With("", "re.Global = True : WScript.Echo re.Replace(\"xxx\", \"y\")"), "yxyxyxy\n");
}

TEST_F(RegExpTest, SubMatchesIncludeGroupsThatDidNotTakePart) {
  EXPECT_EQ(With("(\\w+)@(\\w+)(!)?",
                 "Set m = re.Execute(\"mail bob@home now\")(0)\n"
                 "WScript.Echo m.SubMatches.Count, m.SubMatches(0), m.SubMatches.Item(1), "
                 "IsEmpty(m.SubMatches(2))"),
            "3 bob home True\n");
}

TEST_F(RegExpTest, ReplaceFirstOrAllWithDollarForms) {
  EXPECT_EQ(With("o", "WScript.Echo re.Replace(\"foo boo\", \"0\")"), "f0o boo\n");
  EXPECT_EQ(With("o", "re.Global = True : WScript.Echo re.Replace(\"foo boo\", \"0\")"),
            "f00 b00\n");
  EXPECT_EQ(With("(\\w+) (\\w+)", "WScript.Echo re.Replace(\"hello world\", \"$2 $1\")"),
            "world hello\n");
  EXPECT_EQ(With("b", "WScript.Echo re.Replace(\"abc\", \"[$&|$`|$']\")"), "a[b|a|c]c\n");
  EXPECT_EQ(With("b", "WScript.Echo re.Replace(\"abc\", \"$$\")"), "a$c\n");
  EXPECT_EQ(With("(a)(b)", "WScript.Echo re.Replace(\"ab\", \"$3-$1\")"), "$3-a\n");
  EXPECT_EQ(With("x", "WScript.Echo re.Replace(\"axb\", True), re.Replace(\"axb\", 6)"),
            "a-1b a6b\n");
  EXPECT_EQ(With("z", "WScript.Echo re.Replace(\"abc\", \"y\")"), "abc\n");
}

TEST_F(RegExpTest, JavaScriptStyleSyntax) {
  EXPECT_EQ(With("\\x41\\u0042", "WScript.Echo re.Test(\"AB\")"), "True\n");
  EXPECT_EQ(With("a\\vb",
                 "WScript.Echo re.Test(\"a\" & vbVerticalTab & \"b\"), "
                 "re.Test(\"a\" & vbLf & \"b\")"),
            "True False\n");
  EXPECT_EQ(With("(a)|\\1b", "WScript.Echo re.Test(\"b\")"), "True\n");  // unset group is empty
  EXPECT_EQ(With("a+?", "WScript.Echo re.Execute(\"aaa\")(0)"), "a\n");
  EXPECT_EQ(With("x(?=y)", "WScript.Echo re.Test(\"xy\"), re.Test(\"xz\")"), "True False\n");
  EXPECT_EQ(With("[^a-c]{2,}", "WScript.Echo re.Execute(\"abxyzc\")(0)"), "xyz\n");
  EXPECT_EQ(With("[]a", "WScript.Echo re.Test(\"a\"), re.Test(\"]a\")"), "False False\n");
  EXPECT_EQ(With("a[^]b", "WScript.Echo re.Test(\"a\" & vbLf & \"b\")"), "True\n");
}

TEST_F(RegExpTest, UnicodeEscapesMeanTheCodePageCharacter) {
  EXPECT_EQ(With("\\u20AC\\u00e9", "WScript.Echo re.Test(Chr(128) & Chr(233))"), "True\n");
  EXPECT_EQ(With("[\\u20AC]", "WScript.Echo re.Test(Chr(128)), re.Test(\"u\")"), "True False\n");
  EXPECT_EQ(With("a\\u4E00?b", "WScript.Echo re.Test(\"ab\"), re.Test(\"a?b\")"), "True False\n");
  EXPECT_EQ(With("a\\u4E00b", "WScript.Echo re.Test(\"a?b\")"), "False\n");
}

TEST_F(RegExpTest, PatternErrorsWhenUsed) {
  EXPECT_EQ(RunError("Set re = New RegExp : re.Pattern = \"(a\" : x = re.Test(\"a\")"), 5020);
  EXPECT_EQ(RunError("Set re = New RegExp : re.Pattern = \"[a\" : x = re.Test(\"a\")"), 5019);
  EXPECT_EQ(RunError("Set re = New RegExp : re.Pattern = \"*a\" : x = re.Test(\"a\")"), 5018);
  EXPECT_EQ(RunError("Set re = New RegExp : re.Pattern = \"[z-a]\" : x = re.Test(\"a\")"), 5021);
  EXPECT_EQ(RunError("Set re = New RegExp : re.Pattern = \"(a\""), 0);
}

}  // namespace
}  // namespace sw::vbs
