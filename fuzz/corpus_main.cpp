// The driver of a fuzz target built without libFuzzer: runs the target over every file of
// the corpus folders given, then, with --seconds N, over changed copies of them (bytes
// flipped, cut, repeated and made large, from a fixed seed) until N seconds have passed.
// CTest runs every target this way, so a regression in a reader shows in every build.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::vector<std::string> ReadCorpus(const std::vector<std::filesystem::path>& folders) {
  std::vector<std::string> inputs;
  for (const auto& folder : folders) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(folder, ec)) {
      std::ifstream in(folder, std::ios::binary);
      inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
      continue;
    }
    for (std::filesystem::recursive_directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
      if (!it->is_regular_file(ec)) continue;
      std::ifstream in(it->path(), std::ios::binary);
      inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
  }
  return inputs;
}

void Run(const std::string& input) {
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
}

// One changed copy of an input.
std::string Mutate(std::string s, std::mt19937& random) {
  auto pick = [&random](size_t n) { return n == 0 ? 0 : static_cast<size_t>(random() % n); };
  static const char* const kTokens[] = {",",    "\"",          "#TRUE#", "#NULL#",
                                        "\r\n", "99999999999", "-32769", "[",
                                        "]",    "=",           "1E308",  "#2003-03-07#"};
  const int changes = 1 + static_cast<int>(random() % 8);
  for (int c = 0; c < changes; ++c) {
    switch (random() % 6) {
      case 0:  // flip a byte
        if (!s.empty()) s[pick(s.size())] = static_cast<char>(random());
        break;
      case 1:  // cut
        s.resize(pick(s.size() + 1));
        break;
      case 2:  // insert a token of the formats
        s.insert(pick(s.size() + 1), kTokens[pick(std::size(kTokens))]);
        break;
      case 3: {  // repeat a piece
        if (s.empty()) break;
        size_t at = pick(s.size()), n = 1 + pick(std::min<size_t>(64, s.size() - at));
        std::string piece = s.substr(at, n);
        for (int i = 0, times = 1 + static_cast<int>(random() % 32); i < times; ++i)
          s.insert(at, piece);
        break;
      }
      case 4:  // a large number in place of a small one
        if (s.size() >= 4) {
          size_t at = pick(s.size() - 3);
          std::memset(&s[at], random() % 2 ? 0xFF : 0x7F, 4);
        }
        break;
      default:  // remove a piece
        if (!s.empty()) {
          size_t at = pick(s.size());
          s.erase(at, 1 + pick(std::min<size_t>(32, s.size() - at)));
        }
        break;
    }
  }
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  double seconds = 0;
  std::vector<std::filesystem::path> folders;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
      seconds = std::atof(argv[++i]);
    } else {
      folders.emplace_back(argv[i]);
    }
  }
  const std::vector<std::string> corpus = ReadCorpus(folders);
  if (corpus.empty()) {
    std::fprintf(stderr, "no corpus: give folders or files of inputs\n");
    return 2;
  }
  for (const std::string& input : corpus) Run(input);
  std::mt19937 random(20261208);
  long runs = 0;
  const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (seconds > 0 && std::chrono::steady_clock::now() < until) {
    Run(Mutate(corpus[runs % corpus.size()], random));
    ++runs;
  }
  std::printf("%zu corpus inputs and %ld changed copies ran clean\n", corpus.size(), runs);
  return 0;
}
