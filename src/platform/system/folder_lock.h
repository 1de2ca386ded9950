// An exclusive lock on a folder, held while a process reads, merges and replaces a file in
// it, so that players running at the same time never write over each other's changes.
#pragma once

#include <filesystem>

namespace sw {

class FolderLock {
 public:
  // Waits until no other process holds the lock on the folder, for two seconds at most.
  // When the folder cannot be opened or locked in that time (it is missing, the file system
  // has no locks, the holder is stopped), nothing is held and the caller goes on unlocked.
  explicit FolderLock(const std::filesystem::path& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace sw
