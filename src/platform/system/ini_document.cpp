#include "platform/system/ini_document.h"

namespace sw {
namespace {

std::string_view Trim(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r";
  size_t first = text.find_first_not_of(kBlanks);
  if (first == text.npos) return {};
  size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

// The section name of a header line, or nothing for other lines.
std::optional<std::string_view> HeaderName(std::string_view line) {
  std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
  trimmed.remove_prefix(1);
  return Trim(trimmed.substr(0, trimmed.find(']')));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

// The key and value of a "key=value" line; nothing for comments, headers and other lines.
std::optional<KeyLine> ParseKeyLine(std::string_view line) {
  std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return std::nullopt;
  size_t equals = trimmed.find('=');
  if (equals == trimmed.npos) return std::nullopt;
  return KeyLine{Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1))};
}

}  // namespace

IniDocument::IniDocument(std::string_view bytes, CaseFolder folder) : folder_(folder) {
  bool newline_known = false;
  while (!bytes.empty()) {
    size_t lf = bytes.find('\n');
    Line line;
    if (lf == bytes.npos) {
      line.text = std::string(bytes);
      bytes = {};
    } else {
      size_t text_end = lf > 0 && bytes[lf - 1] == '\r' ? lf - 1 : lf;
      line.text = std::string(bytes.substr(0, text_end));
      line.eol = std::string(bytes.substr(text_end, lf + 1 - text_end));
      bytes.remove_prefix(lf + 1);
      if (!newline_known) {
        newline_ = line.eol;
        newline_known = true;
      }
    }
    lines_.push_back(std::move(line));
  }
}

std::optional<size_t> IniDocument::FindSection(std::string_view section) const {
  std::string_view wanted = Trim(section);
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (auto name = HeaderName(lines_[i].text); name && folder_.Equal(*name, wanted)) return i;
  }
  return std::nullopt;
}

size_t IniDocument::SectionEnd(size_t header) const {
  size_t i = header + 1;
  while (i < lines_.size() && !HeaderName(lines_[i].text)) ++i;
  return i;
}

std::optional<size_t> IniDocument::FindKey(size_t header, std::string_view key) const {
  std::string_view wanted = Trim(key);
  for (size_t i = header + 1, end = SectionEnd(header); i < end; ++i) {
    if (auto line = ParseKeyLine(lines_[i].text); line && folder_.Equal(line->key, wanted)) {
      return i;
    }
  }
  return std::nullopt;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
  auto header = FindSection(section);
  if (!header) return std::nullopt;
  auto index = FindKey(*header, key);
  if (!index) return std::nullopt;
  std::string_view value = ParseKeyLine(lines_[*index].text)->value;
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

void IniDocument::InsertLine(size_t at, std::string text) {
  // The line before gets a line end if it was the last line and had none.
  if (at > 0 && lines_[at - 1].eol.empty()) lines_[at - 1].eol = newline_;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), newline_});
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  std::string_view key_name = Trim(key);
  auto header = FindSection(section);
  if (!header) {
    InsertLine(lines_.size(), "[" + std::string(Trim(section)) + "]");
    InsertLine(lines_.size(), std::string(key_name) + "=" + std::string(value));
    return;
  }
  if (auto index = FindKey(*header, key)) {
    std::string written_key(ParseKeyLine(lines_[*index].text)->key);
    lines_[*index].text = written_key + "=" + std::string(value);
    return;
  }
  // After the section's last line that is not blank, so blank lines before the next
  // section stay where they are.
  size_t at = SectionEnd(*header);
  while (at > *header + 1 && Trim(lines_[at - 1].text).empty()) --at;
  InsertLine(at, std::string(key_name) + "=" + std::string(value));
}

bool IniDocument::Remove(std::string_view section, std::string_view key) {
  auto header = FindSection(section);
  if (!header) return false;
  auto index = FindKey(*header, key);
  if (!index) return false;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
  return true;
}

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  auto header = FindSection(section);
  if (!header) return keys;
  for (size_t i = *header + 1, end = SectionEnd(*header); i < end; ++i) {
    auto line = ParseKeyLine(lines_[i].text);
    if (!line) continue;
    bool seen = false;
    for (const auto& k : keys) seen = seen || folder_.Equal(k, line->key);
    if (!seen) keys.emplace_back(line->key);
  }
  return keys;
}

std::vector<std::string> IniDocument::Sections() const {
  std::vector<std::string> sections;
  for (const Line& line : lines_) {
    auto name = HeaderName(line.text);
    if (!name) continue;
    bool seen = false;
    for (const auto& s : sections) seen = seen || folder_.Equal(s, *name);
    if (!seen) sections.emplace_back(*name);
  }
  return sections;
}

std::string IniDocument::bytes() const {
  std::string out;
  for (const Line& line : lines_) {
    out += line.text;
    out += line.eol;
  }
  return out;
}

}  // namespace sw
