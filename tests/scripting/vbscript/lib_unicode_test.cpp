// Script strings as UTF-16 code units: the wide and byte functions, letter case beyond ASCII,
// RegExp over non-Latin text, and Asc/Chr in a double-byte code page.
#include <gtest/gtest.h>

#include "platform/system/text_codec.h"
#include "scripting/vbscript/lib_test_support.h"

namespace sw::vbs {
namespace {

using Unicode = LibTest;

TEST_F(Unicode, WideFunctionsCoverEveryCodeUnit) {
  EXPECT_EQ(Str("AscW(ChrW(65535))"), "-1");
  EXPECT_EQ(Str("AscW(ChrW(-1))"), "-1");
  EXPECT_EQ(Str("AscW(ChrW(&H3042))"), "12354");
  EXPECT_EQ(Str("ChrW(&H416) & ChrW(&H3B1)"), "Жα");
  // A surrogate stays one unit of its own; a pair counts two.
  EXPECT_EQ(Str("Len(ChrW(&HD800))"), "1");
  EXPECT_EQ(Str("AscW(ChrW(&HD800))"), "-10240");
  EXPECT_EQ(Str("Len(ChrW(&HD800) & \"x\")"), "2");
  EXPECT_EQ(Str("AscW(Mid(ChrW(&HD83D) & ChrW(&HDE00), 2))"), "-8704");
  EXPECT_EQ(Str("Len(\"😀\")"), "2");
  EXPECT_EQ(Str("Len(\"日本語\")"), "3");
}

TEST_F(Unicode, ByteFunctionsWorkOnUtf16Bytes) {
  EXPECT_EQ(Str("LenB(ChrB(65))"), "1");
  EXPECT_EQ(Str("LenB(LeftB(\"ABC\", 3))"), "3");
  EXPECT_EQ(Str("LenB(\"日本\")"), "4");
  EXPECT_EQ(Str("AscB(\"あ\")"), "66");  // U+3042: low byte first
  EXPECT_EQ(Str("AscB(MidB(\"あ\", 2))"), "48");
  EXPECT_EQ(Str("InStrB(\"日本\", \"本\")"), "3");
  // Odd bytes join with what follows: two ChrB make one code unit.
  EXPECT_EQ(Str("AscW(ChrB(&H42) & ChrB(&H30))"), "12354");
  EXPECT_EQ(Str("LenB(ChrB(1) & ChrB(2) & ChrB(3))"), "3");
  EXPECT_EQ(Str("Len(ChrB(65))"), "0");
  EXPECT_EQ(Str("RightB(LeftB(\"ABC\", 3) & ChrB(0), 2)"), "B");
}

TEST_F(Unicode, EscapeAndUnescapeRoundTripWideUnits) {
  EXPECT_EQ(Str("Escape(Unescape(\"%u0100\"))"), "%u0100");
  EXPECT_EQ(Str("AscW(Unescape(\"%uFFFF\"))"), "-1");
  EXPECT_EQ(Str("Escape(\"Жé\")"), "%u0416%E9");
  EXPECT_EQ(Str("Unescape(Escape(\"日本 x\"))"), "日本 x");
}

TEST_F(Unicode, LetterCaseOfEveryScript) {
  EXPECT_EQ(Str("UCase(\"привет, мир ёж\")"), "ПРИВЕТ, МИР ЁЖ");
  EXPECT_EQ(Str("UCase(\"αβγδ ωμέγα\")"), "ΑΒΓΔ ΩΜΈΓΑ");
  EXPECT_EQ(Str("UCase(\"crème brûlée œuvre\")"), "CRÈME BRÛLÉE ŒUVRE");
  EXPECT_EQ(Str("LCase(\"ŁÓDŹ ÆSIR\")"), "łódź æsir");
  EXPECT_EQ(Str("UCase(\"日本ß\")"), "日本ß");  // no capital: unchanged, length kept
  EXPECT_EQ(Str("StrComp(\"Привет\", \"пРИВЕТ\", vbTextCompare)"), "0");
  EXPECT_EQ(Str("StrComp(\"Привет\", \"пРИВЕТ\", vbBinaryCompare)"), "-1");
  EXPECT_EQ(Str("InStr(1, \"Добрый ДЕНЬ\", \"день\", vbTextCompare)"), "8");
  EXPECT_EQ(Str("Replace(\"ΑΒΓ αβγ\", \"β\", \"-\", 1, -1, vbTextCompare)"), "Α-Γ α-γ");
}

TEST_F(Unicode, DictionaryTextKeysFoldEveryScript) {
  EXPECT_EQ(Run("Set d = CreateObject(\"Scripting.Dictionary\")\n"
                "d.CompareMode = vbTextCompare\n"
                "d.Add \"Ключ\", 1\n"
                "WScript.Echo d.Exists(\"КЛЮЧ\"), d(\"ключ\")\n"
                "Set b = CreateObject(\"Scripting.Dictionary\")\n"
                "b.Add \"Ключ\", 1\n"
                "WScript.Echo b.Exists(\"КЛЮЧ\")\n"),
            "True 1\nFalse\n");
}

TEST_F(Unicode, RegExpMatchesNonLatinText) {
  EXPECT_EQ(Run("Set r = New RegExp\n"
                "r.Pattern = \"м[иы]р\"\n"
                "r.IgnoreCase = True\n"
                "r.Global = True\n"
                "Set ms = r.Execute(\"Привет, МИР и мыр\")\n"
                "For Each m In ms\n"
                "  WScript.Echo m.Value, m.FirstIndex, m.Length\n"
                "Next\n"
                "r.Pattern = \"(\\u65E5)(.)\"\n"
                "WScript.Echo r.Replace(\"日本と日曜\", \"[$2$1]\")\n"
                "r.Pattern = \"\\w+\"\n"
                "WScript.Echo r.Execute(\"日本 abc\")(0).FirstIndex\n"),
            "МИР 8 3\nмыр 14 3\n[本日]と[曜日]\n3\n");
}

// A host whose game is in code page 932 (Japanese).
class JapaneseHost : public ScriptHost {
 public:
  const CodePage& code_page() const override { return codec_; }

 private:
  TextCodec codec_{"CP932"};
};

TEST_F(Unicode, AscAndChrUseTheGamesDoubleByteCodePage) {
  JapaneseHost host;
  engine.set_host(&host);
  EXPECT_EQ(Str("Asc(\"あ\")"), "-32096");  // 0x82A0 as a signed Integer
  EXPECT_EQ(Str("Chr(&H82A0) = \"あ\""), "True");
  EXPECT_EQ(Str("Chr(-32096) = \"あ\""), "True");
  EXPECT_EQ(Str("Asc(\"A\")"), "65");
  EXPECT_EQ(Str("Asc(\"ｱ\")"), "177");   // a one-byte katakana
  EXPECT_EQ(ErrorOf("Chr(&H82)"), 5);    // a lead byte alone is no character
  EXPECT_EQ(ErrorOf("Chr(&H4141)"), 5);  // nor a pair without a lead byte
  EXPECT_EQ(Str("Len(Chr(&H93FA) & Chr(&H967B))"), "2");
  engine.set_host(nullptr);
  EXPECT_EQ(Str("Asc(\"€\")"), "128");  // Windows-1252 by default
  EXPECT_EQ(ErrorOf("Chr(256)"), 5);
}

}  // namespace
}  // namespace sw::vbs
