#include "platform/system/file_io.h"

#include <fcntl.h>
#include <signal.h>
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
    // The rename itself lasts only once the folder is on disk.
    const std::filesystem::path folder =
        target_.has_parent_path() ? target_.parent_path() : std::filesystem::path(".");
    int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
      fsync(dir);
      close(dir);
    }
  }

 private:
  std::filesystem::path target_;
  std::filesystem::path path_;
  int fd_ = -1;
  bool committed_ = false;
};

}  // namespace

std::string ReadRegularFile(const std::filesystem::path& file, std::uintmax_t max_bytes) {
  // O_NONBLOCK: opening a pipe that nobody writes to must not wait for a writer.
  int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) throw VbError(vberr::kFileNotFound);
    if (errno == EACCES || errno == EPERM) throw VbError(vberr::kPermissionDenied);
    throw VbError(vberr::kPathFileAccessError);
  }
  struct Closer {
    int fd;
    ~Closer() { close(fd); }
  } closer{fd};
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) throw VbError(vberr::kPathFileAccessError);
  if (static_cast<std::uintmax_t>(info.st_size) > max_bytes) throw VbError(vberr::kOutOfMemory);
  std::string bytes;
  bytes.reserve(static_cast<size_t>(info.st_size));
  char buffer[65536];
  while (true) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n < 0) throw VbError(vberr::kPermissionDenied);
    if (n == 0) break;
    // A file that grows while it is read is still held to the limit.
    if (bytes.size() + static_cast<size_t>(n) > max_bytes) throw VbError(vberr::kOutOfMemory);
    bytes.append(buffer, static_cast<size_t>(n));
  }
  return bytes;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file,
                                         std::uintmax_t max_bytes) {
  try {
    return ReadRegularFile(file, max_bytes);
  } catch (const VbError&) {
    return std::nullopt;
  }
}

void RemoveStaleTemporaryFiles(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec), end;
  for (int seen = 0; !ec && it != end && seen < 100000; it.increment(ec), ++seen) {
    const std::string name = it->path().filename().string();
    // ".<target>.<pid>.<8 hex digits>.tmp"
    if (name.size() < 16 || name[0] != '.' || !name.ends_with(".tmp")) continue;
    const size_t hex = name.rfind('.', name.size() - 5);
    if (hex == std::string::npos || name.size() - 4 - (hex + 1) != 8) continue;
    const size_t pid_dot = name.rfind('.', hex - 1);
    if (pid_dot == std::string::npos || pid_dot == 0) continue;
    const std::string pid_text = name.substr(pid_dot + 1, hex - pid_dot - 1);
    const std::string hex_text = name.substr(hex + 1, 8);
    if (pid_text.empty() || pid_text.size() > 10 ||
        pid_text.find_first_not_of("0123456789") != std::string::npos ||
        hex_text.find_first_not_of("0123456789abcdef") != std::string::npos) {
      continue;
    }
    const long pid = std::stol(pid_text);
    if (pid <= 0 || (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM)) continue;
    std::error_code ignored;
    if (it->is_regular_file(ignored) && !it->is_symlink(ignored)) {
      std::filesystem::remove(it->path(), ignored);
    }
  }
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
