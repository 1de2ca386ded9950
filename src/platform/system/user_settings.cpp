#include "platform/system/user_settings.h"

#include <algorithm>
#include <system_error>

#include "base/vb_error.h"
#include "platform/system/file_io.h"
#include "platform/system/folder_lock.h"
#include "platform/system/user_dirs.h"

namespace sw {
namespace {

// The file holds one "[application|section]" line per group and "key=value" lines below it.
// Control characters and the backslash are written as \xHH; names also escape [ ] | = #.
constexpr std::string_view kHeader =
    "# Per-user settings of the Scenewright player. Edit only while no game runs.\n";

std::string Escape(std::string_view text, bool is_name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    auto b = static_cast<unsigned char>(c);
    bool special = b < 0x20 || b == 0x7F || c == '\\' ||
                   (is_name && (c == '[' || c == ']' || c == '|' || c == '=' || c == '#'));
    if (special) {
      out += "\\x";
      out += kHex[b >> 4];
      out += kHex[b & 15];
    } else {
      out += c;
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string Unescape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x' &&
        HexDigit(text[i + 2]) >= 0 && HexDigit(text[i + 3]) >= 0) {
      out += static_cast<char>(HexDigit(text[i + 2]) * 16 + HexDigit(text[i + 3]));
      i += 3;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

std::filesystem::path UserSettings::DefaultFile() {
  return UserConfigDir() / "settings.conf";
}

UserSettings::UserSettings(std::filesystem::path file) : file_(std::move(file)) {}

void UserSettings::Reload() const {
  loaded_ = true;
  records_.clear();
  stamp_ = ModificationTime(file_);
  std::optional<std::string> bytes = ReadFileBytes(file_, kMaxSettingsFileBytes);
  size_ = bytes ? bytes->size() : 0;
  if (!bytes) bytes.emplace();
  std::string app, section;
  bool in_group = false;
  std::string_view rest(*bytes);
  while (!rest.empty()) {
    size_t eol = std::min(rest.find('\n'), rest.size());
    std::string_view line = rest.substr(0, eol);
    rest.remove_prefix(std::min(eol + 1, rest.size()));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      std::string_view inner = line.substr(1, line.size() - 2);
      size_t bar = inner.find('|');
      in_group = bar != inner.npos;
      if (in_group) {
        app = Unescape(inner.substr(0, bar));
        section = Unescape(inner.substr(bar + 1));
      }
      continue;
    }
    size_t equals = line.find('=');
    if (!in_group || equals == line.npos) continue;
    records_.push_back(
        {app, section, Unescape(line.substr(0, equals)), Unescape(line.substr(equals + 1))});
  }
  // What this store changed and has not written yet stays changed.
  for (const Change& change : pending_) Apply(change);
}

void UserSettings::ReloadIfChanged() const {
  std::error_code ec;
  auto size = std::filesystem::file_size(file_, ec);
  if (ec) size = 0;
  if (!loaded_ || ModificationTime(file_) != stamp_ || size != size_) Reload();
}

std::vector<UserSettings::Record>::iterator UserSettings::Find(std::string_view app,
                                                               std::string_view section,
                                                               std::string_view key) const {
  return std::find_if(records_.begin(), records_.end(), [&](const Record& r) {
    return folder_.Equal(r.key, key) && folder_.Equal(r.section, section) &&
           folder_.Equal(r.app, app);
  });
}

std::string UserSettings::Get(std::string_view app, std::string_view section, std::string_view key,
                              std::string_view default_value) const {
  ReloadIfChanged();
  auto it = Find(app, section, key);
  return it == records_.end() ? std::string(default_value) : it->value;
}

void UserSettings::Apply(const Change& change) const {
  auto it = Find(change.app, change.section, change.key);
  if (change.remove) {
    if (it != records_.end()) records_.erase(it);
    return;
  }
  if (it != records_.end()) {
    it->value = change.value;
    return;
  }
  // Keep a group together: after the last value of the same application and section.
  auto last = std::find_if(records_.rbegin(), records_.rend(), [&](const Record& r) {
    return folder_.Equal(r.section, change.section) && folder_.Equal(r.app, change.app);
  });
  Record record{change.app, change.section, change.key, change.value};
  if (last == records_.rend()) {
    records_.push_back(std::move(record));
  } else {
    records_.insert(last.base(), std::move(record));
  }
}

void UserSettings::Commit(Change change) {
  ReloadIfChanged();  // another player may have written since
  Apply(change);
  pending_.push_back(std::move(change));
  const auto now = std::chrono::steady_clock::now();
  if (now - window_start_ >= std::chrono::seconds(1)) {
    window_start_ = now;
    writes_in_window_ = 0;
  }
  if (writes_in_window_ >= kBurst) return;  // written by a later change or Flush
  ++writes_in_window_;
  Flush();
}

void UserSettings::Set(std::string_view app, std::string_view section, std::string_view key,
                       std::string_view value) {
  Commit({false, std::string(app), std::string(section), std::string(key), std::string(value)});
}

void UserSettings::Remove(std::string_view app, std::string_view section, std::string_view key) {
  ReloadIfChanged();
  if (Find(app, section, key) == records_.end()) return;
  Commit({true, std::string(app), std::string(section), std::string(key), {}});
}

void UserSettings::Flush() {
  if (pending_.empty()) return;
  std::error_code ec;
  if (file_.has_parent_path()) std::filesystem::create_directories(file_.parent_path(), ec);
  // Another player may write between our read and our rename: the lock keeps the read, the
  // merge and the write of each player together, so neither loses the other's changes.
  FolderLock lock(file_.parent_path());
  Reload();  // merges what others wrote with the pending changes
  Save();
  pending_.clear();
}

UserSettings::~UserSettings() {
  try {
    Flush();
  } catch (const std::exception&) {
    // The last changes could not be written; there is nobody left to tell.
  }
}

void UserSettings::Save() {
  std::string bytes(kHeader);
  const Record* group = nullptr;
  for (const Record& r : records_) {
    if (group == nullptr || !folder_.Equal(group->app, r.app) ||
        !folder_.Equal(group->section, r.section)) {
      bytes += "[" + Escape(r.app, true) + "|" + Escape(r.section, true) + "]\n";
      group = &r;
    }
    bytes += Escape(r.key, true) + "=" + Escape(r.value, false) + "\n";
  }
  WriteFileAtomically(file_, bytes);
  stamp_ = ModificationTime(file_);
  size_ = bytes.size();
}

}  // namespace sw
