// A fresh folder for one test, removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace sw::testing {

class TestDir {
 public:
  TestDir() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("sw-system-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~TestDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TestDir(const TestDir&) = delete;
  TestDir& operator=(const TestDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder as a game would name it: with a trailing backslash.
  std::string game() const { return path_.string() + "\\"; }

  // Writes a file below the folder, creating its folders.
  std::filesystem::path Put(const std::filesystem::path& relative, std::string_view bytes = {}) {
    std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }

  static std::string Slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::filesystem::path path_;
};

}  // namespace sw::testing
