#include "platform/system/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace sw {

FolderLock::FolderLock(const std::filesystem::path& folder) {
  const std::filesystem::path target = folder.empty() ? std::filesystem::path(".") : folder;
  fd_ = ::open(target.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd_ < 0) return;
  // Another player holds the lock only while it writes, for a few milliseconds. One that
  // was stopped while holding it must not freeze this one: after two seconds it goes on
  // unlocked, as it would on a file system without locks.
  for (int waited_ms = 0; ::flock(fd_, LOCK_EX | LOCK_NB) != 0; waited_ms += 5) {
    if ((errno != EWOULDBLOCK && errno != EINTR) || waited_ms >= 2000) {
      ::close(fd_);
      fd_ = -1;
      return;
    }
    ::usleep(5000);
  }
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

}  // namespace sw
