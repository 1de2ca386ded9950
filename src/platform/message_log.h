// The record of every message box, input box and in-frame banner shown, for the state dump.
#pragma once

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
  void Record(MessageRecord record) { records_.push_back(std::move(record)); }
  const std::vector<MessageRecord>& records() const { return records_; }

 private:
  std::vector<MessageRecord> records_;
};

}  // namespace sw::platform
