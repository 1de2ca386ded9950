// The "drives" a game's discs can be read from. On this system a drive is a folder: the mount
// point of an optical disc or of removable media, or a folder beside the game's own folder
// named like a disc ("CD1", "Disc 2" ...), where a disc was copied to the hard disk.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/system/mount_table.h"

namespace sw {

class PathResolver;

// The kinds the drive list names, numbered as the original's drive types.
enum class DriveKind {
  kRemovable = 2,
  kFixed = 3,
  kNetwork = 4,
  kCdRom = 5,
  kRamDisk = 6,
};

struct Drive {
  std::string root;  // the folder on disk, without a separator at its end (except "/")
  DriveKind kind = DriveKind::kFixed;
};

// "(Floppy Drive)", "(Hard Drive)", "(Network Drive)", "(CD-Rom Drive)", "(RAM Disk)".
std::string DriveKindCaption(DriveKind kind);
// The drive list's line: root, a blank, the kind's caption.
std::string DriveLine(const Drive& drive);

// The kind of a mounted file system when it holds a disc or removable media: optical disc
// file systems anywhere, other file systems mounted below /media or /run/media (where the
// desktop mounts what the user plugs in). Nothing for every other mount.
bool MountedDrive(const MountEntry& mount, Drive& drive);

// A folder name that reads like a disc's: "CD1", "cd 2", "Disc_3", "DISK-4", "Game CD2" ...
// (a word "cd", "disc" or "disk", at the start or after a non-letter, then an optional
// separator and a number); letter case is ignored. The number, or 0 when it is none.
int DiscLabelNumber(std::string_view name);

// Every drive: the mounted ones in the table's order, then the disc folders beside the game
// folder `projectFolder` in the order of their numbers.
std::vector<Drive> ListDrives(const PathResolver& files, const std::vector<MountEntry>& mounts,
                              const std::string& projectFolder);

// The last optical disc of the list; "" when there is none (the user then picks a folder).
std::string DefaultCDDrive(const std::vector<Drive>& drives);

}  // namespace sw
