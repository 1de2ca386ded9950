// Tokens of tricky literals and layouts: number subtypes, hex/octal rules, the `&` clash,
// dot-number, bracketed names, Rem placement and line continuation.
#include <gtest/gtest.h>

#include "scripting/vbscript/lexer.h"

namespace sw::vbs {
namespace {

std::vector<Token> Lex(const std::string& s) {
  return Tokenize(s);
}

const Token& Only(const std::vector<Token>& t) {
  return t.front();
}

TEST(Lexer, NumberLiteralsTakeTheSmallestSubtype) {
  EXPECT_EQ(Only(Lex("32767")).value.type(), VarType::Integer);
  EXPECT_EQ(Only(Lex("32768")).value.type(), VarType::Long);
  EXPECT_EQ(Only(Lex("2147483648")).value.type(), VarType::Double);
  EXPECT_EQ(Only(Lex("10.")).value.type(), VarType::Double);
  EXPECT_EQ(Only(Lex("1e0")).value.type(), VarType::Double);
  EXPECT_EQ(Only(Lex("010")).value.AsInteger(), 10);  // leading zeros are not octal
  EXPECT_DOUBLE_EQ(Only(Lex(".5")).value.AsDouble(), 0.5);
  EXPECT_GT(Only(Lex("5e-324")).value.AsDouble(), 0);
  EXPECT_EQ(Only(Lex("1e-400")).value.AsDouble(), 0);
}

TEST(Lexer, HexAndOctalFollowTheirWidthRules) {
  EXPECT_EQ(Only(Lex("&HFFFF")).value.AsInteger(), -1);
  EXPECT_EQ(Only(Lex("&H8000")).value.type(), VarType::Long);
  EXPECT_EQ(Only(Lex("&H8000")).value.AsLong(), -32768);
  EXPECT_EQ(Only(Lex("&H8001")).value.type(), VarType::Integer);
  EXPECT_EQ(Only(Lex("&HFFFF&")).value.AsLong(), 65535);
  EXPECT_EQ(Only(Lex("&HFFFFFFFF&")).value.type(), VarType::Integer);
  EXPECT_EQ(Only(Lex("&H10000")).value.AsLong(), 65536);
  EXPECT_EQ(Only(Lex("&O177777")).value.AsInteger(), -1);
  EXPECT_EQ(Only(Lex("&17")).value.AsInteger(), 15);
  EXPECT_EQ(Only(Lex("&H00000000FF")).value.AsInteger(), 255);  // leading zeros don't count
}

TEST(Lexer, AmpersandIsConcatenationUnlessALiteralFollows) {
  auto t = Lex("\"x\" &hi");
  ASSERT_GE(t.size(), 3u);
  EXPECT_EQ(t[1].type, TokenKind::Amp);
  EXPECT_EQ(t[2].text, "hi");
  auto u = Lex("&h01or&h02");
  EXPECT_EQ(u[0].type, TokenKind::Number);
  EXPECT_EQ(u[1].kw, Kw::Or);
  EXPECT_EQ(u[2].type, TokenKind::Number);
}

TEST(Lexer, DotDigitIsANumberEvenAfterAName) {
  auto t = Lex("Foo.5");
  EXPECT_EQ(t[0].text, "Foo");
  EXPECT_EQ(t[1].type, TokenKind::Number);
  auto m = Lex("o.If");
  EXPECT_EQ(m[1].type, TokenKind::Dot);
  EXPECT_EQ(m[2].kw, Kw::None);  // keywords are plain names after a dot
}

TEST(Lexer, BracketedNamesAndRemPlacement) {
  auto t = Lex("[my var] = 1");
  EXPECT_EQ(t[0].type, TokenKind::Name);
  EXPECT_EQ(t[0].text, "my var");
  auto r = Lex("x = 1 : Rem comment : y");
  ASSERT_GE(r.size(), 5u);
  EXPECT_EQ(r[3].type, TokenKind::Colon);
  EXPECT_EQ(r[4].type, TokenKind::Eol);  // the rest of the line is the comment
  auto n = Lex("x = Rem");
  EXPECT_EQ(n[2].text, "Rem");  // not a comment where no statement starts
}

TEST(Lexer, LinesAndContinuation) {
  auto t = Lex("a\r\nb\n\rc");
  int lines[3] = {-1, -1, -1};
  for (const Token& k : t)
    if (k.type == TokenKind::Name) lines[k.text[0] - 'a'] = k.line;
  EXPECT_EQ(lines[0], 0);
  EXPECT_EQ(lines[1], 1);
  EXPECT_EQ(lines[2], 3);  // LF then CR are two line ends
  auto c = Lex("x =_\n  1");
  EXPECT_EQ(c[2].type, TokenKind::Number);
  EXPECT_EQ(c[2].line, 1);
  try {
    Lex("x = _ 1");
    ADD_FAILURE() << "text after _ must fail";
  } catch (const CompileError& e) {
    EXPECT_EQ(e.number, 1032);
  }
}

TEST(Lexer, StringsDatesAndBadCharacters) {
  EXPECT_EQ(Only(Lex("\"a\"\"b\"")).text, "a\"b");
  EXPECT_EQ(Only(Lex("# 1/1/2011 #")).value.type(), VarType::Date);
  for (const char* bad : {"\"open", "#1/1/2000", "x = \xE9t\xE9", "@"}) {
    try {
      Lex(bad);
      ADD_FAILURE() << bad;
    } catch (const CompileError& e) {
      EXPECT_TRUE(e.number == 1033 || e.number == 1002 || e.number == 1032) << bad;
    }
  }
}

}  // namespace
}  // namespace sw::vbs
