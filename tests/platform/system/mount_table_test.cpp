// Reading the system's mount table: fields, escaped names, damaged lines, missing files.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "platform/system/mount_table.h"
#include "test_dir.h"

namespace sw {
namespace {

TEST(MountTableTest, EntriesKeepTableOrderAndUndoEscapes) {
  const auto entries = ParseMountTable(
      "sysfs /sys sysfs rw,nosuid 0 0\n"
      "/dev/sr0 /media/ann/MY\\040GAME\\134CD2 iso9660 ro,nosuid 0 0\n"
      "/dev/sdb1\t/run/media/ann/STICK\tvfat rw 0 0\n");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].mount_point, "/sys");
  EXPECT_EQ(entries[1].device, "/dev/sr0");
  EXPECT_EQ(entries[1].mount_point, "/media/ann/MY GAME\\CD2");
  EXPECT_EQ(entries[1].type, "iso9660");
  EXPECT_EQ(entries[2].mount_point, "/run/media/ann/STICK");
  EXPECT_EQ(entries[2].type, "vfat");
}

TEST(MountTableTest, DamagedLinesAreSkipped) {
  const auto entries = ParseMountTable(
      "\n"
      "onlyone\n"
      "dev notapath ext4 rw 0 0\n"
      "dev /ok\\04 ext4\n"
      "dev /trailing\\ ext4\n"
      "dev /octal\\777x ext4\n"
      "   \n");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].mount_point, "/ok\\04");
  EXPECT_EQ(entries[1].mount_point, "/trailing\\");
  EXPECT_EQ(entries[2].mount_point, "/octal\\777x");
}

TEST(MountTableTest, AMissingTableIsEmptyAndTheSystemsIsReadable) {
  EXPECT_TRUE(ReadMountTable("/nonexistent/mounts").empty());
  testing::TestDir dir;
  const auto file = dir.path() / "mounts";
  std::ofstream(file) << "/dev/sr0 /media/cd udf ro 0 0";
  const auto entries = ReadMountTable(file);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].mount_point, "/media/cd");
  // The running system's table names at least its root.
  const auto system = ReadMountTable();
  EXPECT_TRUE(std::any_of(system.begin(), system.end(),
                          [](const MountEntry& e) { return e.mount_point == "/"; }));
}

}  // namespace
}  // namespace sw
