// Splits script text into tokens: names and keywords (any case), literals, operators, and
// statement breaks. Comments and `_` line continuations disappear here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "scripting/vbscript/compile_error.h"
#include "variant/variant.h"

namespace sw::vbs {

enum class TokenKind : uint8_t {
  Eof,
  Eol,
  Colon,
  Name,
  Number,
  String,
  Date,
  LParen,
  RParen,
  Comma,
  Dot,
  Plus,
  Minus,
  Star,
  Slash,
  Backslash,
  Caret,
  Amp,
  Eq,
  Ne,
  Lt,
  Gt,
  Le,
  Ge,
};

// Reserved words. Names that are only special in one place (Get, Let, Resume, GoTo, Error,
// Explicit, Step, Default, Property, Preserve) stay plain names and are recognised by text.
enum class Kw : uint8_t {
  None,
  And,
  ByRef,
  ByVal,
  Call,
  Case,
  Class,
  Const,
  Dim,
  Do,
  Each,
  Else,
  ElseIf,
  Empty,
  End,
  Eqv,
  Erase,
  Exit,
  False,
  For,
  Function,
  If,
  Imp,
  In,
  Is,
  Loop,
  Me,
  Mod,
  New,
  Next,
  Not,
  Nothing,
  Null,
  On,
  Option,
  Or,
  Private,
  Public,
  ReDim,
  Select,
  Set,
  Stop,
  Sub,
  Then,
  To,
  True,
  Until,
  Wend,
  While,
  With,
  Xor,
};

struct Token {
  TokenKind type;
  Kw kw = Kw::None;
  int line = 0;
  int col = 0;
  bool space_before = false;  // blanks precede it (`Foo .x` passes a With member)
  std::string text;           // name as written, or string literal contents
  Variant value;              // Number and Date literals
};

// Throws CompileError. `first_line` numbers the lines of a text that continues another.
std::vector<Token> Tokenize(std::string_view src, int first_line = 0);

}  // namespace sw::vbs
