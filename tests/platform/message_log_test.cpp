// The record of shown messages stays bounded, whatever a game shows.
#include "platform/message_log.h"

#include <gtest/gtest.h>

namespace sw::platform {
namespace {

TEST(MessageLogTest, KeepsABoundedRecord) {
  MessageLog log;
  for (int i = 0; i < 100000; ++i) log.Record({"t", std::string(10, 'x'), "none", ""});
  EXPECT_EQ(log.records().size(), MessageLog::kMaxRecords);
  EXPECT_EQ(log.dropped(), 100000 - MessageLog::kMaxRecords);
  log.Record({"t", std::string(10 * MessageLog::kMaxText, 'y'), "none", ""});
  EXPECT_EQ(log.dropped(), 100001 - MessageLog::kMaxRecords);
  MessageLog small;
  small.Record({"t", std::string(10 * MessageLog::kMaxText, 'y'), "none", ""});
  EXPECT_EQ(small.records()[0].text.size(), MessageLog::kMaxText);
}

}  // namespace
}  // namespace sw::platform
