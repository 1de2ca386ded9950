// Runs the scenewright binary headless (SDL's dummy drivers) from a working folder, with a
// time limit so that a hanging player fails the test instead of blocking it.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace sw::testing {

struct RunResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string ReadFile(const std::filesystem::path& p) {
  std::ifstream in(p);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// `args` are already quoted for the shell; `environment` comes before the command (variable
// settings, or an `env` command line).
inline RunResult RunPlayer(const std::filesystem::path& dir, const std::string& args,
                           const std::string& environment = "") {
  const std::filesystem::path out = dir / "out.txt", err = dir / "err.txt";
  const std::string command = "cd '" + dir.string() +
                              "' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " + environment +
                              " timeout 60 '" + std::string(SW_BINARY_DIR) + "/bin/scenewright' " +
                              args + " >'" + out.string() + "' 2>'" + err.string() + "' </dev/null";
  const int raw = std::system(command.c_str());
  RunResult r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = ReadFile(out);
  r.err = ReadFile(err);
  return r;
}

}  // namespace sw::testing
