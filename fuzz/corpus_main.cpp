// Runs a fuzz target over every file of the folders (or files) named on the command line, for
// builds without libFuzzer: a crash, a sanitizer report or a hang fails the run.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void RunFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  int files = 0;
  for (int i = 1; i < argc; ++i) {
    fs::path root(argv[i]);
    if (fs::is_regular_file(root)) {
      RunFile(root);
      ++files;
      continue;
    }
    if (!fs::is_directory(root)) continue;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
      if (!e.is_regular_file()) continue;
      RunFile(e.path());
      ++files;
    }
  }
  std::printf("%d inputs ran\n", files);
  return files > 0 ? 0 : 1;
}
