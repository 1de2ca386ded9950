#include "platform/system/shell.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "base/vb_error.h"
#include "platform/system/command_line.h"

namespace sw {
namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(100);

// posix_spawn attributes and file actions, released on every path.
class SpawnSetup {
 public:
  SpawnSetup() {
    posix_spawnattr_init(&attributes_);
    posix_spawn_file_actions_init(&actions_);
  }
  ~SpawnSetup() {
    posix_spawnattr_destroy(&attributes_);
    posix_spawn_file_actions_destroy(&actions_);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;

  posix_spawnattr_t* attributes() { return &attributes_; }
  posix_spawn_file_actions_t* actions() { return &actions_; }

 private:
  posix_spawnattr_t attributes_;
  posix_spawn_file_actions_t actions_;
};

std::vector<char*> ArgvOf(std::vector<std::string>& words) {
  std::vector<char*> argv;
  for (auto& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  return argv;
}

VbError StartError(int error, const std::string& program) {
  std::string reason = std::strerror(error);
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return VbError(vberr::kFileNotFound, "File not found: " + program);
    case EACCES:
    case EPERM:
      return VbError(vberr::kPermissionDenied, "Permission denied: " + program);
    default:
      return VbError(vberr::kInvalidProcedureCall, "Cannot start " + program + ": " + reason);
  }
}

// Waits for a child, retrying after signals. The exit status, or -1 when it is unknown.
int WaitForExit(pid_t pid, bool block, bool* ended) {
  int status = 0;
  pid_t r;
  do {
    r = waitpid(pid, &status, block ? 0 : WNOHANG);
  } while (r < 0 && errno == EINTR);
  *ended = r != 0;
  if (r <= 0) return -1;
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

// Waits for the child's end, calling pump after every check.
int WaitWhilePumping(pid_t pid, const std::function<void()>& pump) {
  while (true) {
    bool ended = false;
    int status = WaitForExit(pid, false, &ended);
    if (ended) return status;
    pump();
    std::this_thread::sleep_for(kPollInterval);
  }
}

}  // namespace

void OpenWithDesktop(std::string_view target) {
  // The shell starts xdg-open in the background and ends at once, so the handler is
  // adopted by init and never becomes our zombie. When the handler fails, a line on our
  // standard error says so (the program has long gone on by then).
  std::vector<std::string> words = {
      "sh", "-c",
      "command -v xdg-open >/dev/null 2>&1 || exit 127\n"
      "{ xdg-open \"$1\" </dev/null >/dev/null 2>&1 ||"
      " printf 'scenewright: the desktop could not open %s\\n' \"$1\" >&2; } &",
      "sh", std::string(target)};
  std::vector<char*> argv = ArgvOf(words);
  SpawnSetup setup;
  posix_spawnattr_setflags(setup.attributes(), POSIX_SPAWN_SETSID);
  pid_t pid = 0;
  int error =
      posix_spawn(&pid, "/bin/sh", setup.actions(), setup.attributes(), argv.data(), environ);
  if (error != 0) throw StartError(error, "sh");
  bool ended = false;
  int status = WaitForExit(pid, true, &ended);
  if (status == 127) throw VbError(vberr::kFileNotFound, "File not found: xdg-open");
}

int RunProgramAndWait(std::string_view command_line, const std::filesystem::path& folder,
                      const PathResolver& resolver, const std::function<void()>& pump) {
  CommandLine command = ParseWindowsCommandLine(command_line);
  if (command.program.empty()) throw VbError(vberr::kInvalidProcedureCall);

  // Where the program lies: relative to the folder when it is there, else in PATH for a
  // bare name, else as given (and the start fails with File not found).
  bool bare = command.program.find_first_of("/\\") == std::string::npos;
  std::string as_path = command.program;
  if (as_path.front() != '/' && as_path.front() != '\\') {
    as_path = folder.string() + "/" + as_path;
  }
  std::error_code ec;
  std::filesystem::path resolved = std::filesystem::absolute(resolver.Resolve(as_path), ec);
  bool found = std::filesystem::is_regular_file(resolved, ec);
  bool search_path = bare && !found;

  if (!search_path) return RunFileAndWait(resolved, command, folder, pump);
  std::vector<std::string> words = {command.program};
  words.insert(words.end(), command.arguments.begin(), command.arguments.end());
  std::vector<char*> argv = ArgvOf(words);
  SpawnSetup setup;
  if (std::filesystem::is_directory(folder, ec)) {
    posix_spawn_file_actions_addchdir_np(setup.actions(), folder.c_str());
  }
  pid_t pid = 0;
  int error = posix_spawnp(&pid, command.program.c_str(), setup.actions(), setup.attributes(),
                           argv.data(), environ);
  if (error != 0) throw StartError(error, command.program);
  return WaitWhilePumping(pid, pump);
}

int RunFileAndWait(const std::filesystem::path& file, const CommandLine& command,
                   const std::filesystem::path& folder, const std::function<void()>& pump) {
  std::vector<std::string> words = {command.program};
  words.insert(words.end(), command.arguments.begin(), command.arguments.end());
  std::vector<char*> argv = ArgvOf(words);
  SpawnSetup setup;
  std::error_code ec;
  if (std::filesystem::is_directory(folder, ec)) {
    posix_spawn_file_actions_addchdir_np(setup.actions(), folder.c_str());
  }
  pid_t pid = 0;
  int error =
      posix_spawn(&pid, file.c_str(), setup.actions(), setup.attributes(), argv.data(), environ);
  if (error != 0) throw StartError(error, command.program);
  return WaitWhilePumping(pid, pump);
}

}  // namespace sw
