// The record of every message box, input box and in-frame banner shown, for the state dump.
// It is bounded: a game that shows boxes in a loop cannot fill memory with them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace sw::platform {

struct MessageRecord {
  std::string title;
  std::string text;
  std::string icon;  // "critical", "warning", "information", "question" or "none"
  std::string kind;  // "" for dialogs, "banner" for in-frame banners, "input" for input boxes
};

class MessageLog {
 public:
  // The first records are kept; later ones are only counted.
  static constexpr size_t kMaxRecords = 10000;
  // Longer titles and texts are cut to this many bytes.
  static constexpr size_t kMaxText = 65536;

  void Record(MessageRecord record) {
    if (records_.size() >= kMaxRecords) {
      ++dropped_;
      return;
    }
    if (record.text.size() > kMaxText) record.text.resize(kMaxText);
    if (record.title.size() > kMaxText) record.title.resize(kMaxText);
    records_.push_back(std::move(record));
  }
  const std::vector<MessageRecord>& records() const { return records_; }
  // How many were shown but not kept.
  size_t dropped() const { return dropped_; }

 private:
  std::vector<MessageRecord> records_;
  size_t dropped_ = 0;
};

}  // namespace sw::platform
