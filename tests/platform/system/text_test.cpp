#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/system/case_folder.h"
#include "platform/system/text_codec.h"

namespace sw {
namespace {

TEST(TextCodec, WesternTextBothWays) {
  TextCodec codec;  // Windows-1252
  EXPECT_EQ(codec.ToUtf8("Caf\xE9 \x80 10\x92s"), "Caf\xC3\xA9 \xE2\x82\xAC 10\xE2\x80\x99s");
  EXPECT_EQ(codec.FromUtf8("Caf\xC3\xA9 \xE2\x82\xAC 10\xE2\x80\x99s"), "Caf\xE9 \x80 10\x92s");
  EXPECT_EQ(codec.ToUtf8(""), "");
  EXPECT_EQ(codec.ToUtf8("plain ASCII\r\n"), "plain ASCII\r\n");
}

TEST(TextCodec, ReplacesWhatCannotBeConverted) {
  TextCodec codec("WINDOWS-1252");
  // 0x81 is no character of Windows-1252.
  EXPECT_EQ(codec.ToUtf8("a\x81z"), "a\xEF\xBF\xBDz");
  // A broken UTF-8 sequence, and a character the code page lacks (a-macron).
  EXPECT_EQ(codec.FromUtf8("x\xC3(y"), "x?(y");
  EXPECT_EQ(codec.FromUtf8("\xC4\x81-\xC3\xA9"), "?-\xE9");
  EXPECT_FALSE(codec.TryFromUtf8("\xC4\x81").has_value());
  EXPECT_FALSE(codec.TryToUtf8("\x81").has_value());
  EXPECT_EQ(codec.TryFromUtf8("\xC3\xA9").value(), "\xE9");
}

TEST(TextCodec, OtherCodePages) {
  TextCodec cyrillic("CP1251");
  EXPECT_EQ(cyrillic.ToUtf8("\xCF\xF0\xE8\xE2\xE5\xF2"),
            "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82");  // "Привет"
  EXPECT_EQ(cyrillic.FromUtf8("\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"),
            "\xCF\xF0\xE8\xE2\xE5\xF2");
  TextCodec greek("CP1253");
  EXPECT_EQ(greek.ToUtf8("\xE1"), "\xCE\xB1");  // alpha
  TextCodec japanese("CP932");
  EXPECT_EQ(japanese.ToUtf8("\x82\xA0"), "\xE3\x81\x82");  // hiragana a
  EXPECT_EQ(japanese.FromUtf8("\xE3\x81\x82"), "\x82\xA0");
  // A lead byte cut off at the end of the text.
  EXPECT_EQ(japanese.ToUtf8("a\x82"), "a\xEF\xBF\xBD");
}

TEST(TextCodec, UnknownCodePageIsRefusedAndCopiesAreIndependent) {
  EXPECT_THROW(TextCodec("NO-SUCH-PAGE"), std::invalid_argument);
  EXPECT_FALSE(TextCodec::IsKnown("NO-SUCH-PAGE"));
  EXPECT_TRUE(TextCodec::IsKnown("CP1250"));
  TextCodec original("CP1250");
  TextCodec copy = original;
  TextCodec moved = std::move(original);
  EXPECT_EQ(copy.code_page(), "CP1250");
  EXPECT_EQ(copy.ToUtf8("\x8A"), "\xC5\xA0");  // S with caron
  EXPECT_EQ(moved.ToUtf8("\x8A"), "\xC5\xA0");
}

TEST(CaseFolder, LettersOfEveryScript) {
  CaseFolder folder;
  EXPECT_TRUE(folder.Equal("Frames\\Hall.FME", "frames\\hall.fme"));
  EXPECT_TRUE(folder.Equal("ÉTÉ", "été"));
  EXPECT_TRUE(folder.Equal("Š", "š"));
  EXPECT_TRUE(folder.Equal("Ÿ", "ÿ"));
  EXPECT_TRUE(folder.Equal("Я Ё", "я ё"));
  EXPECT_TRUE(folder.Equal("ΣΩ", "σω"));
  EXPECT_FALSE(folder.Equal("×", "÷"));    // no letters
  EXPECT_FALSE(folder.Equal("ß", "SS"));   // simple mapping: one character stays one
  EXPECT_FALSE(folder.Equal("ア", "ァ"));  // katakana have no case
  EXPECT_FALSE(folder.Equal("abc", "abcd"));
  EXPECT_EQ(folder.Fold("mIxé дом"), "MIXÉ ДОМ");
}

TEST(CaseFolder, WildcardsAndOrder) {
  CaseFolder folder;
  EXPECT_TRUE(folder.Matches("*.sav", "Game1.SAV"));
  EXPECT_FALSE(folder.Matches("*.sav", "Game1.SAV.bak"));
  EXPECT_TRUE(folder.Matches("frame?.fme", "FRAME7.FME"));
  EXPECT_FALSE(folder.Matches("frame?.fme", "frame10.fme"));
  EXPECT_TRUE(folder.Matches("frame?.fme", "FRAMEÉ.FME"));  // '?' is one character
  EXPECT_TRUE(folder.Matches("д?м.*", "ДОМ.sav"));
  EXPECT_TRUE(folder.Matches("*a*b*", "xxAyyBzz"));
  EXPECT_FALSE(folder.Matches("*a*b*", "xxByyAzz"));
  EXPECT_TRUE(folder.Matches("*.*", "README"));
  EXPECT_TRUE(folder.Matches("read*.*", "README"));
  EXPECT_TRUE(folder.Matches("*", ""));
  EXPECT_FALSE(folder.Matches("?", ""));
  EXPECT_TRUE(folder.Less("apple", "Banana"));
  EXPECT_TRUE(folder.Less("A.TXT", "a.txt"));  // same letters: exact bytes decide
  EXPECT_FALSE(folder.Less("a.txt", "A.TXT"));
}

}  // namespace
}  // namespace sw
