#include "automation/script.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>

#include "base/ascii.h"
#include "platform/input.h"

namespace sw::automation {
namespace {

std::string Trim(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

std::vector<std::string> Words(const std::string& s) {
  std::istringstream in(s);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

std::optional<long long> Integer(const std::string& s) {
  long long value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

struct LineParser {
  int line;
  std::string rest;  // text after the command word, trimmed
  std::vector<std::string> args;

  ScriptError Error(std::string reason) const { return {line, std::move(reason)}; }
};

std::variant<Command, ScriptError> ParseLine(int line_number, const std::string& line) {
  std::size_t space = line.find_first_of(" \t");
  std::string word = LowerAscii(line.substr(0, space));
  LineParser p{line_number, space == std::string::npos ? "" : Trim(line.substr(space)), {}};
  p.args = Words(p.rest);
  Command c;
  c.line = line_number;

  auto need_ints = [&](std::size_t count, std::size_t max_args) -> std::optional<ScriptError> {
    if (p.args.size() < count || p.args.size() > max_args)
      return p.Error("'" + word + "' takes " + std::to_string(count) + " numbers");
    int* slots[] = {&c.x1, &c.y1, &c.x2, &c.y2};
    for (std::size_t i = 0; i < count; ++i) {
      auto v = Integer(p.args[i]);
      if (!v || *v < -100000 || *v > 100000) return p.Error("'" + p.args[i] + "' is not a number");
      *slots[i] = static_cast<int>(*v);
    }
    return std::nullopt;
  };

  if (word == "click") {
    c.kind = Command::Kind::kClick;
    if (auto e = need_ints(2, 3)) return *e;
    if (p.args.size() == 3) {
      std::string b = LowerAscii(p.args[2]);
      if (b != "right" && b != "left") return p.Error("click takes 'right' or nothing after X Y");
      c.right = b == "right";
    }
  } else if (word == "move") {
    c.kind = Command::Kind::kMove;
    if (auto e = need_ints(2, 2)) return *e;
  } else if (word == "drag") {
    c.kind = Command::Kind::kDrag;
    if (auto e = need_ints(4, 4)) return *e;
  } else if (word == "key") {
    c.kind = Command::Kind::kKey;
    if (p.args.empty()) return p.Error("'key' needs a key name");
    c.key_code = platform::KeyCodeFromName(p.args[0]);
    if (!c.key_code) return p.Error("unknown key '" + p.args[0] + "'");
    c.text = p.args[0];
    for (std::size_t i = 1; i < p.args.size(); ++i) {
      std::string m = LowerAscii(p.args[i]);
      if (m == "ctrl")
        c.shift |= platform::kCtrlMask;
      else if (m == "shift")
        c.shift |= platform::kShiftMask;
      else if (m == "alt")
        c.shift |= platform::kAltMask;
      else
        return p.Error("unknown key modifier '" + p.args[i] + "'");
    }
  } else if (word == "wait") {
    c.kind = Command::Kind::kWait;
    if (p.args.size() != 1) return p.Error("'wait' takes one number of milliseconds");
    auto v = Integer(p.args[0]);
    if (!v || *v < 0) return p.Error("'" + p.args[0] + "' is not a number of milliseconds");
    c.ms = *v;
  } else if (word == "dialog-press" || word == "dialog-select") {
    c.kind = word == "dialog-press" ? Command::Kind::kDialogPress : Command::Kind::kDialogSelect;
    if (p.rest.empty()) return p.Error("'" + word + "' needs a text");
    c.text = p.rest;
  } else if (word == "dialog-type") {
    c.kind = Command::Kind::kDialogType;
    c.text = p.rest;
  } else if (word == "screenshot" || word == "dump") {
    c.kind = word == "dump" ? Command::Kind::kDump : Command::Kind::kScreenshot;
    if (p.rest.empty()) return p.Error("'" + word + "' needs a file name");
    c.text = p.rest;
  } else if (word == "quit") {
    c.kind = Command::Kind::kQuit;
    if (!p.args.empty()) return p.Error("'quit' takes no arguments");
  } else {
    return p.Error("unknown command '" + word + "'");
  }
  return c;
}

}  // namespace

std::string ScriptError::Describe() const {
  return "line " + std::to_string(line) + ": " + reason;
}

std::variant<std::vector<Command>, ScriptError> ParseScript(std::istream& in) {
  std::vector<Command> commands;
  std::string raw;
  for (int line_number = 1; std::getline(in, raw); ++line_number) {
    std::string line = Trim(raw);
    if (line.empty() || line[0] == '#') continue;
    auto parsed = ParseLine(line_number, line);
    if (auto* error = std::get_if<ScriptError>(&parsed)) return *error;
    commands.push_back(std::get<Command>(std::move(parsed)));
  }
  return commands;
}

std::variant<std::vector<Command>, ScriptError> ParseScript(const std::string& text) {
  std::istringstream in(text);
  return ParseScript(in);
}

}  // namespace sw::automation
