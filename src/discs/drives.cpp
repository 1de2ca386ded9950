#include "discs/drives.h"

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "platform/system/path_resolver.h"

namespace sw {

namespace fs = std::filesystem;

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0x80;
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The label's number when `word` starts at `at` and only a separator and digits follow it.
int NumberAfter(std::string_view lower, std::size_t at, std::string_view word) {
  if (lower.substr(at, word.size()) != word) return 0;
  if (at > 0 && IsLetter(lower[at - 1])) return 0;
  std::size_t pos = at + word.size();
  while (pos < lower.size() && (lower[pos] == ' ' || lower[pos] == '_' || lower[pos] == '-' ||
                                lower[pos] == '#' || lower[pos] == '.')) {
    ++pos;
  }
  const std::size_t digits = lower.size() - pos;
  if (digits == 0 || digits > 4) return 0;
  int number = 0;
  for (; pos < lower.size(); ++pos) {
    if (lower[pos] < '0' || lower[pos] > '9') return 0;
    number = number * 10 + (lower[pos] - '0');
  }
  return number;
}

std::string WithoutTrailingSeparator(std::string root) {
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  return root;
}

}  // namespace

std::string DriveKindCaption(DriveKind kind) {
  switch (kind) {
    case DriveKind::kRemovable:
      return "(Floppy Drive)";
    case DriveKind::kFixed:
      return "(Hard Drive)";
    case DriveKind::kNetwork:
      return "(Network Drive)";
    case DriveKind::kCdRom:
      return "(CD-Rom Drive)";
    case DriveKind::kRamDisk:
      return "(RAM Disk)";
  }
  return "";
}

std::string DriveLine(const Drive& drive) {
  return drive.root + " " + DriveKindCaption(drive.kind);
}

bool MountedDrive(const MountEntry& mount, Drive& drive) {
  const std::string& type = mount.type;
  drive.root = WithoutTrailingSeparator(mount.mount_point);
  if (type == "iso9660" || type == "udf") {
    drive.kind = DriveKind::kCdRom;
    return true;
  }
  const std::string& at = drive.root;
  if (!(StartsWith(at, "/media/") || StartsWith(at, "/run/media/"))) return false;
  if (type == "nfs" || type == "nfs4" || type == "cifs" || type == "smb3" || type == "smbfs" ||
      StartsWith(type, "fuse.sshfs")) {
    drive.kind = DriveKind::kNetwork;
  } else if (type == "tmpfs" || type == "ramfs") {
    drive.kind = DriveKind::kRamDisk;
  } else {
    drive.kind = DriveKind::kRemovable;
  }
  return true;
}

int DiscLabelNumber(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(), Lower);
  for (std::size_t at = 0; at < lower.size(); ++at) {
    for (std::string_view word : {"cd", "disc", "disk"}) {
      if (int number = NumberAfter(lower, at, word)) return number;
    }
  }
  return 0;
}

std::vector<Drive> ListDrives(const PathResolver& files, const std::vector<MountEntry>& mounts,
                              const std::string& projectFolder) {
  std::vector<Drive> drives;
  auto known = [&drives](const std::string& root) {
    return std::any_of(drives.begin(), drives.end(),
                       [&root](const Drive& d) { return d.root == root; });
  };
  for (const MountEntry& mount : mounts) {
    Drive drive;
    if (MountedDrive(mount, drive) && !known(drive.root)) drives.push_back(std::move(drive));
  }

  std::error_code ec;
  const fs::path absolute =
      fs::absolute(files.Resolve(WithoutTrailingSeparator(projectFolder)), ec).lexically_normal();
  if (ec) return drives;
  const fs::path project = WithoutTrailingSeparator(absolute.string());
  if (project == project.root_path() || !project.has_parent_path()) return drives;
  const std::string beside = WithoutTrailingSeparator(project.parent_path().string());
  std::vector<std::tuple<int, std::string, std::string>> folders;  // number, name, root
  for (const std::string& name :
       files.List((beside == "/" ? "" : beside) + "/*", file_attr::kDirectory)) {
    const int number = DiscLabelNumber(name);
    if (number <= 0) continue;
    const std::string path = (beside == "/" ? "" : beside) + "/" + name;
    if (!files.IsDirectory(path)) continue;
    folders.emplace_back(number, name, files.Resolve(path).string());
  }
  std::sort(folders.begin(), folders.end());
  for (auto& [number, name, root] : folders) {
    (void)number, (void)name;
    root = WithoutTrailingSeparator(root);
    if (!known(root)) drives.push_back({root, DriveKind::kFixed});
  }
  return drives;
}

std::string DefaultCDDrive(const std::vector<Drive>& drives) {
  std::string last;
  for (const Drive& drive : drives)
    if (drive.kind == DriveKind::kCdRom) last = drive.root;
  return last;
}

}  // namespace sw
