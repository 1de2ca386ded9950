#include "platform/system/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

#include "base/vb_error.h"

namespace sw {
namespace {

VbError ErrorFromErrno(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return VbError(vberr::kPathNotFound);
    case EACCES:
    case EPERM:
    case EROFS:
      return VbError(vberr::kPermissionDenied);
    case ENOSPC:
    case EDQUOT:
      return VbError(vberr::kDiskFull);
    default:
      return VbError(vberr::kPathFileAccessError);
  }
}

// Closes a descriptor and removes a temporary file unless the write went through.
class TempFile {
 public:
  explicit TempFile(std::filesystem::path target) : target_(std::move(target)) {
    std::random_device random;
    for (int attempt = 0; attempt < 16 && fd_ < 0; ++attempt) {
      char suffix[32];
      std::snprintf(suffix, sizeof suffix, ".%d.%08x.tmp", static_cast<int>(getpid()), random());
      path_ = target_.parent_path() / ("." + target_.filename().string() + suffix);
      fd_ = open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ < 0 && errno != EEXIST) throw ErrorFromErrno(errno);
    }
    if (fd_ < 0) throw VbError(vberr::kPathFileAccessError);
  }
  ~TempFile() {
    if (fd_ >= 0) close(fd_);
    if (!committed_) unlink(path_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  void Write(std::string_view bytes) {
    while (!bytes.empty()) {
      ssize_t n = write(fd_, bytes.data(), bytes.size());
      if (n < 0) {
        if (errno == EINTR) continue;
        throw ErrorFromErrno(errno);
      }
      bytes.remove_prefix(static_cast<size_t>(n));
    }
  }

  void Commit() {
    struct stat old_file;
    if (stat(target_.c_str(), &old_file) == 0) fchmod(fd_, old_file.st_mode & 07777);
    if (fsync(fd_) != 0) throw ErrorFromErrno(errno);
    int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) throw ErrorFromErrno(errno);
    if (rename(path_.c_str(), target_.c_str()) != 0) throw ErrorFromErrno(errno);
    committed_ = true;
  }

 private:
  std::filesystem::path target_;
  std::filesystem::path path_;
  int fd_ = -1;
  bool committed_ = false;
};

}  // namespace

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file) {
  int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  struct stat info;
  if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    close(fd);
    return std::nullopt;
  }
  char buffer[65536];
  while (true) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  return bytes;
}

void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
  TempFile temp(file);
  temp.Write(bytes);
  temp.Commit();
}

bool CanWriteInFolder(const std::filesystem::path& dir) {
  struct stat info;
  if (stat(dir.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
  return access(dir.c_str(), W_OK | X_OK) == 0;
}

bool IsReadOnlyFile(const std::filesystem::path& file) {
  struct stat info;
  if (stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  return access(file.c_str(), W_OK) != 0;
}

std::optional<std::chrono::system_clock::time_point> ModificationTime(
    const std::filesystem::path& path) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return std::nullopt;
  auto since_epoch =
      std::chrono::seconds(info.st_mtim.tv_sec) + std::chrono::nanoseconds(info.st_mtim.tv_nsec);
  return std::chrono::system_clock::time_point(
      std::chrono::duration_cast<std::chrono::system_clock::duration>(since_epoch));
}

}  // namespace sw
