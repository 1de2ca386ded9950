#include "platform/system/folder_lock.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/system/test_dir.h"

namespace sw {
namespace {

TEST(FolderLock, IsHeldByOneWriterAtATimeAndAStuckHolderDelaysOthersOnlyBriefly) {
  testing::TestDir dir;
  std::optional<FolderLock> first(std::in_place, dir.path());
  ASSERT_TRUE(first->held());
  {
    // The lock is taken through a second opening of the folder, as another player would.
    FolderLock second(dir.path());
    EXPECT_FALSE(second.held()) << "gave up after waiting for the holder";
  }
  first.reset();
  FolderLock third(dir.path());
  EXPECT_TRUE(third.held()) << "free again once the holder is done";
}

TEST(FolderLock, AMissingFolderHoldsNothing) {
  testing::TestDir dir;
  FolderLock lock(dir.path() / "missing");
  EXPECT_FALSE(lock.held());
}

}  // namespace
}  // namespace sw
