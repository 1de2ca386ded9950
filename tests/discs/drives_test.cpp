// The drives a disc can be read from: mounted discs and media, disc folders beside the game,
// their kinds and order, and the drive proposed by default.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "discs/drives.h"
#include "platform/system/path_resolver.h"
#include "test_support/temp_dir.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

TEST(DiscLabelTest, DiscWordsFollowedByANumberAreLabels) {
  EXPECT_EQ(DiscLabelNumber("CD1"), 1);
  EXPECT_EQ(DiscLabelNumber("cd 2"), 2);
  EXPECT_EQ(DiscLabelNumber("Disc 3"), 3);
  EXPECT_EQ(DiscLabelNumber("DISK-4"), 4);
  EXPECT_EQ(DiscLabelNumber("disc_12"), 12);
  EXPECT_EQ(DiscLabelNumber("CD#2"), 2);
  EXPECT_EQ(DiscLabelNumber("Mansion CD2"), 2);
  EXPECT_EQ(DiscLabelNumber("MANSION_DISC_1"), 1);
}

TEST(DiscLabelTest, OtherNamesAreNot) {
  for (const char* name :
       {"CD", "Disc", "abcd1", "CD1 backup", "music", "discography2", "cd12345", "", "1"}) {
    EXPECT_EQ(DiscLabelNumber(name), 0) << name;
  }
}

TEST(MountedDriveTest, OpticalDiscsAnywhereMediaBelowTheDesktopsMountFolders) {
  Drive d;
  ASSERT_TRUE(MountedDrive({"/dev/sr0", "/mnt/cdrom", "iso9660"}, d));
  EXPECT_EQ(d.kind, DriveKind::kCdRom);
  EXPECT_EQ(d.root, "/mnt/cdrom");
  ASSERT_TRUE(MountedDrive({"/dev/sr1", "/run/media/ann/GAME/", "udf"}, d));
  EXPECT_EQ(d.kind, DriveKind::kCdRom);
  EXPECT_EQ(d.root, "/run/media/ann/GAME");
  ASSERT_TRUE(MountedDrive({"/dev/sdb1", "/media/ann/STICK", "vfat"}, d));
  EXPECT_EQ(d.kind, DriveKind::kRemovable);
  ASSERT_TRUE(MountedDrive({"server:/games", "/media/ann/share", "nfs4"}, d));
  EXPECT_EQ(d.kind, DriveKind::kNetwork);
  ASSERT_TRUE(MountedDrive({"tmpfs", "/run/media/ann/ram", "tmpfs"}, d));
  EXPECT_EQ(d.kind, DriveKind::kRamDisk);
  EXPECT_FALSE(MountedDrive({"/dev/sda1", "/", "ext4"}, d));
  EXPECT_FALSE(MountedDrive({"/dev/sda2", "/home", "ext4"}, d));
  EXPECT_FALSE(MountedDrive({"tmpfs", "/media", "tmpfs"}, d));
  EXPECT_FALSE(MountedDrive({"proc", "/proc", "proc"}, d));
}

TEST(MountedDriveTest, EachKindHasItsCaption) {
  EXPECT_EQ(DriveLine({"/media/a", DriveKind::kRemovable}), "/media/a (Floppy Drive)");
  EXPECT_EQ(DriveLine({"/g/CD1", DriveKind::kFixed}), "/g/CD1 (Hard Drive)");
  EXPECT_EQ(DriveLine({"/media/n", DriveKind::kNetwork}), "/media/n (Network Drive)");
  EXPECT_EQ(DriveLine({"/mnt/cd", DriveKind::kCdRom}), "/mnt/cd (CD-Rom Drive)");
  EXPECT_EQ(DriveLine({"/media/r", DriveKind::kRamDisk}), "/media/r (RAM Disk)");
}

TEST(ListDrivesTest, MountsInTableOrderThenDiscFoldersBesideTheGameByNumber) {
  TempDir dir;
  for (const char* folder : {"game", "Disc 10", "cd2", "CD1", "Other", "CD3"})
    fs::create_directories(dir.path() / folder);
  std::ofstream(dir.path() / "CD4") << "a file, not a folder";
  PathResolver files;
  const std::vector<MountEntry> mounts = {{"/dev/sr1", "/media/u/SECOND", "iso9660"},
                                          {"/dev/sdb1", "/media/u/STICK", "exfat"},
                                          {"/dev/sda1", "/", "ext4"},
                                          {"/dev/sr0", "/media/u/FIRST", "udf"},
                                          {"/dev/sr0", "/media/u/FIRST", "udf"}};
  const std::vector<Drive> drives = ListDrives(files, mounts, (dir.path() / "game").string() + "/");
  std::vector<std::string> lines;
  for (const Drive& d : drives) lines.push_back(DriveLine(d));
  const std::string at = dir.path().string();
  EXPECT_EQ(lines,
            (std::vector<std::string>{
                "/media/u/SECOND (CD-Rom Drive)", "/media/u/STICK (Floppy Drive)",
                "/media/u/FIRST (CD-Rom Drive)", at + "/CD1 (Hard Drive)", at + "/cd2 (Hard Drive)",
                at + "/CD3 (Hard Drive)", at + "/Disc 10 (Hard Drive)"}));
  EXPECT_EQ(DefaultCDDrive(drives), "/media/u/FIRST");
}

TEST(ListDrivesTest, WithoutAnOpticalDiscNoDriveIsProposed) {
  TempDir dir;
  fs::create_directories(dir.path() / "game");
  fs::create_directories(dir.path() / "CD1");
  PathResolver files;
  const std::vector<Drive> drives =
      ListDrives(files, {{"/dev/sdb1", "/media/u/STICK", "vfat"}}, (dir.path() / "game").string());
  EXPECT_EQ(drives.size(), 2u);
  EXPECT_EQ(DefaultCDDrive(drives), "");
  EXPECT_EQ(DefaultCDDrive({}), "");
}

TEST(ListDrivesTest, AGameInTheRootFolderHasNoFoldersBesideIt) {
  PathResolver files;
  EXPECT_TRUE(ListDrives(files, {}, "/").empty());
}

}  // namespace
}  // namespace sw
