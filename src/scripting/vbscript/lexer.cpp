#include "scripting/vbscript/lexer.h"

#include <cmath>
#include <cstdlib>
#include <unordered_map>

#include "base/unicode_case.h"

namespace sw::vbs {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}
bool IsAlpha(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsHex(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

Kw KeywordOf(const std::string& lower) {
  static const std::unordered_map<std::string, Kw> kWords = {
      {"and", Kw::And},         {"byref", Kw::ByRef},
      {"byval", Kw::ByVal},     {"call", Kw::Call},
      {"case", Kw::Case},       {"class", Kw::Class},
      {"const", Kw::Const},     {"dim", Kw::Dim},
      {"do", Kw::Do},           {"each", Kw::Each},
      {"else", Kw::Else},       {"elseif", Kw::ElseIf},
      {"empty", Kw::Empty},     {"end", Kw::End},
      {"eqv", Kw::Eqv},         {"erase", Kw::Erase},
      {"exit", Kw::Exit},       {"false", Kw::False},
      {"for", Kw::For},         {"function", Kw::Function},
      {"if", Kw::If},           {"imp", Kw::Imp},
      {"in", Kw::In},           {"is", Kw::Is},
      {"loop", Kw::Loop},       {"me", Kw::Me},
      {"mod", Kw::Mod},         {"new", Kw::New},
      {"next", Kw::Next},       {"not", Kw::Not},
      {"nothing", Kw::Nothing}, {"null", Kw::Null},
      {"on", Kw::On},           {"option", Kw::Option},
      {"or", Kw::Or},           {"private", Kw::Private},
      {"public", Kw::Public},   {"redim", Kw::ReDim},
      {"select", Kw::Select},   {"set", Kw::Set},
      {"stop", Kw::Stop},       {"sub", Kw::Sub},
      {"then", Kw::Then},       {"to", Kw::To},
      {"true", Kw::True},       {"until", Kw::Until},
      {"wend", Kw::Wend},       {"while", Kw::While},
      {"with", Kw::With},       {"xor", Kw::Xor},
  };
  auto it = kWords.find(lower);
  return it == kWords.end() ? Kw::None : it->second;
}

class Lexer {
 public:
  Lexer(std::string_view s, int line) : s_(s), line_(line) {}

  std::vector<Token> Run() {
    while (pos_ < s_.size()) Next();
    Push(TokenKind::Eol);
    Push(TokenKind::Eof);
    return std::move(out_);
  }

 private:
  [[noreturn]] void Fail(int number, size_t at) {
    throw CompileError{number, line_, static_cast<int>(at - line_start_)};
  }
  [[noreturn]] void Fail(int number) { Fail(number, pos_); }

  Token& Push(TokenKind type, size_t start = std::string_view::npos) {
    Token t;
    t.type = type;
    t.line = line_;
    t.col = static_cast<int>((start == std::string_view::npos ? pos_ : start) - line_start_);
    t.space_before = space_;
    space_ = false;
    continued_ = false;
    out_.push_back(std::move(t));
    return out_.back();
  }

  bool AtStatementStart() const {
    if (out_.empty()) return true;
    const Token& t = out_.back();
    return t.type == TokenKind::Eol || t.type == TokenKind::Colon || t.kw == Kw::Then ||
           t.kw == Kw::Else;
  }

  void NewLine() {
    if (s_[pos_] == '\r' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
    line_start_ = pos_;
  }

  void SkipComment() {
    while (pos_ < s_.size() && s_[pos_] != '\r' && s_[pos_] != '\n') ++pos_;
  }

  void Next() {
    char c = s_[pos_];
    if (IsBlank(c)) {
      ++pos_;
      space_ = true;
      return;
    }
    if (c == '\r' || c == '\n') {
      Push(TokenKind::Eol);
      NewLine();
      return;
    }
    if (c == '\'') return SkipComment();
    if (c == '_') {
      size_t p = pos_ + 1;
      while (p < s_.size() && IsBlank(s_[p])) ++p;
      if (p < s_.size() && s_[p] != '\r' && s_[p] != '\n') Fail(cerr::kInvalidCharacter);
      pos_ = p;
      if (pos_ < s_.size()) NewLine();
      continued_ = true;
      return;
    }
    if (IsAlpha(c)) return Word();
    if (c == '[') return Bracketed();
    if (IsDigit(c) || (c == '.' && pos_ + 1 < s_.size() && IsDigit(s_[pos_ + 1]))) return Number();
    if (c == '"') return String();
    if (c == '#') return DateLit();
    if (c == '&') return Ampersand();
    size_t start = pos_++;
    char n = pos_ < s_.size() ? s_[pos_] : '\0';
    switch (c) {
      case ':':
        Push(TokenKind::Colon, start);
        return;
      case '(':
        Push(TokenKind::LParen, start);
        return;
      case ')':
        Push(TokenKind::RParen, start);
        return;
      case ',':
        Push(TokenKind::Comma, start);
        return;
      case '.': {
        // `o.Ret() _` + `.Ret()`: a dot opening a continued line goes on with the chain.
        bool chain = continued_ && !out_.empty() &&
                     (out_.back().type == TokenKind::RParen ||
                      (out_.back().type == TokenKind::Name && out_.back().kw == Kw::None));
        Token& dot = Push(TokenKind::Dot, start);
        if (chain) dot.space_before = false;
        return;
      }
      case '+':
        Push(TokenKind::Plus, start);
        return;
      case '-':
        Push(TokenKind::Minus, start);
        return;
      case '*':
        Push(TokenKind::Star, start);
        return;
      case '/':
        Push(TokenKind::Slash, start);
        return;
      case '\\':
        Push(TokenKind::Backslash, start);
        return;
      case '^':
        Push(TokenKind::Caret, start);
        return;
      case '=':
        if (n == '>') return ++pos_, void(Push(TokenKind::Ge, start));
        if (n == '<') return ++pos_, void(Push(TokenKind::Le, start));
        Push(TokenKind::Eq, start);
        return;
      case '<':
        if (n == '>') return ++pos_, void(Push(TokenKind::Ne, start));
        if (n == '=') return ++pos_, void(Push(TokenKind::Le, start));
        Push(TokenKind::Lt, start);
        return;
      case '>':
        if (n == '=') return ++pos_, void(Push(TokenKind::Ge, start));
        if (n == '<') return ++pos_, void(Push(TokenKind::Ne, start));
        Push(TokenKind::Gt, start);
        return;
      default:
        Fail(cerr::kInvalidCharacter, start);
    }
  }

  void Word() {
    size_t start = pos_;
    while (pos_ < s_.size() && (IsAlpha(s_[pos_]) || IsDigit(s_[pos_]) || s_[pos_] == '_')) ++pos_;
    if (pos_ < s_.size() && static_cast<unsigned char>(s_[pos_]) >= 0x80)
      Fail(cerr::kInvalidCharacter);
    if (pos_ - start > 255) Fail(cerr::kIdentifierTooLong, start);
    std::string text(s_.substr(start, pos_ - start));
    std::string lower = FoldCase(text);
    bool after_dot = !out_.empty() && out_.back().type == TokenKind::Dot;
    if (!after_dot && lower == "rem" && AtStatementStart()) return SkipComment();
    Token& t = Push(TokenKind::Name, start);
    t.kw = after_dot ? Kw::None : KeywordOf(lower);
    t.text = std::move(text);
  }

  void Bracketed() {
    size_t start = pos_++;
    size_t b = pos_;
    while (pos_ < s_.size() && s_[pos_] != ']' && s_[pos_] != '\r' && s_[pos_] != '\n') {
      if (s_[pos_] == '[') Fail(cerr::kInvalidCharacter);
      ++pos_;
    }
    if (pos_ >= s_.size() || s_[pos_] != ']') Fail(cerr::kExpectedRBracket);
    Token& t = Push(TokenKind::Name, start);
    t.text = std::string(s_.substr(b, pos_ - b));
    ++pos_;
  }

  void Number() {
    size_t start = pos_;
    bool real = false;
    while (pos_ < s_.size() && IsDigit(s_[pos_])) ++pos_;
    if (pos_ < s_.size() && s_[pos_] == '.') {
      real = true;
      ++pos_;
      while (pos_ < s_.size() && IsDigit(s_[pos_])) ++pos_;
    }
    if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
      size_t p = pos_ + 1;
      if (p < s_.size() && (s_[p] == '+' || s_[p] == '-')) ++p;
      if (p < s_.size() && IsDigit(s_[p])) {
        real = true;
        pos_ = p;
        while (pos_ < s_.size() && IsDigit(s_[pos_])) ++pos_;
      }
    }
    if (pos_ < s_.size() && s_[pos_] == '.') Fail(cerr::kExpectedEndOfStatement);
    std::string text(s_.substr(start, pos_ - start));
    double d = std::strtod(text.c_str(), nullptr);
    if (std::isinf(d)) Fail(cerr::kInvalidNumber, start);
    Token& t = Push(TokenKind::Number, start);
    if (!real && d <= 32767)
      t.value = Variant(static_cast<int16_t>(d));
    else if (!real && d <= 2147483647.0)
      t.value = Variant(static_cast<int32_t>(d));
    else
      t.value = Variant(d);
  }

  void String() {
    size_t start = pos_++;
    std::string text;
    while (true) {
      if (pos_ >= s_.size() || s_[pos_] == '\r' || s_[pos_] == '\n')
        Fail(cerr::kUnterminatedString);
      if (s_[pos_] == '"') {
        if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '"') {
          text.push_back('"');
          pos_ += 2;
          continue;
        }
        ++pos_;
        break;
      }
      text.push_back(s_[pos_++]);
    }
    Token& t = Push(TokenKind::String, start);
    t.text = std::move(text);
  }

  void DateLit() {
    size_t start = pos_++;
    size_t b = pos_;
    while (pos_ < s_.size() && s_[pos_] != '#' && s_[pos_] != '\r' && s_[pos_] != '\n') ++pos_;
    if (pos_ >= s_.size() || s_[pos_] != '#') Fail(cerr::kSyntax, start);
    auto d = ParseDate(s_.substr(b, pos_ - b));
    if (!d) Fail(cerr::kSyntax, start);
    ++pos_;
    Token& t = Push(TokenKind::Date, start);
    t.value = Variant::FromDate(*d);
  }

  void Ampersand() {
    size_t start = pos_;
    char n = pos_ + 1 < s_.size() ? s_[pos_ + 1] : '\0';
    char n2 = pos_ + 2 < s_.size() ? s_[pos_ + 2] : '\0';
    int base = 0;
    size_t p = 0;
    if ((n == 'h' || n == 'H') && IsHex(n2))
      base = 16, p = pos_ + 2;
    else if ((n == 'o' || n == 'O') && IsDigit(n2))
      base = 8, p = pos_ + 2;
    else if (IsDigit(n))
      base = 8, p = pos_ + 1;
    if (!base) {
      ++pos_;
      Push(TokenKind::Amp, start);
      return;
    }
    uint64_t v = 0;
    int significant = 0;
    while (p < s_.size() && (base == 16 ? IsHex(s_[p]) : IsDigit(s_[p]))) {
      char c = s_[p++];
      int d = IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10;
      if (d >= base) {
        pos_ = p - 1;
        Fail(cerr::kSyntax);
      }
      if (v || d) ++significant;
      v = v * base + d;
      if (significant > 11) break;
    }
    pos_ = p;
    if ((base == 16 && significant > 8) || v > 0xFFFFFFFFull) Fail(cerr::kInvalidNumber, start);
    int32_t value;
    if (pos_ < s_.size() && s_[pos_] == '&') {
      ++pos_;
      value = static_cast<int32_t>(static_cast<uint32_t>(v));
    } else if (v <= 0xFFFF) {
      value = static_cast<int16_t>(v);
    } else {
      value = static_cast<int32_t>(static_cast<uint32_t>(v));
    }
    Token& t = Push(TokenKind::Number, start);
    if (value >= -32767 && value <= 32767)
      t.value = Variant(static_cast<int16_t>(value));
    else
      t.value = Variant(value);
  }

  std::string_view s_;
  size_t pos_ = 0;
  int line_;
  size_t line_start_ = 0;
  bool space_ = false;
  bool continued_ = false;  // a `_` continuation since the last token
  std::vector<Token> out_;
};

}  // namespace

std::vector<Token> Tokenize(std::string_view src, int first_line) {
  return Lexer(src, first_line).Run();
}

}  // namespace sw::vbs
