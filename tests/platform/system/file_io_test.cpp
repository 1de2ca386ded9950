// Whole-file reads that accept only regular files of a bounded size, and the clean-up of
// temporary files that interrupted writes left behind.
#include "platform/system/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/vb_error.h"
#include "platform/system/test_dir.h"

namespace sw {
namespace {

namespace fs = std::filesystem;
using testing::TestDir;

int ReadError(const fs::path& file, std::uintmax_t max = kMaxFileBytes) {
  try {
    (void)ReadRegularFile(file, max);
    return 0;
  } catch (const VbError& e) {
    return e.number();
  }
}

TEST(FileIo, OnlyRegularFilesOfABoundedSizeAreRead) {
  TestDir dir;
  const fs::path ok = dir.Put("ok.txt", "12345");
  EXPECT_EQ(ReadRegularFile(ok, 5), "12345");
  EXPECT_EQ(ReadError(ok, 4), vberr::kOutOfMemory);
  EXPECT_EQ(ReadError(dir.path() / "missing"), vberr::kFileNotFound);
  EXPECT_EQ(ReadError(dir.path()), vberr::kPathFileAccessError);
  // A link to an endless device and a pipe nobody writes to: refused at once.
  fs::create_symlink("/dev/zero", dir.path() / "zero");
  EXPECT_EQ(ReadError(dir.path() / "zero"), vberr::kPathFileAccessError);
  ASSERT_EQ(mkfifo((dir.path() / "fifo").c_str(), 0600), 0);
  EXPECT_EQ(ReadError(dir.path() / "fifo"), vberr::kPathFileAccessError);
  EXPECT_FALSE(ReadFileBytes(dir.path() / "fifo").has_value());
  EXPECT_EQ(ReadFileBytes(dir.path() / "zero"), std::nullopt);
  EXPECT_EQ(ReadFileBytes(ok), "12345");
}

TEST(FileIo, StaleTemporaryFilesOfInterruptedWritesAreRemoved) {
  TestDir dir;
  // A process id that runs (ours) and one that cannot run.
  const std::string live = "." + std::to_string(getpid()) + ".0badf00d.tmp";
  dir.Put(".settings.conf" + live, "in progress");
  dir.Put(".settings.conf.2147483646.0badf00d.tmp", "left behind");
  dir.Put(".notes.ini.2147483646.12345678.tmp", "left behind");
  // Files that only look alike are the user's.
  dir.Put("notes.2147483646.12345678.tmp", "not hidden");
  dir.Put(".notes.ini.2147483646.1234567.tmp", "seven digits");
  dir.Put(".notes.ini.x.12345678.tmp", "no number");
  RemoveStaleTemporaryFiles(dir.path());
  EXPECT_TRUE(fs::exists(dir.path() / (".settings.conf" + live)));
  EXPECT_FALSE(fs::exists(dir.path() / ".settings.conf.2147483646.0badf00d.tmp"));
  EXPECT_FALSE(fs::exists(dir.path() / ".notes.ini.2147483646.12345678.tmp"));
  EXPECT_TRUE(fs::exists(dir.path() / "notes.2147483646.12345678.tmp"));
  EXPECT_TRUE(fs::exists(dir.path() / ".notes.ini.2147483646.1234567.tmp"));
  EXPECT_TRUE(fs::exists(dir.path() / ".notes.ini.x.12345678.tmp"));
  RemoveStaleTemporaryFiles(dir.path() / "missing");  // no folder, nothing to do
}

TEST(FileIo, AtomicWritesReplaceTheFileInsteadOfChangingIt) {
  TestDir dir;
  const fs::path file = dir.Put("dump.json", "old");
  // A second name of the old file keeps the old content: the new one is a new file.
  fs::create_hard_link(file, dir.path() / "kept.json");
  WriteFileAtomically(file, "new");
  EXPECT_EQ(TestDir::Slurp(file), "new");
  EXPECT_EQ(TestDir::Slurp(dir.path() / "kept.json"), "old");
}

}  // namespace
}  // namespace sw
